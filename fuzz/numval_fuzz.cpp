// numval on arbitrary bytes: it ends, gives only finite numbers, and the box text numstr
// writes for a value reads back as that value. Fifteen digits (seven for a single) do not
// hold every double (float), so a value typed with more digits settles after one rewrite:
// the text written for what was read is read as itself.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/format.h"

using velantra::numstr;
using velantra::numval;
using velantra::fuzz::show;

namespace {

// Significant digits of the number numval takes from the text (blanks skipped anywhere).
int significant_digits(std::string_view text) {
    std::string chars;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') chars += c;
    std::size_t i = 0;
    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-')) ++i;
    std::string digits;
    bool point = false;
    for (; i < chars.size(); ++i) {
        if (chars[i] >= '0' && chars[i] <= '9') {
            digits += chars[i];
        } else if (chars[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

void double_round_trip(double v, bool exact) {
    const std::string text = numstr(v);
    const auto back = numval(text);
    FUZZ_CHECK(back.has_value(), "numstr(" + show(v) + ") = \"" + text + "\" does not read back");
    FUZZ_CHECK(std::isfinite(*back), text);
    if (exact)
        FUZZ_CHECK(*back == v, "\"" + text + "\" reads as " + show(*back) + ", not " + show(v));
    // The value read from a written text is written and read unchanged.
    const std::string again = numstr(*back);
    FUZZ_CHECK(again == text, show(v) + ": \"" + text + "\" then \"" + again + "\"");
    const auto settled = numval(again);
    FUZZ_CHECK(settled && *settled == *back, again);
    // Fifteen digits keep the value to within one part in 10^14.
    if (std::fabs(v) >= 1e-300)
        FUZZ_CHECK(std::fabs(*back - v) <= 1e-14 * std::fabs(v), show(v) + " -> " + text);
}

// nmax's box: the value is held as a single and written with seven digits. A single has
// 24 bits, between seven and nine digits, and fewer still below FLT_MIN: just under a power
// of ten seven digits are finer than the singles, and a text can name a neighbour of the
// single it was written for. The text then settles within a rewrite or two, as the box's
// nested handler does it, and stays within a unit of the seventh digit.
void single_round_trip(double typed, bool exact) {
    if (!(std::fabs(typed) <= static_cast<double>(FLT_MAX))) return;
    const float v = static_cast<float>(typed);
    std::string text = numstr(v);
    float held = v;
    for (int rewrite = 0;; ++rewrite) {
        const auto back = numval(text);
        FUZZ_CHECK(back.has_value(), "\"" + text + "\" does not read back");
        FUZZ_CHECK(std::fabs(*back) <= static_cast<double>(FLT_MAX),
                   "\"" + text + "\" leaves the range of a single");
        const float read = static_cast<float>(*back);
        if (rewrite == 0 && exact && std::fabs(v) >= FLT_MIN)
            FUZZ_CHECK(read == v, "\"" + text + "\" reads as " + show(read) + "f, not " + show(v));
        const std::string again = numstr(read);
        held = read;
        if (again == text) break;
        FUZZ_CHECK(rewrite < 2, show(v) + "f: \"" + text + "\" then \"" + again + "\"");
        text = again;
    }
    const double off = std::fabs(static_cast<double>(held) - static_cast<double>(v));
    FUZZ_CHECK(off <= 1e-6 * std::fabs(static_cast<double>(v)) + 1e-44,
               show(v) + "f settles at " + show(held));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = numval(text);
    if (!value) return 0;
    FUZZ_CHECK(std::isfinite(*value), "numval(\"" + std::string(text) + "\") = " + show(*value));
    const int digits = significant_digits(text);
    double_round_trip(*value, digits <= 15);
    single_round_trip(*value, digits <= 6);
    return 0;
}
