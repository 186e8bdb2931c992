#pragma once
// One loaded category: its node, its enabled units in file order, and for supplementary
// categories the link to the root category whose unit they raise to a power.

#include "core/unitdata/tunitlist.h"

#include <memory>
#include <set>
#include <vector>

namespace tarnel {

using TSetCatKind = std::set<TCatKind>;

class TCat {
  public:
    TCat() = default;
    /// With a node, loads its units whose enabled is not 0.
    explicit TCat(const IXMLCategoryType& data);
    TCat(const TCat&) = delete;
    TCat& operator=(const TCat&) = delete;

    /// Keeps the node and loads its units; throws EM "Cat. data is missing" for null.
    void SetData(const IXMLCategoryType& value);
    void Clear();

    const IXMLCategoryType& Data() const { return fData; }
    TCatKind Kind() const { return fKind; }
    /// The node's name; empty for a category of unknown kind.
    std::string Name() const { return fKind == TCatKind::ckUnknown ? std::string() : fData.name(); }
    bool Enabled() const { return !fData.isNull() && fData.enabled() == 1; }
    std::string Comment() const { return fData.isNull() ? std::string() : fData.comment(); }
    TBaseUnits In_base_units();
    bool IsBaseUnits();
    /// Some unit is a rule unit.
    bool IsRule() const { return fIsRule; }

    TUnitList Units;
    TCat* SupBase = nullptr;
    int SupDegree = 0;
    std::vector<TCat*> SupCats;
    bool fIsBaseUnits = false;

  private:
    IXMLCategoryType fData;
    TCatKind fKind = TCatKind::ckUnknown;
    bool fIsRule = false;
    std::vector<std::unique_ptr<TUnit>> fOwned;
};

/// Index of the first unit node whose type is exactly "si-unit", or -1.
int CoreUnitIndex(const IXMLCategoryType& cat);

} // namespace tarnel
