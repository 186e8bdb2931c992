#pragma once
// Quantity and unit texts as a person types them, read into the stored notation before
// the engine sees them. Stored texts (unit data, history) drop characters the notation
// does not know; typed text must never lose what was typed, so here such a character is
// refused with a message. Common keyboard forms are read as the notation writes them:
// µ/μ as the "u" prefix, "·" and "×" as ".", a no-break space as a blank, "º" before
// C, F or R as the degree sign, and typed spellings (degC, Nm) as their stored units.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tarnel {

struct TypedReading {
    bool ok = false;
    std::string text;  // the stored form when ok
    std::string error; // the message otherwise
};

/// Typed name -> stored unit text (one or more symbols joined by ".").
using SpellingMap = std::unordered_map<std::string, std::string>;

class TypedText {
  public:
    /// `isSymbol` tells whether a unit of the loaded data has exactly that symbol.
    explicit TypedText(std::function<bool(const std::string&)> isSymbol,
                       const SpellingMap* spellings = nullptr)
        : fIsSymbol(std::move(isSymbol)), fSpellings(spellings) {}

    /// A whole quantity ("5 [µm]"): nothing but blanks may follow the unit part.
    TypedReading quantity(std::string_view text) const;
    /// A target unit part, with or without its brackets ("km/h", "[km/h]").
    TypedReading target(std::string_view text) const;
    /// The text between the brackets.
    TypedReading unitPart(std::string_view text) const;

  private:
    std::string storedName(const std::u32string& name) const;
    bool readsAsItStands(std::string_view text) const;

    std::function<bool(const std::string&)> fIsSymbol;
    const SpellingMap* fSpellings;
};

} // namespace tarnel
