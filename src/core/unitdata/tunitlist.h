#pragma once
// An ordered list of references to loaded units; it owns none of them.

#include "core/unitdata/tunit.h"

#include <set>
#include <string>
#include <vector>

namespace tarnel {

using TSetUnitKind = std::set<TUnitKind>;

class TUnitList {
  public:
    int Count() const { return static_cast<int>(fItems.size()); }
    /// The unit at index, or null outside 0..Count-1.
    TUnit* Items(int index) const {
        return index >= 0 && index < Count() ? fItems[static_cast<size_t>(index)] : nullptr;
    }
    int Add(TUnit* item);
    void Clear() { fItems.clear(); }
    /// Index of the first core unit, or -1.
    int IndexOfSI() const;
    /// First unit whose name equals nm trimmed, without case; -1 if none.
    int IndexOfName(const std::string& nm) const;
    /// First unit whose symbol equals symbol trimmed, exactly; -1 if none.
    int IndexOfSymbol(const std::string& symbol) const;
    std::vector<TUnit*> Subset(const TSetUnitKind& kinds) const;
    std::vector<std::string> Strings(const TSetUnitKind& kinds, bool fullName) const;
    const std::vector<TUnit*>& items() const { return fItems; }

  private:
    std::vector<TUnit*> fItems;
};

} // namespace tarnel
