#pragma once
// The unit file editor as plain data: the parsed document, the tree of domains,
// categories and units shown beside it, the Category and Unit panels' field values, the
// node clipboard, validation and saving. Edits change the document's nodes in place;
// the tree items hold those nodes, and the tree's order (changed by Up and Down) is the
// order the file is written in.
//
// Node lifetime: a node removed from the document leaves no holder behind (the current
// item, the error list and the clipboard drop or copy it first), so no handle dangles.

#include "core/unitdata/itemtree.h"
#include "core/unitdata/unitsdata.h"
#include "core/unitdata/validation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace tarnel {

/// Where an item sits: d (domain), then c (category), then u (unit); -1 for unused.
struct ItemPath {
    int d = -1, c = -1, u = -1;
    int level() const { return d < 0 ? -1 : c < 0 ? 0 : u < 0 ? 1 : 2; }
    bool valid() const { return d >= 0; }
    bool operator==(const ItemPath& o) const { return d == o.d && c == o.c && u == o.u; }
};

struct ItemStyle {
    bool bold = false;
    bool italic = false;
    uint32_t color = 0x000000; // 0xRRGGBB
    bool frame = false;        // disabled categories and units stand out with a frame
    int icon = -1;             // unit type index; -1 for none
};

struct EditItem {
    XmlNodeRef node;
    std::string text;
    ItemStyle style;
    std::vector<EditItem> children;
};

struct TreeButtons {
    bool add = false, del = false, up = false, down = false, cut = false, copy = false,
         paste = false;
    bool operator==(const TreeButtons& o) const {
        return add == o.add && del == o.del && up == o.up && down == o.down && cut == o.cut &&
               copy == o.copy && paste == o.paste;
    }
};

enum class EditPanel { None, Category, Unit, Filter };

struct CategoryFields {
    bool enabled = false;
    int type = -1;
    std::string name, comment;
};

struct UnitFields {
    bool enabled = false;
    bool enabledUsable = true; // an SI unit is always enabled
    int type = -1;
    std::string name, symbol;
    bool symbolIsDefinition = false; // label "Unit Definition" (compound category)
    std::vector<bool> keywords;      // one check per keyword of the list
    std::string comment;
    int typePage = -1; // 0 si-unit, 1 factor, 2 rule, -1 none
    std::string inBaseUnits, factor, ruleFrom, ruleTo;
};

struct EditStats {
    int catsEnabled = 0, catsTotal = 0, unitsEnabled = 0, unitsTotal = 0;
    long long conversions = 0;
};

class TfrmUnitEditModel {
  public:
    static const char* const kCategoryTypes[3];
    static const char* const kCategoryTypeLabels[3];
    static const char* const kUnitTypes[3];
    static const char* const kUnitTypeLabels[3];
    static const char* const kValidationConfirmed;
    static const char* const kDoneRefused;

    /// Loads the file. Throws EM "No unit file. " + path when it does not exist; a text
    /// that does not parse gives the parser's message (the editor must not open).
    std::optional<std::string> Execute(const std::string& unitsFilename);
    /// Parses the text and rebuilds the tree; on a parse error returns the parser's
    /// message and leaves everything as it was.
    std::optional<std::string> BuildTree(const std::string& text);

    const std::string& Filename() const { return fFilename; }
    std::string caption() const;
    const std::string& loadedText() const { return fLoadedText; }
    bool loaded() const { return bool(fDoc); }
    IXMLUnitsDataType root() const { return unitsDataOf(fDoc); }

    const std::vector<EditItem>& tree() const { return fTree; }
    const EditItem* item(const ItemPath& p) const;
    const std::vector<std::string>& keywordList() const { return fKeywords; }
    /// The item to expand and select after a load: the first category, if any.
    ItemPath initialSelection() const;

    // Selection and panels. While the filter mode is on, selecting changes nothing.
    void setFilterMode(bool on);
    bool filterMode() const { return fFilterMode; }
    void Select(const ItemPath& p);
    void Deselect();
    const ItemPath& selected() const { return fSelected; }
    EditPanel panel() const { return fPanel; }
    TreeButtons buttons() const { return fButtons; }
    const CategoryFields& categoryFields() const { return fCat; }
    const UnitFields& unitFields() const { return fUnit; }

    // Panel edits: each stores at once (unless a panel is being filled).
    void setCategoryFields(const CategoryFields& f);
    void setUnitFields(const UnitFields& f);
    /// The Unit Type drop-down: shows the type's page, empties what the type has no field
    /// for and stores the unit.
    void changeUnitType(int index);

    // Tree tool bar. Each returns the item to select afterwards (invalid: none).
    ItemPath Add();
    ItemPath Delete();
    ItemPath Up();
    ItemPath Down();
    /// Returns the node's XML text for the system clipboard.
    std::string Copy();
    std::string Cut();
    /// The pasted item's path (it is not selected); invalid when nothing was pasted.
    ItemPath Paste();
    bool clipboardHoldsUnit() const { return bool(fClpUnit); }
    bool clipboardHoldsCategory() const { return bool(fClpCat); }

    // Validation and saving.
    /// Validates; true when no errors. Marks the faulty items either way. `progress`
    /// hears of each category as it is checked.
    bool Validate(bool enabledOnly, const ProgressFn& progress = {});
    const std::vector<ValidationEntry>& errors() const { return fErrors; }
    bool isFaulty(const XmlNodeRef& n) const;
    /// The path of an error entry's node; invalid when it has no item.
    ItemPath pathOf(const XmlNodeRef& n) const;
    /// The status bar text for hovering over an item.
    std::string hoverText(const ItemPath& p, bool& isError) const;

    /// The file text from the tree (what the XML page shows and Done writes).
    std::string writerText();
    /// The document's own serialisation (Save As from the Editor page).
    std::string documentText() const;

    struct SaveResult {
        bool ok = false;
        std::string message; // the refusal or failure to show
    };
    /// Done. `xmlPageText` is set when the XML page is active: that text is parsed and
    /// validated first and saved as it is. Nothing is written on any error.
    SaveResult Done(const std::string* xmlPageText, const ProgressFn& progress = {});
    /// Validation step of Save As (before the file dialog).
    SaveResult CheckBeforeSave(const std::string* xmlPageText, const ProgressFn& progress = {});
    /// Writes the file of Save As and makes it the edited file.
    SaveResult SaveAs(const std::string& path, const std::string* xmlPageText);

    // Filter and statistics.
    std::vector<std::string> filterDomains() const;
    /// Enables (or disables) the units of the checked domains that match the checked
    /// keywords; `all` selects AND instead of OR. Returns the number of units switched.
    int SwitchEnabled(const std::vector<bool>& domains, const std::vector<bool>& keywords, bool all,
                      bool enable);
    /// Throws EM "problem with <symbol> unit" for a compound category that no root
    /// category explains.
    EditStats Statistics() const;

  private:
    EditItem* itemAt(const ItemPath& p);
    std::vector<EditItem>* siblingsOf(const ItemPath& p);
    void StyleShape(EditItem& it, int level, bool faulty);
    EditItem makeUnitItem(const IXMLUnitType& u);
    EditItem makeCategoryItem(const IXMLCategoryType& c);
    void ShowCategory(const ItemPath& p);
    void ShowUnit(const ItemPath& p);
    void applyTypePage();
    void StoreCategory();
    void StoreUnit();
    void setButtons();
    void MarkErrors();
    void dropHolders(pugi::xml_node removed);
    ItemTree itemTreeForWriting() const;
    std::optional<std::string> rebuildFromXmlPage(const std::string* xmlPageText);

    XmlDocPtr fDoc;
    std::string fFilename;
    std::string fLoadedText;
    std::vector<EditItem> fTree; // enabled domains only
    std::vector<std::string> fKeywords;

    bool fSelecting = false;
    bool fFilterMode = false;
    ItemPath fSelected;
    EditPanel fPanel = EditPanel::None;
    TreeButtons fButtons;
    XmlNodeRef fActUnit, fActCat;
    CategoryFields fCat;
    UnitFields fUnit;

    XmlNodeRef fClpUnit, fClpCat;
    std::vector<ValidationEntry> fErrors;
    std::unordered_set<const void*> fFaulty; // nodes of fErrors
};

/// The index of a type value in a list of three, compared case-free; -1 when absent.
int typeIndex(const std::string& value, const char* const (&types)[3]);

} // namespace tarnel
