#pragma once
// Checks a parsed unit data document against the rules the conversion engine relies on
// and the file format does not enforce. The document is only read, never changed: every
// attribute is taken straight from the XML nodes, because the typed views add the
// attributes they find missing.

#include "core/notation/notation.h"
#include "core/unitdata/unitsdata.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tarnel {

struct ValidationEntry {
    std::string message;
    /// The category or unit the fault concerns; null for the description checks.
    XmlNodeRef node;
    /// The node's name attribute, for display ("" for the description checks).
    std::string name;
};

/// Duplicate-name and duplicate-symbol entries kept per run: k units of one name make
/// k(k-1) of them, so the rest are only counted and summed up in one closing entry.
inline constexpr size_t kMaxDuplicateEntries = 1000;

/// Called once per category before it is checked: its name, the number of collected
/// categories checked before it, and the number of collected categories.
using ProgressFn = std::function<void(const std::string& categoryName, int position, int count)>;

/// Empties `errors`, then adds one entry per fault in a fixed order. With `enabledOnly`,
/// categories and units whose `enabled` is 0 are neither checked nor compared with;
/// domains whose `enabled` is 0 are skipped in both modes. Malformed unit texts are
/// reported through the message interface while the check goes on. Past
/// kMaxDuplicateEntries duplicate entries, the further ones are left out and the list
/// ends with "N further duplicate entries left out.".
void ValidateUnitsData(const IXMLUnitsDataType& root, std::vector<ValidationEntry>& errors,
                       bool enabledOnly, const ProgressFn& progress = {});

/// The working lists of one validation run: the description's keywords and the
/// collected categories, with the lookups the checks need.
class UnitsDataValidator {
  public:
    UnitsDataValidator(const IXMLUnitsDataType& root, bool enabledOnly);

    /// First unit (in collected-category order, then unit order) whose symbol equals
    /// `symbol` exactly; with `rootOnly` only categories typed exactly "root" count.
    /// `catPos` is the position among the collected categories, `unitPos` among the
    /// category's unit elements.
    bool FindUnitBySymbol(const std::string& symbol, bool rootOnly, int& catPos,
                          int& unitPos) const;
    /// True when every item of the comma text is a description keyword (case-free).
    bool KeywordsKnown(std::string_view kw) const;

    void Validate(std::vector<ValidationEntry>& errors, const ProgressFn& progress = {}) const;

  private:
    struct Cat {
        pugi::xml_node node;
        std::vector<pugi::xml_node> units; // every unit element, enabled or not
        int firstListed = 0;               // index of its first listed unit in fListed
    };
    struct Listed {
        pugi::xml_node node;
        const std::vector<int>* sameName = nullptr;   // listed units with this folded name
        const std::vector<int>* sameSymbol = nullptr; // listed units with this exact symbol
    };
    struct Place {
        int cat;
        int unit;
    };
    struct Sink; // the error list with the count of duplicate entries kept and left out

    bool listed(pugi::xml_node unit) const;
    void checkCoreUnit(const Cat& c, Sink& errors) const;
    void checkSupplementaryCore(pugi::xml_node core, const UnitEntries& p, Sink& errors) const;
    void checkUnit(pugi::xml_node c, int self, Sink& errors) const;
    void add(Sink& errors, const char* message, pugi::xml_node node) const;
    void add(Sink& errors, std::string message, pugi::xml_node node) const;
    /// `count` entries of a duplicate message, as many as the cap leaves room for.
    void addDuplicates(Sink& errors, const char* message, pugi::xml_node node,
                       uint64_t count) const;

    XmlDocPtr fDoc;
    pugi::xml_node fDescription;
    bool fEnabledOnly;
    std::vector<pugi::xml_node> fDomains;                          // enabled domains, in order
    std::unordered_set<std::string> fKeywords;                     // folded
    std::vector<Cat> fCats;                                        // collected categories
    std::unordered_map<std::string, std::vector<int>> fCatsByName; // folded name -> fCats
    std::vector<Listed> fListed; // the units the duplicate checks compare, in order
    std::unordered_map<std::string, std::vector<int>> fByName, fBySymbol;
    std::unordered_map<std::string, Place> fFirstAny, fFirstRoot;
};

} // namespace tarnel
