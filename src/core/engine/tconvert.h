#pragma once
// The conversion engine: one quantity (a shared value and a list of dimensions) over a
// complete unit database. With ValFix set the value stays as typed while units change;
// cleared, the value follows every unit change.

#include "core/engine/tdim.h"
#include "core/unitdata/tcats.h"

#include <memory>
#include <string>
#include <vector>

namespace tarnel {

class TParser;

class TConvert : public TCats {
  public:
    /// The engine computes rule units through `parser` and shows its messages through
    /// `messages`; both must outlive it.
    TConvert(TParser& parser, IMessages& messages);
    TConvert(TParser& parser, IMessages& messages, const std::string& filename);

    void Clear() override;

    double Value() const { return fValue; }
    /// Stored only with ValFix set.
    void setValue(double v) {
        if (ValFix) fValue = v;
    }
    std::string Field() const;
    /// The unit part that Field prints (without brackets).
    std::string unitPart() const;
    /// The same as entries (symbol and degree per dimension, as printed).
    UnitEntries unitEntries() const;
    void setField(const std::string& v);
    /// The same for a text already read into `r` (`text` is what it was read from).
    void setField(const TDimRec& r, const std::string& text);
    bool Enabled() const { return fEnabled; }
    int DimCount() const { return static_cast<int>(fDims.size()); }
    TDim* Dims(int idx) const {
        return idx >= 0 && idx < DimCount() ? fDims[static_cast<size_t>(idx)].get() : nullptr;
    }

    /// InsertUnit positions past every dimension: append, or append without messages.
    static constexpr int kAppend = 999;
    static constexpr int kAppendQuietly = 998;
    /// Inserts the unit at idx (clamped; kAppend, kAppendQuietly).
    bool InsertUnit(int idx, const TUnitRec& ur);
    /// Every dimension to its core unit.
    void Convert2SI();
    /// A single-unit quantity to another unit of the same category (compound ones too).
    bool Convert2AnyUnit(const std::string& target);
    /// The same from the unit `source` with the current value, whatever Field holds.
    bool Convert2AnyUnit(const std::string& source, const std::string& target);
    /// The same for units already looked up (category and unit indexes).
    bool Convert2AnyUnit(int cs, int us, int ct, int ut, const std::string& target);
    /// The same for `value` in the source unit.
    bool Convert2AnyUnit(double value, int cs, int us, int ct, int ut, const std::string& target);
    /// Every dimension to the unit at the same position of the target unit part.
    bool Convert2Dim(const std::string& target, bool errMsg);

    /// Significant digits of printed values and of values put into rule formulas.
    int Prec() const { return fPrec; }
    void setPrec(int p) { fPrec = p; }

    TParser& parser() const { return *fParser; }
    IMessages& messages() const { return *fMessages; }
    /// Sends the engine's messages (and load errors) elsewhere; returns the previous sink.
    IMessages& redirectMessages(IMessages& to);
    /// v in unit u (to the power `degree`) as a value in its category's core unit, and
    /// back. Rule units take no degree; a unit of unknown kind leaves v as it is.
    double toCore(const TUnit& u, double v, int degree = 1) const;
    double fromCore(const TUnit& u, double v, int degree = 1) const;
    /// A rule formula's value for v: NaN and infinities skip the evaluator and give NaN.
    double evalRule(const std::string& formula, double v) const;

    /// The value text as typed (printed instead of the value while set).
    const std::string& ValStr() const { return fValStr; }
    /// Stored only with ValFix set, like the value it stands for.
    void setValStr(const std::string& s) {
        if (ValFix) fValStr = s;
    }
    bool ValFix = false;

  private:
    // Written only by conversions, so no caller can change the value or the units
    // without converting.
    double fValue = 0;
    std::string fValStr;
    friend class TDim;
    void message(const std::string& text) const;
    void setFieldParts(std::string valueText, const std::string& units);
    void insertUnits(const std::string& units);
    void insertEntries(const UnitEntries& list);

    TParser* fParser;
    IMessages* fMessages;
    std::vector<std::unique_ptr<TDim>> fDims;
    bool fEnabled = false;
    bool fQuiet = false;
    int fPrec = 7;
};

} // namespace tarnel
