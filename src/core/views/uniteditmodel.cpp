#include "core/views/uniteditmodel.h"

#include "core/notation/notation.h"
#include "core/text/codec.h"
#include "core/text/em.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"
#include "core/unitdata/unitsreader.h"
#include "core/unitdata/unitswriter.h"
#include "core/unitdata/xmlentities.h"
#include "core/views/flagguard.h"

#include <algorithm>
#include <sstream>
#include <unordered_map>

namespace tarnel {

const char* const TfrmUnitEditModel::kCategoryTypes[3] = {"root", "sup", "comp"};
const char* const TfrmUnitEditModel::kCategoryTypeLabels[3] = {
    "root dimension", "supplemental dimension", "compound dimension"};
const char* const TfrmUnitEditModel::kUnitTypes[3] = {"si-unit", "factor", "rule"};
const char* const TfrmUnitEditModel::kUnitTypeLabels[3] = {"core-unit (SI)", "factor conversion",
                                                           "rule conversion"};
const char* const TfrmUnitEditModel::kValidationConfirmed =
    "V a l i d a t i o n   c o n f i r m e d .";
const char* const TfrmUnitEditModel::kDoneRefused =
    "There are errors in the enabled units/cats of the data file, you're about to save.\n\n"
    "If you wish to save your changes, make sure that all incorrect units/cats are disabled";

namespace {
constexpr uint32_t kGrey = 0x808080;
constexpr const char* kUnitAttrs[] = {"name",   "type",          "symbol",    "kw",     "comment",
                                      "factor", "in_base_units", "rule_from", "rule_to"};

bool inside(pugi::xml_node n, pugi::xml_node removed) {
    for (; n; n = n.parent())
        if (n == removed) return true;
    return false;
}

void copyUnit(pugi::xml_node src, const IXMLUnitType& dst) {
    for (const char* a : kUnitAttrs)
        dst.setText(a, src.attribute(a).as_string());
    dst.setEnabled(XmlNodeRef({}, src).integer("enabled"));
    for (pugi::xml_node c : src.children())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            dst.node().append_copy(c);
}

std::string nodeXml(pugi::xml_node n) {
    std::ostringstream os;
    n.print(os, "  ");
    return os.str();
}

/// Writes the text as Windows-1252 when the code page holds it, else as UTF-8 with a
/// byte-order mark, so no character the user entered is lost.
void saveUnitsText(const std::string& text, const std::string& path) {
    for (char32_t c : toU32(text))
        if (unicodeToCp1252(c) < 0) {
            std::string t = "\xEF\xBB\xBF";
            for (const auto& l : splitLines(text))
                t += l + "\r\n";
            writeFileAtomic(path, t);
            return;
        }
    SaveTextFile(text, path);
}

ItemNode toItemNode(const EditItem& it) {
    ItemNode n{it.node, {}};
    for (const auto& c : it.children)
        n.children.push_back(toItemNode(c));
    return n;
}
} // namespace

int typeIndex(const std::string& value, const char* const (&types)[3]) {
    for (int i = 0; i < 3; ++i)
        if (sameText(value, types[i])) return i;
    return -1;
}

std::optional<std::string> TfrmUnitEditModel::Execute(const std::string& unitsFilename) {
    if (!fileExists(unitsFilename)) throw EM("No unit file. " + unitsFilename);
    setFilterMode(false);
    fFilename = unitsFilename;
    fLoadedText = readUnitsFileText(unitsFilename);
    fClpUnit = fClpCat = {};
    return BuildTree(fLoadedText);
}

std::string TfrmUnitEditModel::caption() const {
    return "Unit File Editor  ( " + fFilename + " )";
}

std::optional<std::string> TfrmUnitEditModel::BuildTree(const std::string& text) {
    UnitsParse p = parseUnitsText(text);
    if (!p.doc) return p.error;
    fDoc = p.doc;
    fTree.clear();
    fErrors.clear();
    fFaulty.clear();
    fSelected = {};
    fActUnit = fActCat = {};
    fPanel = fFilterMode ? EditPanel::Filter : EditPanel::None;
    fButtons = {};
    const IXMLUnitsDataType r = root();
    for (const auto& d : r.domains().items()) {
        if (d.enabled() == 0) continue;
        EditItem di{d, d.name(), {}, {}};
        StyleShape(di, 0, false);
        for (const auto& c : d.categories())
            di.children.push_back(makeCategoryItem(c));
        fTree.push_back(std::move(di));
    }
    fKeywords = readCommaText(r.description().keywords());
    return std::nullopt;
}

ItemPath TfrmUnitEditModel::initialSelection() const {
    if (fTree.empty() || fTree[0].children.empty()) return {};
    return {0, 0, -1};
}

EditItem TfrmUnitEditModel::makeUnitItem(const IXMLUnitType& u) {
    EditItem it{u, u.name() + " [" + u.symbol() + "]", {}, {}};
    StyleShape(it, 2, false);
    return it;
}

EditItem TfrmUnitEditModel::makeCategoryItem(const IXMLCategoryType& c) {
    EditItem it{c, c.name() + " (" + c.type() + " type)", {}, {}};
    StyleShape(it, 1, false);
    for (const auto& u : c.units())
        it.children.push_back(makeUnitItem(u));
    return it;
}

void TfrmUnitEditModel::StyleShape(EditItem& it, int level, bool faulty) {
    ItemStyle& s = it.style;
    if (level == 0) {
        s.bold = s.italic = true;
    } else if (level == 1) {
        IXMLCategoryType c(it.node.doc(), it.node.node());
        static const uint32_t colors[3] = {0x640000, 0x000080, 0x000000};
        const int t = typeIndex(c.type(), kCategoryTypes);
        if (t >= 0) s.color = colors[t];
        if (c.enabled() == 0) s.color = kGrey;
    } else {
        IXMLUnitType u(it.node.doc(), it.node.node());
        const int t = typeIndex(u.type(), kUnitTypes);
        s.color = u.enabled() != 0 ? 0x000000 : kGrey;
        s.bold = t == 0;
        s.icon = t;
    }
    if (faulty) s.color = 0xFF0000;
    s.frame = s.color == kGrey;
}

const EditItem* TfrmUnitEditModel::item(const ItemPath& p) const {
    return const_cast<TfrmUnitEditModel*>(this)->itemAt(p);
}

EditItem* TfrmUnitEditModel::itemAt(const ItemPath& p) {
    std::vector<EditItem>* sib = siblingsOf(p);
    if (!sib) return nullptr;
    const int i = p.level() == 0 ? p.d : p.level() == 1 ? p.c : p.u;
    return i >= 0 && i < static_cast<int>(sib->size()) ? &(*sib)[i] : nullptr;
}

std::vector<EditItem>* TfrmUnitEditModel::siblingsOf(const ItemPath& p) {
    switch (p.level()) {
    case 0:
        return &fTree;
    case 1:
        if (p.d >= static_cast<int>(fTree.size())) return nullptr;
        return &fTree[p.d].children;
    case 2: {
        EditItem* c = itemAt({p.d, p.c, -1});
        return c ? &c->children : nullptr;
    }
    default:
        return nullptr;
    }
}

void TfrmUnitEditModel::setFilterMode(bool on) {
    fFilterMode = on;
    if (on) {
        fPanel = EditPanel::Filter;
        fButtons = {};
    } else if (item(fSelected)) {
        Select(fSelected);
    } else {
        fPanel = EditPanel::None;
    }
}

void TfrmUnitEditModel::Select(const ItemPath& p) {
    if (fFilterMode || !item(p)) return;
    fSelected = p;
    if (p.level() == 1) {
        ShowCategory(p);
    } else if (p.level() == 2) {
        ShowUnit(p);
    } else {
        // A domain has no panel; nothing may be stored into a category shown before.
        fPanel = EditPanel::None;
        fActUnit = fActCat = {};
    }
    setButtons();
}

void TfrmUnitEditModel::Deselect() {
    if (fFilterMode) return;
    fSelected = {};
    fPanel = EditPanel::None;
    fButtons = {};
    fActUnit = fActCat = {};
}

void TfrmUnitEditModel::setButtons() {
    TreeButtons b;
    const int level = fSelected.level();
    const auto* sib = siblingsOf(fSelected);
    if (level < 0 || !sib) {
        fButtons = b;
        return;
    }
    const int idx = level == 1 ? fSelected.c : fSelected.u;
    const int last = static_cast<int>(sib->size()) - 1;
    if (level == 0) {
        b.add = true;
        b.paste = bool(fClpCat);
    } else {
        b.add = level == 1;
        b.del = b.cut = b.copy = true;
        b.up = idx > 0;
        b.down = idx < last;
        b.paste = level == 1 && bool(fClpUnit);
    }
    fButtons = b;
}

void TfrmUnitEditModel::ShowCategory(const ItemPath& p) {
    const EditItem* it = item(p);
    IXMLCategoryType c(it->node.doc(), it->node.node());
    fActUnit = {};
    fActCat = c;
    FlagGuard g(fSelecting, true);
    fPanel = EditPanel::Category;
    fCat.type = typeIndex(c.type(), kCategoryTypes);
    fCat.enabled = c.enabled() == 1;
    fCat.name = c.name();
    fCat.comment = UnescapeXml(c.comment());
}

void TfrmUnitEditModel::ShowUnit(const ItemPath& p) {
    const EditItem* it = item(p);
    const EditItem* ci = item({p.d, p.c, -1});
    IXMLUnitType u(it->node.doc(), it->node.node());
    IXMLCategoryType c(ci->node.doc(), ci->node.node());
    fActUnit = u;
    fActCat = c;
    FlagGuard g(fSelecting, true);
    fPanel = EditPanel::Unit;
    fUnit.enabled = u.enabled() == 1;
    changeUnitType(typeIndex(u.type(), kUnitTypes));
    fUnit.name = u.name();
    fUnit.symbol = u.symbol();
    fUnit.comment = UnescapeXml(u.comment());
    std::vector<std::string> kws = readCommaText(u.kw());
    fUnit.keywords.assign(fKeywords.size(), false);
    for (size_t i = 0; i < fKeywords.size(); ++i)
        fUnit.keywords[i] = std::any_of(kws.begin(), kws.end(), [&](const std::string& k) {
            return sameText(k, fKeywords[i]);
        });
    switch (fUnit.typePage) {
    case 0:
        fUnit.inBaseUnits = u.in_base_units();
        break;
    case 1:
        fUnit.factor = u.factor();
        break;
    case 2:
        fUnit.ruleFrom = u.rule_from();
        fUnit.ruleTo = u.rule_to();
        break;
    default:
        break;
    }
    fUnit.symbolIsDefinition = typeIndex(c.type(), kCategoryTypes) == 2;
}

void TfrmUnitEditModel::changeUnitType(int index) {
    fUnit.type = index;
    applyTypePage();
    if (fActUnit && !fSelecting) {
        IXMLUnitType u(fActUnit.doc(), fActUnit.node());
        if (trim(u.in_base_units()).empty()) fUnit.inBaseUnits.clear();
        if (trim(u.factor()).empty()) fUnit.factor.clear();
        if (trim(u.rule_from()).empty()) fUnit.ruleFrom.clear();
        if (trim(u.rule_to()).empty()) fUnit.ruleTo.clear();
        StoreUnit();
    }
}

void TfrmUnitEditModel::applyTypePage() {
    const int index = fUnit.type;
    fUnit.typePage = index >= 0 && index <= 2 ? index : -1;
    // An SI unit has an "In Base Units" field only in a root category.
    if (fActCat && index == 0 &&
        typeIndex(IXMLCategoryType(fActCat.doc(), fActCat.node()).type(), kCategoryTypes) != 0)
        fUnit.typePage = -1;
    fUnit.enabledUsable = index != 0;
    if (index == 0) fUnit.enabled = true;
    if (fUnit.typePage < 0) {
        fUnit.inBaseUnits.clear();
        fUnit.factor.clear();
        fUnit.ruleFrom.clear();
        fUnit.ruleTo.clear();
    }
}

void TfrmUnitEditModel::setCategoryFields(const CategoryFields& f) {
    fCat = f;
    if (fActCat && !fActUnit && !fSelecting) StoreCategory();
}

void TfrmUnitEditModel::setUnitFields(const UnitFields& f) {
    const int type = fUnit.type, page = fUnit.typePage;
    fUnit = f;
    fUnit.type = type; // the type goes through changeUnitType
    fUnit.typePage = page;
    if (fActCat && fActUnit && !fSelecting) StoreUnit();
}

void TfrmUnitEditModel::StoreCategory() {
    IXMLCategoryType c(fActCat.doc(), fActCat.node());
    c.setEnabled(fCat.enabled ? 1 : 0);
    const int t = std::clamp(fCat.type, 0, 2);
    c.setType(kCategoryTypes[t]);
    c.setName(fCat.name);
    c.setComment(EscapeXml(fCat.comment));
    if (EditItem* it = itemAt({fSelected.d, fSelected.c, -1}); it && it->node == fActCat) {
        it->text = c.name() + " (" + c.type() + " type)";
        StyleShape(*it, 1, false);
    }
}

void TfrmUnitEditModel::StoreUnit() {
    IXMLUnitType u(fActUnit.doc(), fActUnit.node());
    u.setEnabled(fUnit.enabled ? 1 : 0);
    u.setType(kUnitTypes[std::clamp(fUnit.type, 0, 2)]);
    u.setName(fUnit.name);
    u.setSymbol(trim(fUnit.symbol).empty() ? fUnit.name : fUnit.symbol);
    u.setIn_base_units("");
    u.setFactor("");
    u.setRule_from("");
    u.setRule_to("");
    switch (fUnit.typePage) {
    case 0:
        u.setIn_base_units(fUnit.inBaseUnits);
        break;
    case 1: {
        std::string f = fUnit.factor;
        f.erase(std::remove(f.begin(), f.end(), ' '), f.end());
        u.setFactor(f);
        break;
    }
    case 2:
        u.setRule_from(fUnit.ruleFrom);
        u.setRule_to(fUnit.ruleTo);
        break;
    default:
        break;
    }
    std::vector<std::string> kw;
    for (size_t i = 0; i < fKeywords.size() && i < fUnit.keywords.size(); ++i)
        if (fUnit.keywords[i]) kw.push_back(fKeywords[i]);
    u.setKw(writeCommaText(kw));
    u.setComment(EscapeXml(fUnit.comment));
    if (EditItem* it = itemAt(fSelected); it && it->node == fActUnit) {
        it->text = u.name() + " [" + u.symbol() + "]";
        StyleShape(*it, 2, false);
    }
}

ItemPath TfrmUnitEditModel::Add() {
    const ItemPath p = fSelected;
    EditItem* it = itemAt(p);
    if (!it || p.level() > 1) return fSelected;
    Deselect();
    if (p.level() == 0) {
        IXMLDomainType d(it->node.doc(), it->node.node());
        IXMLCategoryType c = d.add();
        c.setName("New category");
        c.setEnabled(1);
        c.setComment("");
        it->children.push_back(makeCategoryItem(c));
        Select({p.d, static_cast<int>(it->children.size()) - 1, -1});
    } else {
        IXMLCategoryType c(it->node.doc(), it->node.node());
        IXMLUnitType u = c.add();
        u.setName("New Unit");
        u.setEnabled(1);
        u.setFactor("");
        u.setRule_from("");
        u.setRule_to("");
        u.setComment("");
        u.setIn_base_units("");
        it->children.push_back(makeUnitItem(u));
        Select({p.d, p.c, static_cast<int>(it->children.size()) - 1});
    }
    return fSelected;
}

void TfrmUnitEditModel::dropHolders(pugi::xml_node removed) {
    if (inside(fActUnit.node(), removed) || inside(fActCat.node(), removed)) {
        fActUnit = fActCat = {};
        fPanel = fFilterMode ? EditPanel::Filter : EditPanel::None;
    }
    fErrors.erase(std::remove_if(fErrors.begin(), fErrors.end(),
                                 [&](const ValidationEntry& e) {
                                     return e.node && inside(e.node.node(), removed);
                                 }),
                  fErrors.end());
    fFaulty.clear();
    for (const auto& e : fErrors)
        if (e.node) fFaulty.insert(e.node.node().internal_object());
    // The clipboard keeps a copy of its own, so the node can still be pasted.
    for (XmlNodeRef* clp : {&fClpUnit, &fClpCat}) {
        if (!*clp || !inside(clp->node(), removed)) continue;
        auto priv = std::make_shared<pugi::xml_document>();
        pugi::xml_node copy = priv->append_copy(clp->node());
        *clp = XmlNodeRef(priv, copy);
    }
}

ItemPath TfrmUnitEditModel::Delete() {
    const ItemPath p = fSelected;
    std::vector<EditItem>* sib = siblingsOf(p);
    if (!sib || p.level() < 1 || !itemAt(p)) return fSelected;
    const int idx = p.level() == 1 ? p.c : p.u;
    pugi::xml_node n = (*sib)[idx].node.node();
    dropHolders(n);
    n.parent().remove_child(n);
    sib->erase(sib->begin() + idx);
    Deselect();
    if (idx > 0) Select(p.level() == 1 ? ItemPath{p.d, idx - 1, -1} : ItemPath{p.d, p.c, idx - 1});
    return fSelected;
}

ItemPath TfrmUnitEditModel::Up() {
    std::vector<EditItem>* sib = siblingsOf(fSelected);
    const int level = fSelected.level();
    if (!sib || level < 1) return fSelected;
    int& idx = level == 1 ? fSelected.c : fSelected.u;
    if (idx <= 0) return fSelected;
    std::swap((*sib)[idx], (*sib)[idx - 1]);
    --idx;
    Select(fSelected);
    return fSelected;
}

ItemPath TfrmUnitEditModel::Down() {
    std::vector<EditItem>* sib = siblingsOf(fSelected);
    const int level = fSelected.level();
    if (!sib || level < 1) return fSelected;
    int& idx = level == 1 ? fSelected.c : fSelected.u;
    if (idx + 1 >= static_cast<int>(sib->size())) return fSelected;
    std::swap((*sib)[idx], (*sib)[idx + 1]);
    ++idx;
    Select(fSelected);
    return fSelected;
}

std::string TfrmUnitEditModel::Copy() {
    const EditItem* it = item(fSelected);
    if (!it || fSelected.level() < 1) return {};
    if (fSelected.level() == 1) {
        fClpUnit = {};
        fClpCat = it->node;
    } else {
        fClpCat = {};
        fClpUnit = it->node;
    }
    setButtons();
    return nodeXml(it->node.node());
}

std::string TfrmUnitEditModel::Cut() {
    std::string text = Copy();
    if (!text.empty()) Delete();
    return text;
}

ItemPath TfrmUnitEditModel::Paste() {
    EditItem* it = itemAt(fSelected);
    if (!it) return {};
    if (fClpUnit && fSelected.level() == 1) {
        IXMLCategoryType c(it->node.doc(), it->node.node());
        IXMLUnitType u = c.add();
        copyUnit(fClpUnit.node(), u);
        it->children.push_back(makeUnitItem(u));
        return {fSelected.d, fSelected.c, static_cast<int>(it->children.size()) - 1};
    }
    if (fClpCat && fSelected.level() == 0) {
        IXMLDomainType d(it->node.doc(), it->node.node());
        IXMLCategoryType c = d.add();
        pugi::xml_node src = fClpCat.node();
        c.setName(src.attribute("name").as_string());
        c.setType(src.attribute("type").as_string());
        c.setEnabled(XmlNodeRef({}, src).integer("enabled"));
        c.setComment(src.attribute("comment").as_string());
        for (pugi::xml_node su : src.children("unit"))
            copyUnit(su, c.add());
        it->children.push_back(makeCategoryItem(c));
        return {fSelected.d, static_cast<int>(it->children.size()) - 1, -1};
    }
    return {};
}

bool TfrmUnitEditModel::Validate(bool enabledOnly, const ProgressFn& progress) {
    fErrors.clear();
    if (fDoc) ValidateUnitsData(root(), fErrors, enabledOnly, progress);
    fFaulty.clear();
    for (const auto& e : fErrors)
        if (e.node) fFaulty.insert(e.node.node().internal_object());
    MarkErrors();
    return fErrors.empty();
}

bool TfrmUnitEditModel::isFaulty(const XmlNodeRef& n) const {
    return n && fFaulty.count(n.node().internal_object()) > 0;
}

void TfrmUnitEditModel::MarkErrors() {
    for (auto& d : fTree)
        for (auto& c : d.children) {
            StyleShape(c, 1, isFaulty(c.node));
            for (auto& u : c.children)
                StyleShape(u, 2, isFaulty(u.node));
        }
}

ItemPath TfrmUnitEditModel::pathOf(const XmlNodeRef& n) const {
    if (!n) return {};
    for (size_t d = 0; d < fTree.size(); ++d)
        for (size_t c = 0; c < fTree[d].children.size(); ++c) {
            const EditItem& ci = fTree[d].children[c];
            if (ci.node == n) return {int(d), int(c), -1};
            for (size_t u = 0; u < ci.children.size(); ++u)
                if (ci.children[u].node == n) return {int(d), int(c), int(u)};
        }
    return {};
}

std::string TfrmUnitEditModel::hoverText(const ItemPath& p, bool& isError) const {
    isError = false;
    const EditItem* it = item(p);
    if (!it || p.level() == 0) return " ";
    if (isFaulty(it->node))
        for (const auto& e : fErrors)
            if (e.node == it->node) {
                isError = true;
                return " Error: " + e.message + " !";
            }
    return " " + std::string(it->node.node().attribute("comment").as_string());
}

ItemTree TfrmUnitEditModel::itemTreeForWriting() const {
    // Shown domains in the tree's order; domains the tree cannot show at their place in
    // the document, so saving keeps them.
    ItemTree out;
    size_t shown = 0;
    for (const auto& d : root().domains().items()) {
        if (shown < fTree.size() && fTree[shown].node == d) {
            out.push_back(toItemNode(fTree[shown++]));
            continue;
        }
        out.push_back(itemNodeOf(d));
    }
    return out;
}

std::string TfrmUnitEditModel::writerText() {
    if (!fDoc) return {};
    return WriteUnitsData(root(), itemTreeForWriting());
}

std::string TfrmUnitEditModel::documentText() const {
    if (!fDoc) return {};
    std::ostringstream os;
    fDoc->save(os, "  ", pugi::format_default, pugi::encoding_utf8);
    return os.str();
}

std::optional<std::string> TfrmUnitEditModel::rebuildFromXmlPage(const std::string* xmlPageText) {
    if (!xmlPageText) return std::nullopt;
    return BuildTree(*xmlPageText);
}

TfrmUnitEditModel::SaveResult TfrmUnitEditModel::CheckBeforeSave(const std::string* xmlPageText,
                                                                 const ProgressFn& progress) {
    if (!fDoc) return {false, "No unit file."};
    if (auto err = rebuildFromXmlPage(xmlPageText)) return {false, *err};
    if (!Validate(true, progress)) return {false, kDoneRefused};
    return {true, {}};
}

TfrmUnitEditModel::SaveResult TfrmUnitEditModel::Done(const std::string* xmlPageText,
                                                      const ProgressFn& progress) {
    SaveResult r = CheckBeforeSave(xmlPageText, progress);
    if (!r.ok) return r;
    try {
        saveUnitsText(xmlPageText ? *xmlPageText : writerText(), fFilename);
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
    return {true, {}};
}

TfrmUnitEditModel::SaveResult TfrmUnitEditModel::SaveAs(const std::string& path,
                                                        const std::string* xmlPageText) {
    try {
        saveUnitsText(xmlPageText ? *xmlPageText : documentText(), path);
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
    fFilename = path;
    return {true, {}};
}

std::vector<std::string> TfrmUnitEditModel::filterDomains() const {
    std::vector<std::string> out;
    for (const auto& d : fTree)
        out.push_back(d.text);
    return out;
}

int TfrmUnitEditModel::SwitchEnabled(const std::vector<bool>& domains,
                                     const std::vector<bool>& keywords, bool all, bool enable) {
    std::vector<std::string> checked;
    for (size_t i = 0; i < fKeywords.size() && i < keywords.size(); ++i)
        if (keywords[i]) checked.push_back(fKeywords[i]);
    if (checked.empty()) return 0;
    int switched = 0;
    for (size_t d = 0; d < fTree.size() && d < domains.size(); ++d) {
        if (!domains[d]) continue;
        for (auto& ci : fTree[d].children)
            for (auto& ui : ci.children) {
                IXMLUnitType u(ui.node.doc(), ui.node.node());
                const std::vector<std::string> kw = readCommaText(u.kw());
                auto found = [&](const std::string& k) {
                    return std::find(kw.begin(), kw.end(), k) != kw.end();
                };
                const bool match = all ? std::all_of(checked.begin(), checked.end(), found)
                                       : std::any_of(checked.begin(), checked.end(), found);
                if (!match) continue;
                u.setEnabled(enable ? 1 : 0);
                StyleShape(ui, 2, false);
                ++switched;
            }
    }
    return switched;
}

EditStats TfrmUnitEditModel::Statistics() const {
    EditStats s;
    if (!fDoc) return s;
    const auto attr = [](pugi::xml_node n, const char* a) {
        return std::string(n.attribute(a).as_string());
    };
    const auto on = [](pugi::xml_node n) { return XmlNodeRef({}, n).integer("enabled") == 1; };
    // Root categories by the symbols of their units: the last category decides.
    std::unordered_map<std::string, long long> rootCount;
    pugi::xml_node r = fDoc->document_element();
    for (pugi::xml_node d : r.children("domain"))
        for (pugi::xml_node c : d.children("category")) {
            if (attr(c, "type") != "root") continue;
            long long n = 0;
            for (pugi::xml_node u : c.children("unit")) {
                (void)u;
                ++n;
            }
            for (pugi::xml_node u : c.children("unit"))
                rootCount[attr(u, "symbol")] = n;
        }
    for (pugi::xml_node d : r.children("domain"))
        for (pugi::xml_node c : d.children("category")) {
            ++s.catsTotal;
            const bool catOn = on(c);
            if (catOn) ++s.catsEnabled;
            pugi::xml_node si;
            for (pugi::xml_node u : c.children("unit")) {
                ++s.unitsTotal;
                if (catOn && on(u)) ++s.unitsEnabled;
                if (attr(u, "type") == "si-unit") si = u;
            }
            if (attr(c, "type") != "comp") {
                for (pugi::xml_node u : c.children("unit")) {
                    (void)u;
                    ++s.conversions;
                }
                continue;
            }
            if (!si) continue;
            const std::string sym = attr(si, "symbol");
            UnitEntries dims;
            if (!ParseUnits(sym, dims)) continue;
            long long product = 1;
            for (const auto& dim : dims) {
                auto it = rootCount.find(dim.UnitStr);
                product *= it == rootCount.end() ? 0 : it->second;
                if (product == 0) throw EM("problem with " + sym + " unit");
            }
            s.conversions += product;
        }
    return s;
}

} // namespace tarnel
