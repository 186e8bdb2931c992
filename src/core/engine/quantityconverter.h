#pragma once
// Whole-quantity conversions as the headless converter and the views need them: a
// quantity to a target unit part (dimension by dimension, within a category, or through
// SI when the structures differ), a quantity in SI base units, and a single unit in every
// unit of its category. Every failure is reported, never a partial conversion.

#include "core/engine/tconvert.h"
#include "core/notation/typedtext.h"

#include <memory>
#include <string>
#include <vector>

namespace tarnel {

struct ConvertResult {
    bool ok = false;
    std::string text;  // the resulting quantity text when ok
    std::string error; // the message otherwise
    std::string note;  // how a result was made, when that is worth saying
    std::string hint;  // what to do instead, with some errors
};

class QuantityConverter {
  public:
    /// `engine` does the conversions (its ValFix is cleared while converting). A second
    /// engine over the same document, made when first needed, works out a target's value
    /// in SI.
    explicit QuantityConverter(TConvert& engine) : fEng(engine) {}

    /// Typed spellings (degC, Nm) the typed texts may use; the map must outlive this.
    void setSpellings(const SpellingMap* spellings) { fSpellings = spellings; }

    /// QUANTITY to TARGET (a unit part, with or without brackets), both as typed.
    ConvertResult convert(const std::string& quantity, const std::string& target);
    /// The quantity in SI base units.
    ConvertResult base(const std::string& quantity);
    /// A single-unit quantity in every unit of its category, in category order.
    std::vector<ConvertResult> all(const std::string& quantity);
    /// One batch line "QUANTITY<TAB>TARGET": the converted text or "error: MESSAGE".
    ConvertResult batchLine(const std::string& line);

  private:
    TypedText typed() const;
    /// The refusal of a temperature scale value below 0 K; "" when there is none.
    std::string belowAbsoluteZero(const std::string& quantity) const;
    std::string belowAbsoluteZero(int ci, int ui, double value, const std::string& quantity) const;
    ConvertResult convertStored(const std::string& quantity, const std::string& trg);
    ConvertResult throughSI(const TDimRec& quantity, const UnitEntries& target,
                            const std::string& targetError);

    TConvert& fEng;
    const SpellingMap* fSpellings = nullptr;
};

} // namespace tarnel
