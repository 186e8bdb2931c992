#pragma once
// Small text helpers shared by the whole core. Strings are UTF-8; every length,
// position and class test works on code points, and nothing depends on the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

/// Decodes UTF-8 into code points; a malformed byte becomes U+FFFD.
std::u32string toU32(std::string_view s);
/// Encodes code points as UTF-8.
std::string toUtf8(std::u32string_view s);
void appendUtf8(std::string& out, char32_t c);
/// Number of code points.
size_t cpLength(std::string_view s);

/// Removes every code point <= U+0020 at both ends.
std::string trim(std::string_view s);
std::string_view trimView(std::string_view s);

/// Folds ASCII and the Windows-1252 letters to upper case, independent of locale.
char32_t foldUpper(char32_t c);
std::string upperCase(std::string_view s);
/// Case-insensitive equality in the sense of foldUpper.
bool sameText(std::string_view a, std::string_view b);
/// ASCII-only upper case (the evaluator's rule).
std::string upperAscii(std::string_view s);

/// Reads a signed 32-bit integer: leading blanks, optional sign, digits, nothing after.
std::optional<int32_t> parseInt(std::string_view s);
int32_t parseIntOr(std::string_view s, int32_t def);
/// Reads a decimal literal (after trimming): [+-]?(d+(.d*)?|.d+)([eE][+-]?d+)?.
/// Overflow gives NaN, underflow 0; anything else gives nullopt.
std::optional<double> parseReal(std::string_view s);
/// True when the text (untrimmed) is exactly a decimal literal.
bool isDecimalLiteral(std::string_view s);
/// parseReal of the trimmed text, NaN when it does not read.
double realOrNaN(std::string_view s);

/// Comma text: reading skips blanks, honours quotes ("" for a quote), a comma ends an item.
std::vector<std::string> readCommaText(std::string_view s);
std::string writeCommaText(const std::vector<std::string>& items);

/// Replaces every occurrence of `from` by `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

/// Splits a text into lines at CR LF, LF or CR; a final terminator adds no empty line.
std::vector<std::string> splitLines(std::string_view s);

} // namespace tarnel
