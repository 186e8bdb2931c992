#pragma once
// The tokenizer of unit parts: names, numbers, operators, and everything else as
// single-character tokens. Works on code points; classes hold only codes up to 255.

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

enum class TTokenKind { tkOther, tkNumber, tkName, tkOperator };

struct TToken {
    int position = 0; // 1-based, in the working text
    int length = 0;
    std::string text;
    double value = 0;
    TTokenKind kind = TTokenKind::tkOther;
};

constexpr int kMaxTokens = 100;

/// Tokenizes `s`; `extraNameChars` are code points that also count as name characters.
/// Answers false with the "too many tokens" message in `why` (the tokens read so far are
/// kept).
bool Tokenize(std::string_view s, std::u32string_view extraNameChars, std::vector<TToken>& out,
              std::string* why = nullptr);

/// True when `s` tokenizes (with the unit notation's extra name characters) into exactly
/// one name token equal to `s`.
bool isSingleNameToken(std::string_view s);

} // namespace tarnel
