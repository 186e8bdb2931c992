#pragma once
// Text as a search compares it: case folded and the accents of the Windows-1252 letters
// taken off, so "metre", "METRE" and "mètre" meet, and "æ" meets "ae". Independent of
// the locale, like every other comparison of the core.

#include <string>
#include <string_view>

namespace tarnel {

/// The folded form of a text (UTF-8 in, UTF-8 out); code points outside Windows-1252
/// pass unchanged.
std::string searchFold(std::string_view s);

} // namespace tarnel
