#include "core/unitdata/itemtree.h"

namespace tarnel {

ItemTree itemTreeOf(const IXMLUnitsDataType& root, bool skipDisabledDomains) {
    ItemTree tree;
    for (const auto& d : root.domains().items()) {
        if (skipDisabledDomains && d.enabled() == 0) continue;
        ItemNode di{d, {}};
        for (const auto& c : d.categories()) {
            ItemNode ci{c, {}};
            for (const auto& u : c.units())
                ci.children.push_back(ItemNode{u, {}});
            di.children.push_back(std::move(ci));
        }
        tree.push_back(std::move(di));
    }
    return tree;
}

} // namespace tarnel
