#pragma once
// One loaded unit: a view on its node of the unit data document. The symbol, kind and
// factor are taken once at load, since every conversion and lookup reads them.

#include "core/notation/notation.h"
#include "core/unitdata/kinds.h"
#include "core/unitdata/unitsdata.h"

#include <string>

namespace tarnel {

class TCat;

class TUnit {
  public:
    /// Throws EM "Unit data is missing" for a null node.
    TUnit(const IXMLUnitType& data, TCat* parent);

    IXMLUnitType Data;
    TCat* ParentCat = nullptr;

    bool Enabled() const { return Data.enabled() == 1; }
    TUnitKind Kind() const { return fKind; }
    std::string Name() const { return Data.name(); }
    std::string Kw() const { return Data.kw(); }
    std::string Comment() const { return Data.comment(); }
    std::string Rule_from() const { return Data.rule_from(); }
    std::string Rule_to() const { return Data.rule_to(); }
    /// The stored symbol, or for a blank one the name with spaces as "_".
    const std::string& Symbol() const { return fSymbol; }
    std::string FullName() const { return Name() + " [" + Symbol() + "]"; }
    /// The factor as a decimal literal; NaN when it is not one.
    double Factor() const { return fFactor; }
    /// Degrees over the seven base units; sets the IsBaseUnits flag.
    TBaseUnits In_base_units();
    bool IsBaseUnits() {
        In_base_units();
        return fIsBaseUnits;
    }

    bool fIsBaseUnits = false;

  private:
    std::string fSymbol;
    TUnitKind fKind = TUnitKind::ukUnknown;
    double fFactor = 0;
};

} // namespace tarnel
