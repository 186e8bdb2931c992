#pragma once
// The editor's ordered tree of items (domains, their categories, their units), each
// item holding the document node it shows. The writer follows this order, which the
// editor changes by moving items.

#include "core/unitdata/unitsdata.h"

#include <vector>

namespace tarnel {

struct ItemNode {
    XmlNodeRef node;
    std::vector<ItemNode> children;
};

using ItemTree = std::vector<ItemNode>; // the domain items

/// The tree in document order. Domains whose enabled is 0 are included unless
/// `skipDisabledDomains` is set (the editor cannot show them, but saving keeps them).
ItemTree itemTreeOf(const IXMLUnitsDataType& root, bool skipDisabledDomains = false);
/// One domain with its categories and units, in document order.
ItemNode itemNodeOf(const IXMLDomainType& domain);

} // namespace tarnel
