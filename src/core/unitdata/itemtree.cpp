#include "core/unitdata/itemtree.h"

namespace tarnel {

ItemTree itemTreeOf(const IXMLUnitsDataType& root, bool skipDisabledDomains) {
    ItemTree tree;
    for (const auto& d : root.domains().items()) {
        if (skipDisabledDomains && d.enabled() == 0) continue;
        tree.push_back(itemNodeOf(d));
    }
    return tree;
}

ItemNode itemNodeOf(const IXMLDomainType& domain) {
    ItemNode di{domain, {}};
    for (const auto& c : domain.categories()) {
        ItemNode ci{c, {}};
        for (const auto& u : c.units())
            ci.children.push_back(ItemNode{u, {}});
        di.children.push_back(std::move(ci));
    }
    return di;
}

} // namespace tarnel
