#pragma once
// Typed views on the nodes of a parsed unit data document. Each view keeps its
// document alive; changes through a view change the document in place. Reading a
// text attribute that the element lacks adds it, empty, as every caller expects.

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace tarnel {

using XmlDocPtr = std::shared_ptr<pugi::xml_document>;

/// A node of a document plus the ownership that keeps the document alive.
class XmlNodeRef {
  public:
    XmlNodeRef() = default;
    XmlNodeRef(XmlDocPtr doc, pugi::xml_node node) : fDoc(std::move(doc)), fNode(node) {}

    bool isNull() const { return !fNode; }
    explicit operator bool() const { return bool(fNode); }
    pugi::xml_node node() const { return fNode; }
    const XmlDocPtr& doc() const { return fDoc; }
    bool operator==(const XmlNodeRef& o) const { return fNode == o.fNode; }

    /// The attribute's text; a missing attribute is added, empty.
    std::string text(const char* attr) const;
    void setText(const char* attr, const std::string& value) const;
    /// The attribute read as an integer (trimmed); missing or invalid gives 0.
    int integer(const char* attr) const;
    void setInteger(const char* attr, int value) const;

  protected:
    /// Child elements with the given name, in document order.
    std::vector<pugi::xml_node> childrenNamed(const char* name) const;
    pugi::xml_node insertChild(const char* name, int index) const;

    XmlDocPtr fDoc;
    mutable pugi::xml_node fNode; // a view changes its document, not itself
};

class IXMLUnitType : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    std::string name() const { return text("name"); }
    std::string type() const { return text("type"); }
    std::string symbol() const { return text("symbol"); }
    std::string kw() const { return text("kw"); }
    int enabled() const { return integer("enabled"); }
    std::string comment() const { return text("comment"); }
    std::string factor() const { return text("factor"); }
    std::string in_base_units() const { return text("in_base_units"); }
    std::string rule_from() const { return text("rule_from"); }
    std::string rule_to() const { return text("rule_to"); }
    void setName(const std::string& v) const { setText("name", v); }
    void setType(const std::string& v) const { setText("type", v); }
    void setSymbol(const std::string& v) const { setText("symbol", v); }
    void setKw(const std::string& v) const { setText("kw", v); }
    void setEnabled(int v) const { setInteger("enabled", v); }
    void setComment(const std::string& v) const { setText("comment", v); }
    void setFactor(const std::string& v) const { setText("factor", v); }
    void setIn_base_units(const std::string& v) const { setText("in_base_units", v); }
    void setRule_from(const std::string& v) const { setText("rule_from", v); }
    void setRule_to(const std::string& v) const { setText("rule_to", v); }
};

class IXMLCategoryType : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    std::string name() const { return text("name"); }
    std::string type() const { return text("type"); }
    int enabled() const { return integer("enabled"); }
    std::string comment() const { return text("comment"); }
    void setName(const std::string& v) const { setText("name", v); }
    void setType(const std::string& v) const { setText("type", v); }
    void setEnabled(int v) const { setInteger("enabled", v); }
    void setComment(const std::string& v) const { setText("comment", v); }

    std::vector<IXMLUnitType> units() const;
    int count() const { return static_cast<int>(units().size()); }
    IXMLUnitType unit(int index) const;
    IXMLUnitType add() const { return insert(-1); }
    /// Inserts a new unit element before the unit at `index` (-1 or past the end appends).
    IXMLUnitType insert(int index) const;
};

class IXMLDomainType : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    std::string name() const { return text("name"); }
    int enabled() const { return integer("enabled"); }
    std::string comment() const { return text("comment"); }
    void setName(const std::string& v) const { setText("name", v); }
    void setEnabled(int v) const { setInteger("enabled", v); }
    void setComment(const std::string& v) const { setText("comment", v); }

    std::vector<IXMLCategoryType> categories() const;
    int count() const { return static_cast<int>(categories().size()); }
    IXMLCategoryType category(int index) const;
    IXMLCategoryType add() const { return insert(-1); }
    IXMLCategoryType insert(int index) const;
};

class IXMLDomainTypeList : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    std::vector<IXMLDomainType> items() const;
    int count() const { return static_cast<int>(items().size()); }
    IXMLDomainType item(int index) const;
    IXMLDomainType add() const { return insert(-1); }
    IXMLDomainType insert(int index) const;
};

class IXMLDescriptionType : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    std::string keywords() const { return text("keywords"); }
    std::string hyperlink() const { return text("hyperlink"); }
    std::string copyright() const { return text("copyright"); }
    std::string version() const { return text("version"); }
    std::string language() const { return text("language"); }
    void setKeywords(const std::string& v) const { setText("keywords", v); }
    void setHyperlink(const std::string& v) const { setText("hyperlink", v); }
    void setCopyright(const std::string& v) const { setText("copyright", v); }
    void setVersion(const std::string& v) const { setText("version", v); }
    void setLanguage(const std::string& v) const { setText("language", v); }
};

class IXMLUnitsDataType : public XmlNodeRef {
  public:
    using XmlNodeRef::XmlNodeRef;
    /// The description element (created when missing).
    IXMLDescriptionType description() const;
    IXMLDomainTypeList domains() const { return IXMLDomainTypeList(fDoc, fNode); }
};

/// The typed root of a document (its document element), or a null view.
IXMLUnitsDataType unitsDataOf(const XmlDocPtr& doc);

} // namespace tarnel
