#pragma once
// The edge between bytes on disk and UTF-8 in memory: byte-order marks select UTF-8
// or UTF-16, anything else is Windows-1252; writing narrows to Windows-1252.

#include <string>
#include <string_view>

namespace tarnel {

/// Decodes file bytes: UTF-8 / UTF-16LE / UTF-16BE by their BOM, else Windows-1252.
std::string decodeText(std::string_view bytes);
/// Windows-1252 byte to code point (the five undefined bytes map to C1 controls).
char32_t cp1252ToUnicode(unsigned char b);
/// Code point to Windows-1252 byte, or -1 when the code page cannot hold it.
int unicodeToCp1252(char32_t c);
/// Replaces each code point that Windows-1252 cannot hold by "?" (still UTF-8).
std::string narrowToCp1252(std::string_view utf8);
/// Encodes UTF-8 as Windows-1252 bytes; unrepresentable code points become "?".
std::string encodeCp1252(std::string_view utf8);
/// Encodes UTF-8 as UTF-16LE with a byte-order mark.
std::string encodeUtf16le(std::string_view utf8);

} // namespace tarnel
