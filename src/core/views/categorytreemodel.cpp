#include "core/views/categorytreemodel.h"

#include "core/text/searchfold.h"
#include "core/text/strutil.h"

namespace tarnel {

namespace {
TreeCategory makeCategory(const IXMLCategoryType& c, TCat* cat, CategoryTreeModel::Labels labels) {
    TreeCategory t;
    t.name = c.name();
    t.type = c.type();
    t.text = t.name + " (" + t.type + " type)";
    t.data = c;
    t.cat = cat;
    switch (catKindOf(t.type)) {
    case TCatKind::ckRoot:
        t.image = TreeCategory::imgRoot;
        t.colour = 0x640000;
        break;
    case TCatKind::ckSup:
        t.image = TreeCategory::imgSup;
        t.colour = 0x000080;
        break;
    case TCatKind::ckComp:
        t.image = TreeCategory::imgComp;
        t.colour = 0x000000;
        break;
    default:
        break;
    }
    // The symbol of the category's first "si-unit" node.
    std::string si;
    for (const IXMLUnitType& u : c.units())
        if (u.type() == "si-unit") {
            si = u.symbol();
            break;
        }
    if (labels == CategoryTreeModel::SiLabels) t.text = t.name + " [" + si + "]";
    t.hint = "| " + t.name + " [" + si + "]" + " (" + t.type + " type) " + c.comment();
    return t;
}
} // namespace

void CategoryTreeModel::build(const TCats& db, Labels labels) {
    fDomains.clear();
    fButtons.clear();
    fKeys.clear();
    fButtons.push_back({DomainButton::All, "All", kExpandAll});
    fButtons.push_back({DomainButton::Separator, "", ""});
    const IXMLUnitsDataType data = db.Data();
    if (data.isNull()) return;
    // The database loads the same enabled categories in the same order: walk it along.
    int loaded = 0;
    for (const IXMLDomainType& d : data.domains().items()) {
        fButtons.push_back({DomainButton::Domain, d.comment(), d.name()});
        if (d.enabled() == 0) continue;
        TreeDomain dom;
        dom.name = d.name();
        std::vector<Keys> keys;
        for (const IXMLCategoryType& c : d.categories()) {
            if (c.enabled() == 0) continue;
            TCat* cat = db.Items(loaded);
            if (cat && cat->Data() == c)
                ++loaded;
            else
                cat = nullptr;
            dom.categories.push_back(makeCategory(c, cat, labels));
            Keys k;
            k.category = searchFold(dom.categories.back().name);
            if (cat)
                for (const TUnit* u : cat->Units.items())
                    k.units.push_back({searchFold(u->Name()), searchFold(u->Symbol())});
            keys.push_back(std::move(k));
        }
        fDomains.push_back(std::move(dom));
        fKeys.push_back(std::move(keys));
    }
}

const TreeCategory* CategoryTreeModel::category(int domain, int category) const {
    if (domain < 0 || domain >= static_cast<int>(fDomains.size())) return nullptr;
    const auto& cats = fDomains[static_cast<size_t>(domain)].categories;
    if (category < 0 || category >= static_cast<int>(cats.size())) return nullptr;
    return &cats[static_cast<size_t>(category)];
}

std::vector<bool> CategoryTreeModel::expandedAfter(const std::string& buttonHint) const {
    std::vector<bool> out;
    for (const TreeDomain& d : fDomains)
        out.push_back(buttonHint == kExpandAll || sameText(d.name, buttonHint));
    return out;
}

TreeMatch CategoryTreeModel::find(const TCat* cat) const {
    if (!cat) return {};
    for (size_t d = 0; d < fDomains.size(); ++d)
        for (size_t c = 0; c < fDomains[d].categories.size(); ++c)
            if (fDomains[d].categories[c].cat == cat)
                return {static_cast<int>(d), static_cast<int>(c), -1};
    return {};
}

TreeMatch CategoryTreeModel::firstCategory() const {
    if (fDomains.empty() || fDomains[0].categories.empty()) return {};
    return {0, 0, -1};
}

std::vector<TreeMatch> CategoryTreeModel::search(std::string_view text) const {
    const std::string q = searchFold(trim(text));
    std::vector<TreeMatch> out;
    for (size_t d = 0; d < fKeys.size(); ++d)
        for (size_t c = 0; c < fKeys[d].size(); ++c) {
            const Keys& k = fKeys[d][c];
            TreeMatch m{static_cast<int>(d), static_cast<int>(c), -1};
            bool hit = q.empty() || k.category.find(q) != std::string::npos;
            for (size_t u = 0; !hit && u < k.units.size(); ++u)
                if (k.units[u].first.find(q) != std::string::npos ||
                    k.units[u].second.find(q) != std::string::npos) {
                    hit = true;
                    m.unit = static_cast<int>(u);
                }
            if (hit) out.push_back(m);
        }
    return out;
}

} // namespace tarnel
