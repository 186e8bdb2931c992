#pragma once
// Quantity texts such as "12.5 [m/s^2]": the parser of a unit part into symbol/degree
// entries, the reader of a whole quantity text, and the printers back to text. The parse
// never throws and shows nothing: a malformed unit part answers false with its message,
// which the caller shows where it fits (a message box, a status line, an error result).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

struct TUnitRec {
    std::string UnitStr;
    int32_t UnitDeg = 1;
    bool operator==(const TUnitRec& o) const {
        return UnitStr == o.UnitStr && UnitDeg == o.UnitDeg;
    }
};

/// A parsed unit part: symbol=degree entries in text order, repeats kept.
using UnitEntries = std::vector<TUnitRec>;

struct TDimRec {
    double Valu = 0;
    std::string ValuStr;
    std::string UnitsStr;
    std::vector<TUnitRec> units;
};

using TBaseUnits = std::array<int32_t, 7>;
/// m, kg, s, A, K, mol, cd: the order of base-unit texts.
extern const std::array<const char*, 7> SIBaseSymbols;

/// Parses a unit part; false with the message in `why` (the list then holds what was read).
bool ParseUnits(std::string_view s, UnitEntries& list, std::string* why = nullptr);
/// The common case of ParseUnits without the tokenizer: true with the same list when the
/// text holds only names, ".", "/" and whole degrees; false (list unspecified) otherwise.
bool ParseUnitsSimple(std::string_view s, UnitEntries& list);
/// One "symbol=degree" (or "symbol^degree") entry; the degree defaults to 1.
TUnitRec SplitUnitDeg(std::string_view entry);
/// The value part (before the first "[") read as a decimal literal; NaN otherwise.
double ValueOfField(std::string_view text);
/// Replaces the text by its unit part (between the first "[" and the first "]").
bool UnitsOfField(std::string& text);
/// The whole quantity text as a record; a unit part that does not parse leaves the units
/// empty, with its message in `why`.
TDimRec ParseField(std::string_view text, std::string* why = nullptr);
/// Prints entries as a unit part (m/s^2); zero degrees are left out.
std::string UnitListText(const std::vector<TUnitRec>& list);
/// Prints base-unit degrees; all zero gives "1".
std::string BaseVectorText(const TBaseUnits& v);
/// A number with `prec` significant digits (see numformat.h).
std::string FormatNum(double v, int prec);
/// Value text + " [" + unit part + "]".
std::string DimRecText(const TDimRec& r, int prec);
TDimRec AddUnitToDim(const TDimRec& r, const TUnitRec& u);
TDimRec MulDims(const TDimRec& a, const TDimRec& b);
TDimRec PowerDim(const TDimRec& r, int32_t n);

} // namespace tarnel
