#pragma once
// One dimension of a quantity: a unit of the quantity's unit part with its degree. A
// known dimension refers to the loaded root category of its unit (its units are shared,
// not re-created per keystroke); its unit index runs over the root category's units and
// then over the units of the supplementary category that matches its degree.

#include "core/unitdata/tcat.h"

#include <string>

namespace tarnel {

class TConvert;

class TDim {
  public:
    /// A known dimension over a loaded root category, or (cat null) an unknown-symbol or
    /// compound dimension.
    explicit TDim(TCat* rootCat = nullptr) : fCat(rootCat) {}

    TCat* Cat() const { return fCat; }
    TCatKind Kind() const { return fCat ? fCat->Kind() : TCatKind::ckUnknown; }
    /// The root category's units (n of them).
    int OwnCount() const { return fCat ? fCat->Units.Count() : 0; }
    /// The unit at an index of the dimension's index space (own units, then SupCat's).
    TUnit* UnitAt(int i) const;

    int CatIdx() const { return fCatIdx; }
    int UnitIdx() const { return fUnitIdx; }
    /// Converts the engine's value from the current unit to unit i (see the index space).
    void setUnitIdx(int i);
    int Degree() const { return fDegree; }
    /// Sets the degree and picks the supplementary category of that degree.
    void setDegree(int v);

    bool Ready() const;
    bool IsInSupCat() const { return SupCat && fUnitIdx >= OwnCount(); }
    /// Converts the engine's value to the category's core unit.
    void Convert2SI();

    /// Units of the index space: the root category's, then SupCat's.
    int UnitCount() const { return OwnCount() + (SupCat ? SupCat->Units.Count() : 0); }
    /// The first unit of the index space with exactly this symbol; -1 when none.
    int IndexOfSymbol(const std::string& symbol) const;
    /// The unit at UnitIdx (null for an unknown or compound dimension).
    TUnit* Unit() const { return UnitAt(fUnitIdx); }

    TConvert* ParentCnv = nullptr;
    std::string UnknownUnit;
    TCat* SupCat = nullptr;

  private:
    // The engine builds dimensions; anyone else changes them through the setters, which
    // convert.
    friend class TConvert;
    int fCatIdx = -1;
    int fUnitIdx = -1;
    int fDegree = 0;
    TCat* fCat = nullptr;
};

} // namespace tarnel
