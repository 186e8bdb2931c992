#include "core/unitdata/unitsdata.h"

#include "core/text/strutil.h"

#include <cstring>

namespace tarnel {

std::string XmlNodeRef::text(const char* attr) const {
    pugi::xml_attribute a = fNode.attribute(attr);
    if (!a) {
        if (fNode) fNode.append_attribute(attr) = "";
        return {};
    }
    return a.value();
}

void XmlNodeRef::setText(const char* attr, const std::string& value) const {
    pugi::xml_attribute a = fNode.attribute(attr);
    if (!a) a = fNode.append_attribute(attr);
    a.set_value(value.c_str());
}

int XmlNodeRef::integer(const char* attr) const {
    pugi::xml_attribute a = fNode.attribute(attr);
    return a ? parseIntOr(trim(a.value()), 0) : 0;
}

void XmlNodeRef::setInteger(const char* attr, int value) const {
    setText(attr, std::to_string(value));
}

std::vector<pugi::xml_node> XmlNodeRef::childrenNamed(const char* name) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = fNode.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && std::strcmp(c.name(), name) == 0) out.push_back(c);
    return out;
}

pugi::xml_node XmlNodeRef::insertChild(const char* name, int index) const {
    auto kids = childrenNamed(name);
    if (index < 0 || index >= static_cast<int>(kids.size())) {
        if (kids.empty()) return fNode.append_child(name);
        return fNode.insert_child_after(name, kids.back());
    }
    return fNode.insert_child_before(name, kids[static_cast<size_t>(index)]);
}

template <class T>
static std::vector<T> wrap(const XmlDocPtr& doc, const std::vector<pugi::xml_node>& nodes) {
    std::vector<T> out;
    out.reserve(nodes.size());
    for (auto n : nodes)
        out.emplace_back(doc, n);
    return out;
}

template <class T> static T at(const std::vector<T>& v, int index) {
    return index >= 0 && index < static_cast<int>(v.size()) ? v[static_cast<size_t>(index)] : T();
}

std::vector<IXMLUnitType> IXMLCategoryType::units() const {
    return wrap<IXMLUnitType>(fDoc, childrenNamed("unit"));
}
IXMLUnitType IXMLCategoryType::unit(int index) const {
    return at(units(), index);
}
IXMLUnitType IXMLCategoryType::insert(int index) const {
    return IXMLUnitType(fDoc, insertChild("unit", index));
}

std::vector<IXMLCategoryType> IXMLDomainType::categories() const {
    return wrap<IXMLCategoryType>(fDoc, childrenNamed("category"));
}
IXMLCategoryType IXMLDomainType::category(int index) const {
    return at(categories(), index);
}
IXMLCategoryType IXMLDomainType::insert(int index) const {
    return IXMLCategoryType(fDoc, insertChild("category", index));
}

std::vector<IXMLDomainType> IXMLDomainTypeList::items() const {
    return wrap<IXMLDomainType>(fDoc, childrenNamed("domain"));
}
IXMLDomainType IXMLDomainTypeList::item(int index) const {
    return at(items(), index);
}
IXMLDomainType IXMLDomainTypeList::insert(int index) const {
    return IXMLDomainType(fDoc, insertChild("domain", index));
}

IXMLDescriptionType IXMLUnitsDataType::description() const {
    pugi::xml_node d = fNode.child("description");
    if (!d && fNode) d = fNode.prepend_child("description");
    return IXMLDescriptionType(fDoc, d);
}

IXMLUnitsDataType unitsDataOf(const XmlDocPtr& doc) {
    if (!doc) return {};
    return IXMLUnitsDataType(doc, doc->document_element());
}

} // namespace tarnel
