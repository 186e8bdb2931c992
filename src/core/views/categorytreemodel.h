#pragma once
// The category tree as data: one root per enabled domain, one child per enabled category
// with its text, image and colour, the hover hint, the domain tool bar's buttons and what
// a click on one of them expands. Also the search over the tree: a typed text keeps the
// categories whose name, or one of whose units' name or symbol, contains it, compared by
// searchFold. The All Units views and the integrated converter share this model.

#include "core/unitdata/tcats.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarnel {

/// One category node of the tree.
struct TreeCategory {
    enum Image { imgRoot = 0, imgSup = 1, imgComp = 2, imgNone = -1 };
    std::string name;
    std::string type;
    std::string text; // name + " (" + type + " type)"
    std::string hint; // the status-bar hint while hovering
    Image image = imgNone;
    uint32_t colour = 0; // 0xRRGGBB
    IXMLCategoryType data;
    /// The loaded category (its enabled units, in data order); null when not loaded.
    TCat* cat = nullptr;
};

/// One domain node with its categories.
struct TreeDomain {
    std::string name;
    std::vector<TreeCategory> categories;
};

/// A button of the domain tool bar.
struct DomainButton {
    enum Kind { All, Separator, Domain } kind = Domain;
    std::string caption;
    std::string hint;
};

/// Where a search found something: a category, and the first unit that matched when the
/// category's name did not.
struct TreeMatch {
    int domain = -1;
    int category = -1;
    int unit = -1; // index into the category's Units; -1 when its name matched
};

class CategoryTreeModel {
  public:
    static constexpr const char* kExpandAll = "Expand All";
    /// A category node's text: its name with its type, or with its SI unit's symbol.
    enum Labels { TypeLabels, SiLabels };

    /// Rebuilds nodes and buttons from the database's document (empty for none).
    void build(const TCats& db, Labels labels = TypeLabels);

    const std::vector<TreeDomain>& domains() const { return fDomains; }
    const std::vector<DomainButton>& buttons() const { return fButtons; }
    const TreeCategory* category(int domain, int category) const;

    /// The roots expanded after a click on the button with this hint ("Expand All": all).
    std::vector<bool> expandedAfter(const std::string& buttonHint) const;
    /// The category node whose loaded category is cat; {-1, -1} when none.
    TreeMatch find(const TCat* cat) const;
    /// The second node in creation order (the first category of the first domain).
    TreeMatch firstCategory() const;

    /// Categories matching the typed text, in tree order; all of them for a blank text.
    std::vector<TreeMatch> search(std::string_view text) const;

  private:
    struct Keys {
        std::string category;                                   // folded category name
        std::vector<std::pair<std::string, std::string>> units; // folded name, symbol
    };
    std::vector<TreeDomain> fDomains;
    std::vector<DomainButton> fButtons;
    std::vector<std::vector<Keys>> fKeys; // per domain, per category
};

} // namespace tarnel
