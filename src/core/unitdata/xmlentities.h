#pragma once
// Comment escaping: the three character=entity pairs, applied in list order.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnel {

/// The pairs in their fixed order: " < > (the ampersand has none).
const std::vector<std::pair<std::string, std::string>>& XmlEntities();
/// Trims, then replaces each character of XmlEntities by its entity.
std::string EscapeXml(std::string_view text);
/// Trims, then replaces each entity by its character.
std::string UnescapeXml(std::string_view text);
/// Escapes everything an attribute value needs so that it parses back unchanged:
/// & < > " as entities, tab CR LF and code points outside Windows-1252 as &#n;.
std::string escapeAttribute(std::string_view value);

} // namespace tarnel
