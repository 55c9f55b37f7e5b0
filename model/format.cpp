#include "model/format.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace velantra {

namespace {

// The exact decimal digits of a finite positive double, written without the C library's
// conversions so that every build and locale gives the same text: a double is m·2^e, and
// m·2^e (e >= 0) or m·5^-e / 10^-e (e < 0) is an integer held in base 10^9.
class ExactDecimal {
  public:
    explicit ExactDecimal(double magnitude) {
        int exponent = 0;
        const double fraction = std::frexp(magnitude, &exponent);
        auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
        int e = exponent - 53;
        while (m % 2 == 0 && e < 0) {
            m /= 2;
            ++e;
        }
        limbs_[0] = static_cast<std::uint32_t>(m % kBase);
        limbs_[1] = static_cast<std::uint32_t>(m / kBase % kBase);
        limbs_[2] = static_cast<std::uint32_t>(m / kBase / kBase);
        used_ = limbs_[2] != 0 ? 3 : limbs_[1] != 0 ? 2 : 1;
        if (e >= 0) {
            for (; e >= 29; e -= 29) multiply(std::uint32_t{1} << 29);
            multiply(std::uint32_t{1} << e);
        } else {
            int k = -e;
            for (; k >= 13; k -= 13) multiply(1220703125);  // 5^13
            std::uint32_t rest = 1;
            while (k-- > 0) rest *= 5;
            multiply(rest);
        }
        write_digits();
        point_ = count_ - std::max(-e, 0);
        while (count_ > 1 && digits_[count_ - 1] == '0') --count_;
    }

    // digit(i) is the i-th significant digit, '0' beyond the last; the value is
    // 0.d0d1d2… × 10^point().
    char digit(int i) const { return i < count_ ? digits_[i] : '0'; }
    int count() const { return count_; }
    int point() const { return point_; }
    // Whether any digit from i on is not zero.
    bool nonzero_from(int i) const { return i < count_; }

  private:
    static constexpr std::uint32_t kBase = 1000000000;
    // 2^53·5^1074 has 767 digits, 2^1024 has 309.
    static constexpr int kLimbs = 88;

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < used_; ++i) {
            carry += std::uint64_t{limbs_[i]} * factor;
            limbs_[i] = static_cast<std::uint32_t>(carry % kBase);
            carry /= kBase;
        }
        while (carry != 0) {
            limbs_[used_++] = static_cast<std::uint32_t>(carry % kBase);
            carry /= kBase;
        }
    }

    void write_digits() {
        std::uint32_t top = limbs_[used_ - 1];
        char head[10];
        int n = 0;
        do {
            head[n++] = static_cast<char>('0' + top % 10);
            top /= 10;
        } while (top != 0);
        count_ = 0;
        while (n > 0) digits_[count_++] = head[--n];
        for (int i = used_ - 2; i >= 0; --i) {
            std::uint32_t limb = limbs_[i];
            for (int j = 8; j >= 0; --j) {
                digits_[count_ + j] = static_cast<char>('0' + limb % 10);
                limb /= 10;
            }
            count_ += 9;
        }
    }

    // Only the used limbs and the written digits are read.
    std::uint32_t limbs_[kLimbs];
    int used_ = 0;
    char digits_[kLimbs * 9];
    int count_ = 0;
    int point_ = 0;
};

// Significant digits of |value| rounded to `digits` (the exact value to nearest, ties to
// even), trailing zeros dropped, with the decimal exponent of the first digit:
// value = D.DDD × 10^exponent.
void significant_digits(double magnitude, int digits, std::string& mantissa, int& exponent) {
    const ExactDecimal exact(magnitude);
    mantissa.assign(static_cast<std::size_t>(digits), '0');
    for (int i = 0; i < digits; ++i) mantissa[static_cast<std::size_t>(i)] = exact.digit(i);
    exponent = exact.point() - 1;
    const char next = exact.digit(digits);
    const bool up =
        next > '5' ||
        (next == '5' && (exact.nonzero_from(digits + 1) || (mantissa.back() - '0') % 2 == 1));
    if (up) {
        std::size_t i = mantissa.size();
        while (i > 0 && mantissa[i - 1] == '9') mantissa[--i] = '0';
        if (i == 0) {
            mantissa.insert(0, 1, '1');
            mantissa.pop_back();
            ++exponent;
        } else {
            ++mantissa[i - 1];
        }
    }
    // The largest doubles round up past the range numval reads (half-way between the
    // largest double and 2^1024 is 1.7976931348623158…e308): those digits round down.
    if (exponent >= 308) {
        std::string first17 = mantissa;
        first17.resize(17, '0');
        if (exponent > 308 || first17 > "17976931348623158") {
            std::size_t i = mantissa.size();
            while (i-- > 0) {
                if (mantissa[i] != '0') {
                    --mantissa[i];
                    break;
                }
                mantissa[i] = '9';
            }
        }
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

std::string format_fixed(double value, int decimals, std::string_view separator) {
    if (!std::isfinite(value)) return "—";
    const int shown = std::max(decimals, 0);
    std::string digits;
    if (value != 0.0) {
        const ExactDecimal exact(std::fabs(value));
        const int integer_digits = std::max(exact.point(), 1);
        const int last = exact.point() + shown;  // digits up to this place are shown
        digits.reserve(static_cast<std::size_t>(integer_digits) + static_cast<std::size_t>(shown) +
                       1);
        for (int place = exact.point() - integer_digits; place < last; ++place)
            digits += place < 0 ? '0' : exact.digit(place);
        // The digits are exact, so the first dropped one alone tells whether the rest is
        // at least half a unit of the last place; halves go away from zero.
        if (last >= 0 && exact.digit(last) >= '5') {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(0, 1, '1');
            } else {
                ++digits[i - 1];
            }
        }
    } else {
        digits.assign(static_cast<std::size_t>(shown) + 1, '0');
    }
    const std::size_t integer_digits = digits.size() - static_cast<std::size_t>(shown);
    std::string text = value < 0 ? "-" : "";
    text += std::string_view(digits).substr(0, integer_digits);
    if (shown > 0) {
        text += separator;
        text += std::string_view(digits).substr(integer_digits);
    }
    return text;
}

}  // namespace velantra
