#include "core/notation/notation.h"

#include <charconv>
#include <cmath>

namespace tarnel {

// General format with P significant digits: the exact binary value rounded with halves
// away from zero, fixed notation for decimal exponents -5 <= e < P, otherwise a
// mantissa, "E", a minus only for negative exponents and at least two exponent digits.
std::string FormatNum(double v, int prec) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    const int P = prec < 1 ? 1 : prec > 17 ? 17 : prec;

    // P + 40 digits are enough to see whether the rest is at least an exact half.
    char buf[128];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, P + 39);
    const char* end = res.ptr;
    const char* e = buf;
    while (e < end && *e != 'e')
        ++e;
    int exp10 = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exp10);
    char digits[64];
    int nd = 0;
    for (const char* q = buf; q < e && nd < P + 1; ++q)
        if (*q != '.') digits[nd++] = *q;
    if (digits[P] >= '5') {
        int k = P - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k < 0) {
            digits[0] = '1';
            for (int j = 1; j < P; ++j)
                digits[j] = '0';
            ++exp10;
        } else {
            ++digits[k];
        }
    }
    int len = P;
    while (len > 1 && digits[len - 1] == '0')
        --len;

    std::string out;
    if (v < 0) out.push_back('-');
    if (exp10 >= -5 && exp10 < P) {
        if (exp10 < 0) {
            out += "0.";
            out.append(static_cast<size_t>(-exp10 - 1), '0');
            out.append(digits, static_cast<size_t>(len));
        } else {
            const int intDigits = exp10 + 1;
            for (int j = 0; j < intDigits; ++j)
                out.push_back(j < len ? digits[j] : '0');
            if (len > intDigits) {
                out.push_back('.');
                out.append(digits + intDigits, static_cast<size_t>(len - intDigits));
            }
        }
        return out;
    }
    out.push_back(digits[0]);
    if (len > 1) {
        out.push_back('.');
        out.append(digits + 1, static_cast<size_t>(len - 1));
    }
    out.push_back('E');
    if (exp10 < 0) out.push_back('-');
    const int ax = exp10 < 0 ? -exp10 : exp10;
    if (ax < 10) out.push_back('0');
    out += std::to_string(ax);
    return out;
}

} // namespace tarnel
