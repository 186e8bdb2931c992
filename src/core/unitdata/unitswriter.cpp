#include "core/unitdata/unitswriter.h"

#include "core/appinfo/buildinfo.h"
#include "core/text/strutil.h"
#include "core/unitdata/xmlentities.h"

namespace tarnel {

namespace {
struct Out {
    std::string s;
    void line(const std::string& l) {
        s += l;
        s += "\r\n";
    }
};

std::string q(const std::string& v) {
    return "\"" + escapeAttribute(v) + "\"";
}
std::string qc(const std::string& comment) {
    return q(UnescapeXml(comment));
}
std::string qi(int v) {
    return "\"" + std::to_string(v) + "\"";
}
} // namespace

std::string WriteUnitsData(const IXMLUnitsDataType& root, const ItemTree& tree) {
    Out o;
    const IXMLDescriptionType d = root.description();
    o.line("<?xml version=\"1.0\" encoding=\"windows-1252\"?>");
    o.line("<UnitsData>");
    o.line("  <description keywords=" + q(d.keywords()) + " ");
    o.line("  hyperlink=" + q(kUnitDataHyperlink) + " copyright=" + q(kCopyrightNotice) + " ");
    o.line("  version=" + q(d.version()) + " language=" + q(d.language()) + ">");
    o.line("  ");
    o.line("  ");
    o.line("  ");
    o.line("  </description>");
    o.line("");
    for (const ItemNode& di : tree) {
        IXMLDomainType dom(di.node.doc(), di.node.node());
        o.line("  <domain name=" + q(dom.name()) + " enabled=" + qi(dom.enabled()) +
               " comment=" + qc(dom.comment()) + ">");
        for (const ItemNode& ci : di.children) {
            IXMLCategoryType cat(ci.node.doc(), ci.node.node());
            const bool rootCat = sameText(cat.type(), "root");
            o.line("");
            o.line("    <category name=" + q(cat.name()) + " type=" + q(cat.type()) +
                   " enabled=" + qi(cat.enabled()) + " comment=" + qc(cat.comment()) + ">");
            for (const ItemNode& ui : ci.children) {
                IXMLUnitType u(ui.node.doc(), ui.node.node());
                const std::string type = u.type();
                if (type == "si-unit") u.setEnabled(1);
                o.line("      <unit name=" + q(u.name()) + " type=" + q(type) + " enabled=" +
                       qi(u.enabled()) + " symbol=" + q(u.symbol()) + " kw=" + q(u.kw()) + " ");
                if (sameText(type, "si-unit")) {
                    if (rootCat) o.line("        in_base_units=" + q(u.in_base_units()) + " ");
                } else if (sameText(type, "factor")) {
                    o.line("        factor=" + q(u.factor()) + " ");
                } else if (sameText(type, "rule")) {
                    o.line("        rule_from=" + q(u.rule_from()));
                    o.line("        rule_to=" + q(u.rule_to()) + " ");
                }
                o.line("       comment=" + qc(u.comment()) + " />");
            }
            o.line("    </category>");
        }
        o.line("  </domain>");
        o.line("");
    }
    o.line("</UnitsData>");
    return o.s;
}

} // namespace tarnel
