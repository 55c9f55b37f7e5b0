#include "model/format.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velantra {

namespace {

// The exact decimal digits of a finite positive double, written without the C library's
// conversions so that every build and locale gives the same text: a double is m·2^e, and
// m·2^e (e >= 0) or m·5^-e / 10^-e (e < 0) is an integer held in base 10^9. A digit is
// taken from its limb when asked for: a line shows a few of the hundreds a double can have.
class ExactDecimal {
  public:
    explicit ExactDecimal(double magnitude) {
        std::uint64_t bits = 0;  // no std::bit_cast in the browser build's older C++ library
        std::memcpy(&bits, &magnitude, sizeof bits);
        const auto biased = static_cast<int>(bits >> 52);
        std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
        int e = -1074;
        if (biased != 0) {
            m |= std::uint64_t{1} << 52;
            e = biased - 1075;
        }
        if (e < 0) {
            const int zeros = std::min(std::countr_zero(m), -e);
            m >>= zeros;
            e += zeros;
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
        head_ = 1;
        while (head_ < 9 && limbs_[used_ - 1] >= kPowers10[head_]) ++head_;
        point_ = head_ + 9 * (used_ - 1) - std::max(-e, 0);
    }

    // The first n significant digits into out, '0' beyond the last; the value is
    // 0.d0d1d2… × 10^point().
    void leading(char* out, int n) const {
        int k = 0;
        for (int limb = used_ - 1, width = head_; limb >= 0 && k < n; --limb, width = 9) {
            char group[9] = {};
            std::uint32_t v = limbs_[limb];
            for (int j = width - 1; j >= 0; --j) {
                group[j] = static_cast<char>('0' + v % 10);
                v /= 10;
            }
            for (int j = 0; j < width && k < n; ++j) out[k++] = group[j];
        }
        while (k < n) out[k++] = '0';
    }
    int point() const { return point_; }
    // Whether any digit from i on is not zero.
    bool nonzero_from(int i) const {
        int limb = 0, place = 0;
        if (!locate(i, limb, place)) return false;
        if (limbs_[limb] % kPowers10[place + 1] != 0) return true;
        for (int j = limb - 1; j >= 0; --j)
            if (limbs_[j] != 0) return true;
        return false;
    }

  private:
    static constexpr std::uint32_t kBase = 1000000000;
    static constexpr std::uint32_t kPowers10[] = {1,      10,      100,      1000,      10000,
                                                  100000, 1000000, 10000000, 100000000, kBase};
    // 2^53·5^1074 has 767 digits, 2^1024 has 309.
    static constexpr int kLimbs = 88;

    // Digit i lies in limbs_[limb] at the power of ten `place`; false past the last digit.
    bool locate(int i, int& limb, int& place) const {
        if (i < 0) return false;
        if (i < head_) {
            limb = used_ - 1;
            place = head_ - 1 - i;
            return true;
        }
        const int rest = i - head_;
        limb = used_ - 2 - rest / 9;
        place = 8 - rest % 9;
        return limb >= 0;
    }

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

    // Only the used limbs are read.
    std::uint32_t limbs_[kLimbs];
    int used_ = 0;
    int head_ = 1;  // the digits of the top limb
    int point_ = 0;
};

// Adds one unit in the last place of a decimal digit string; true when the carry ran through
// every digit and a leading 1 was put in front.
bool round_up(std::string& digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(0, 1, '1');
        return true;
    }
    ++digits[i - 1];
    return false;
}

// Significant digits of |value| rounded to `digits` (the exact value to nearest, ties to
// even), trailing zeros dropped, with the decimal exponent of the first digit:
// value = D.DDD × 10^exponent.
void significant_digits(double magnitude, int digits, std::string& mantissa, int& exponent) {
    const ExactDecimal exact(magnitude);
    mantissa.assign(static_cast<std::size_t>(digits) + 1, '0');
    exact.leading(mantissa.data(), digits + 1);
    const char next = mantissa.back();
    mantissa.pop_back();
    exponent = exact.point() - 1;
    const bool up =
        next > '5' ||
        (next == '5' && (exact.nonzero_from(digits + 1) || (mantissa.back() - '0') % 2 == 1));
    if (up && round_up(mantissa)) {
        mantissa.pop_back();
        ++exponent;
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
    std::string text(1, value < 0 ? '-' : ' ');
    text.reserve(static_cast<std::size_t>(digits) + 8);
    const std::string_view m = mantissa;
    if (exponent >= -5 && exponent < digits) {
        const auto integer_digits = static_cast<std::size_t>(std::max(exponent + 1, 0));
        if (exponent < 0) {
            text += '.';
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += m;
        } else if (m.size() <= integer_digits) {
            text += m;
            text.append(integer_digits - m.size(), '0');
        } else {
            text += m.substr(0, integer_digits);
            text += '.';
            text += m.substr(integer_digits);
        }
    } else {
        text += m[0];
        if (m.size() > 1) {
            text += '.';
            text += m.substr(1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text += e;
    }
    return text;
}

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

std::string format_fixed(double value, int decimals, std::string_view separator) {
    if (!std::isfinite(value)) return "—";
    const int shown = std::max(decimals, 0);
    // Zero, and every value too small to reach the first dropped place, show only zeros.
    std::string digits(static_cast<std::size_t>(shown) + 1, '0');
    if (value != 0.0) {
        const ExactDecimal exact(std::fabs(value));
        const int last = exact.point() + shown;  // digits up to this place are shown
        if (last >= 0) {
            // A zero before the point below 1, then the exact digits up to the first dropped one.
            const int pad = std::max(1 - exact.point(), 0);
            digits.assign(static_cast<std::size_t>(pad) + static_cast<std::size_t>(last) + 1, '0');
            exact.leading(digits.data() + pad, last + 1);
            // The digits are exact, so the first dropped one alone tells whether the rest is
            // at least half a unit of the last place; halves go away from zero.
            const bool up = digits.back() >= '5';
            digits.pop_back();
            if (up) round_up(digits);
        }
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
