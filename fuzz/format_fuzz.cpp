// The number-to-text forms on arbitrary doubles: the display patterns keep their shape
// and their value, numstr keeps the form of the input boxes.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/format.h"

using velantra::format_fixed;
using velantra::Number;
using velantra::numstr;
using velantra::fuzz::show;

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Separators a region may use: one byte, two bytes and a non-breaking space.
constexpr std::string_view kSeparators[] = {".", ",", "\xd9\xab", "\xc2\xa0"};

void fixed_pattern(double v, int decimals, std::string_view separator) {
    const std::string text = format_fixed(v, decimals, separator);
    const std::string where =
        "format_fixed(" + show(v) + ", " + std::to_string(decimals) + ") = \"" + text + "\"";
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text == "—", where);
        return;
    }
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    const std::size_t int_start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    const std::size_t int_digits = i - int_start;
    FUZZ_CHECK(int_digits >= 1, where);
    // No leading zeros beyond the one before the separator.
    FUZZ_CHECK(int_digits == 1 || text[int_start] != '0', where);
    FUZZ_CHECK(text.compare(i, separator.size(), separator) == 0, where);
    i += separator.size();
    const std::size_t frac_start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    FUZZ_CHECK(i - frac_start == static_cast<std::size_t>(decimals), where);
    FUZZ_CHECK(i == text.size(), where);
    // A negative value keeps its minus even where it rounds to zero ("-0.00").
    FUZZ_CHECK(negative == (v < 0), where);

    // The figure is the value rounded to the decimals: within half a unit of the last place.
    std::string plain = text.substr(0, int_start + int_digits) + "." + text.substr(frac_start);
    const double shown = std::strtod(plain.c_str(), nullptr);
    const double unit = std::pow(10.0, -decimals);
    const double slack = std::fabs(v) * 4 * DBL_EPSILON + unit * 1e-9;
    FUZZ_CHECK(std::fabs(shown - v) <= unit / 2 + slack, where);
}

// " 1.5", "-.25", " 1E+15", "-1.5E-07": a sign place, digits without trailing zeros after
// a point, no zero before the point, an optional two-or-more-digit exponent.
void box_form(const std::string& text, int max_digits, const std::string& where) {
    FUZZ_CHECK(!text.empty() && (text[0] == ' ' || text[0] == '-'), where);
    if (text == " 0") return;
    std::size_t i = 1;
    std::string digits;
    while (i < text.size() && is_digit(text[i])) digits += text[i++];
    FUZZ_CHECK(digits.empty() || digits[0] != '0', where);
    std::string fraction;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) fraction += text[i++];
        FUZZ_CHECK(!fraction.empty() && fraction.back() != '0', where);
    }
    FUZZ_CHECK(!digits.empty() || !fraction.empty(), where);
    if (i < text.size()) {
        FUZZ_CHECK(text[i] == 'E', where);
        FUZZ_CHECK(i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'), where);
        const std::size_t exp_digits = text.size() - (i + 2);
        FUZZ_CHECK(
            exp_digits >= 2 && text.find_first_not_of("0123456789", i + 2) == std::string::npos,
            where);
        FUZZ_CHECK(digits.size() == 1, where);
    }
    const std::string all = digits + fraction;
    const auto first = all.find_first_not_of('0');
    FUZZ_CHECK(first != std::string::npos, where);
    FUZZ_CHECK(all.find_last_not_of('0') - first + 1 <= static_cast<std::size_t>(max_digits),
               where);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velantra::fuzz::Reader in(data, size);
    while (!in.empty()) {
        const std::uint8_t choice = in.byte();
        double v = in.raw<double>();
        // Half the values come near the rounding ties of the patterns: k / 2·10^d.
        if (choice & 0x80) v = static_cast<double>(in.raw<std::int32_t>()) / 2e4;
        const int decimals = 2 + (choice & 0x03) % 3;
        fixed_pattern(v, decimals, kSeparators[(choice >> 2) & 0x03]);

        const std::string d = numstr(v);
        box_form(d, 15, "numstr(" + show(v) + ") = \"" + d + "\"");
        if (std::fabs(v) <= static_cast<double>(FLT_MAX)) {
            const float f = static_cast<float>(v);
            const std::string s = numstr(f);
            box_form(s, 7, "numstr(" + show(f) + "f) = \"" + s + "\"");
        }
        const auto i16 = static_cast<std::int16_t>(in.raw<std::uint16_t>());
        const std::string n = numstr(Number::integer(i16));
        FUZZ_CHECK(n == (i16 < 0 ? "" : " ") + std::to_string(i16), n);
    }
    return 0;
}
