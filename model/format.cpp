#include "model/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace velantra {

namespace {

// Significant digits of |value| rounded to `digits`, trailing zeros dropped, with the
// decimal exponent of the first digit: value = D.DDD × 10^exponent.
void significant_digits(double magnitude, int digits, std::string& mantissa, int& exponent) {
    // to_chars, unlike printf, writes "." whatever the process's locale (Qt sets the user's).
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    std::string text(buffer, end);
    const auto e_at = text.find('e');
    // The largest doubles round up past the range numval reads: those digits round down.
    double rounded = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), rounded).ec ==
        std::errc::result_out_of_range) {
        std::size_t i = e_at;
        while (i-- > 0) {
            if (text[i] == '.') continue;
            if (text[i] != '0') {
                --text[i];
                break;
            }
            text[i] = '9';
        }
    }
    exponent = std::stoi(text.substr(e_at + 1));
    mantissa.clear();
    for (std::size_t i = 0; i < e_at; ++i) {
        if (text[i] != '.') mantissa += text[i];
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
}

std::string numstr_digits(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return " 0";
    std::string mantissa;
    int exponent = 0;
    significant_digits(std::fabs(value), digits, mantissa, exponent);
    std::string body;
    if (exponent >= -5 && exponent < digits) {
        const int length = static_cast<int>(mantissa.size());
        if (exponent >= 0) {
            const int integer_digits = exponent + 1;
            if (length <= integer_digits) {
                body =
                    mantissa + std::string(static_cast<std::size_t>(integer_digits - length), '0');
            } else {
                body = mantissa.substr(0, static_cast<std::size_t>(integer_digits)) + "." +
                       mantissa.substr(static_cast<std::size_t>(integer_digits));
            }
        } else {
            body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        }
    } else {
        body = mantissa.substr(0, 1);
        if (mantissa.size() > 1) body += "." + mantissa.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += e;
    }
    return (value < 0 ? "-" : " ") + body;
}

// All the decimals of a finite magnitude, "." as the point whatever the process's locale.
// A double is a binary fraction whose lowest bit is 2^(exponent - 53), at most 2^-1074,
// so that many decimals write it exactly.
std::string exact_text(double magnitude) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int decimals = std::clamp(53 - exponent, 0, 1074);
    // 309 integer digits at most, a point and the decimals.
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 320);
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return std::string(buffer.data(), end);
}

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numstr(double value) { return numstr_digits(value, 15); }

std::string numstr(float value) { return numstr_digits(static_cast<double>(value), 7); }

std::string numstr(Number value) {
    if (value.is_integer()) {
        const long long v = static_cast<long long>(value.value());
        return (v < 0 ? "" : " ") + std::to_string(v);
    }
    return numstr(value.value());
}

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
    int integer_digits = 0;    // significant digits before the point
    int leading_zeros = 0;     // zeros after the point before the first significant digit
    bool significant = false;  // a non-zero digit was seen
    for (; i < chars.size(); ++i) {
        const char c = chars[i];
        if (digit(c)) {
            mantissa += c;
            if (c != '0') significant = true;
            if (!point && significant) ++integer_digits;
            if (point && !significant) ++leading_zeros;
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
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large has no value, too small reads as zero.
        const long magnitude =
            point && integer_digits == 0 ? exponent - leading_zeros : exponent + integer_digits;
        if (magnitude > 0) return std::nullopt;
        value = 0.0;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::string format_fixed(double value, int decimals, std::string_view separator) {
    if (!std::isfinite(value)) return "—";
    const std::string exact = exact_text(std::fabs(value));
    const auto point = exact.find('.');
    std::string fraction = point == std::string::npos ? std::string() : exact.substr(point + 1);
    const auto shown = static_cast<std::size_t>(decimals);
    // The digits are exact, so the first dropped one alone tells whether the rest is at
    // least half a unit of the last place; halves go away from zero.
    const bool up = fraction.size() > shown && fraction[shown] >= '5';
    fraction.resize(shown, '0');
    std::string digits = exact.substr(0, point) + fraction;
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, 1, '1');
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t integer_digits = digits.size() - shown;
    std::string text = value < 0 ? "-" : "";
    text += digits.substr(0, integer_digits);
    if (shown > 0) {
        text += separator;
        text += digits.substr(integer_digits);
    }
    return text;
}

}  // namespace velantra
