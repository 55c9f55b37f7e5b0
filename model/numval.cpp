// numval: the number a typed text starts with, read the same way in every build and locale.
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/format.h"

namespace velantra {

namespace {

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> numval(std::string_view text) {
    // Gather the number's characters with the blanks taken out, then convert once.
    std::vector<char> chars;
    for (char c : text) {
        if (!skipped(c)) chars.push_back(c);
    }
    std::size_t i = 0;
    std::string number;
    bool negative = false;
    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-')) {
        negative = chars[i] == '-';
        ++i;
    }
    std::string mantissa;
    bool point = false;
    bool significant = false;  // a non-zero digit was seen
    for (; i < chars.size(); ++i) {
        const char c = chars[i];
        if (digit(c)) {
            mantissa += c;
            if (c != '0') significant = true;
        } else if (c == '.' && !point) {
            mantissa += c;
            point = true;
        } else {
            break;
        }
    }
    if (mantissa.find_first_of("0123456789") == std::string::npos) return 0.0;
    long exponent = 0;
    if (i < chars.size() && (chars[i] == 'e' || chars[i] == 'E')) {
        std::size_t j = i + 1;
        bool exp_negative = false;
        if (j < chars.size() && (chars[j] == '+' || chars[j] == '-')) {
            exp_negative = chars[j] == '-';
            ++j;
        }
        if (j < chars.size() && digit(chars[j])) {
            for (; j < chars.size() && digit(chars[j]); ++j) {
                // Saturate: any exponent this large already leaves the range of a double.
                if (exponent < 100000) exponent = exponent * 10 + (chars[j] - '0');
            }
            if (exp_negative) exponent = -exponent;
        }
    }
    if (!significant) return negative ? -0.0 : 0.0;
    number = mantissa + "e" + std::to_string(exponent);
    // Correctly rounded (glibc and musl both), with "." as the point whatever the process's
    // locale; too large has no value, too small reads as zero.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double value = strtod_l(number.c_str(), nullptr, c_locale);
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace velantra
