#pragma once
// A scene number that holds either a 16-bit integer or a double, as the start angle does:
// an integer from the defaults and the angle scroll bar, a double once typed text is read.

#include <cstdint>

namespace velantra {

class Number {
  public:
    constexpr Number() = default;
    static constexpr Number integer(std::int16_t v) { return Number(v, true); }
    static constexpr Number real(double v) { return Number(v, false); }

    constexpr bool is_integer() const { return integer_; }
    constexpr double value() const { return value_; }
    constexpr operator double() const { return value_; }  // NOLINT: a number reads as its value

  private:
    constexpr Number(double v, bool is_int) : value_(v), integer_(is_int) {}
    double value_ = 0.0;
    bool integer_ = false;
};

}  // namespace velantra
