#include "core/notation/notation.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tarnel {

namespace {

// Splits a scientific to_chars text into its digits and exponent.
int splitScientific(const char* buf, const char* end, char* digits, int maxDigits, int& exp10) {
    const char* e = buf;
    while (e < end && *e != 'e')
        ++e;
    exp10 = 0;
    const bool neg = e + 1 < end && e[1] == '-';
    for (const char* q = e + 2; q < end; ++q)
        exp10 = exp10 * 10 + (*q - '0');
    if (neg) exp10 = -exp10;
    int nd = 0;
    for (const char* q = buf; q < e && nd < maxDigits; ++q)
        if (*q != '.') digits[nd++] = *q;
    return nd;
}

// Rounds the first P digits up by one unit, carrying into the exponent.
void roundUp(char* digits, int P, int& exp10) {
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

void roundedDigits(double a, int P, char* digits, int& exp10) {
    char buf[128];
    if (P <= 12 && a >= std::numeric_limits<double>::min()) {
        // The shortest text that reads back as a lies within half a binary unit of it,
        // which is below 1.2e-4 of the P-th decimal digit here: three more of its digits
        // decide, unless they are 499 or 500.
        auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
        const int nd = splitScientific(buf, res.ptr, digits, P + 3, exp10);
        for (int j = nd; j < P + 3; ++j)
            digits[j] = '0';
        const int tail =
            (digits[P] - '0') * 100 + (digits[P + 1] - '0') * 10 + (digits[P + 2] - '0');
        if (tail != 499 && tail != 500) {
            if (tail > 500) roundUp(digits, P, exp10);
            return;
        }
    }
    // P + 3 correctly rounded digits decide, unless their tail is 499 or 500.
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, P + 2);
    splitScientific(buf, res.ptr, digits, P + 3, exp10);
    const int tail = (digits[P] - '0') * 100 + (digits[P + 1] - '0') * 10 + (digits[P + 2] - '0');
    if (tail != 499 && tail != 500) {
        if (tail > 500) roundUp(digits, P, exp10);
        return;
    }
    // Near an exact half: P + 40 digits show on which side the exact value lies.
    res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, P + 39);
    splitScientific(buf, res.ptr, digits, P + 1, exp10);
    if (digits[P] >= '5') roundUp(digits, P, exp10);
}

} // namespace

// General format with P significant digits: the exact binary value rounded with halves
// away from zero, fixed notation for decimal exponents -5 <= e < P, otherwise a
// mantissa, "E", a minus only for negative exponents and at least two exponent digits.
std::string FormatNum(double v, int prec) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    const int P = prec < 1 ? 1 : prec > 17 ? 17 : prec;

    // The P significant digits of |v| rounded half away from zero, and the exponent.
    char digits[64];
    int exp10 = 0;
    roundedDigits(std::fabs(v), P, digits, exp10);
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
