// The text forms of numbers: what the input boxes show, how typed text reads back, and
// the fixed-decimal patterns of the result lines.
#include "model/format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

namespace velantra {
namespace {

TEST(Numstr, InputBoxForms) {
    EXPECT_EQ(numstr(1.000292), " 1.000292");
    EXPECT_EQ(numstr(0.6), " .6");
    EXPECT_EQ(numstr(Number::integer(45)), " 45");
    EXPECT_EQ(numstr(Number::real(45.0)), " 45");
    EXPECT_EQ(numstr(-0.25), "-.25");
    EXPECT_EQ(numstr(0.0), " 0");
    EXPECT_EQ(numstr(-0.0), " 0");
    EXPECT_EQ(numstr(1.4f), " 1.4");
    EXPECT_EQ(numstr(1.3333), " 1.3333");
    EXPECT_EQ(numstr(2.5), " 2.5");
    EXPECT_EQ(numstr(0.57), " .57");
    EXPECT_EQ(numstr(Number::integer(-179)), "-179");
    EXPECT_EQ(numstr(200.0), " 200");
    EXPECT_EQ(numstr(-1.5), "-1.5");
}

TEST(Numstr, RoundsToItsPrecision) {
    // 0.1 + 0.2 is not 0.3 in binary; fifteen digits hide that.
    EXPECT_EQ(numstr(0.1 + 0.2), " .3");
    EXPECT_EQ(numstr(0.29 * 100), " 29");
    EXPECT_EQ(numstr(static_cast<float>(1.40000001)), " 1.4");
    EXPECT_EQ(numstr(1.2345678f), " 1.234568");
    EXPECT_EQ(numstr(100000000000000.0), " 100000000000000");
}

TEST(Numstr, ExponentFormForExtremes) {
    EXPECT_EQ(numstr(1e15), " 1E+15");
    EXPECT_EQ(numstr(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(numstr(0.00001), " .00001");
    EXPECT_EQ(numstr(0.000001), " 1E-06");
    EXPECT_EQ(numstr(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(numstr(1e300), " 1E+300");
    EXPECT_EQ(numstr(FLT_MAX), " 3.402823E+38");
}

TEST(Numval, ReadsTheLeadingNumber) {
    // Blanks inside the number are skipped; a comma, a second point or a bare exponent ends it.
    const std::pair<const char*, double> read[] = {{" 1.000292", 1.000292},
                                                   {"1.4abc", 1.4},
                                                   {"  2 5", 25.0},
                                                   {" 1 2", 12.0},
                                                   {"1e-1", 0.1},
                                                   {"1,5", 1.0},
                                                   {"-.25", -0.25},
                                                   {"+3", 3.0},
                                                   {"1 e 2", 100.0},
                                                   {"\t7\n", 7.0},
                                                   {"5.", 5.0},
                                                   {"1.2.3", 1.2},
                                                   {"1e", 1.0},
                                                   {"1e+", 1.0},
                                                   {"2E3x", 2000.0}};
    for (const auto& [text, value] : read) EXPECT_EQ(numval(text), value) << '"' << text << '"';
}

TEST(Numval, TextWithoutANumberIsZero) {
    for (const char* text : {"", "-", ".", "abc", "+-1", "e5", " ", "-.", ",5"}) {
        EXPECT_EQ(numval(text), 0.0) << '"' << text << '"';
    }
}

TEST(Numval, BeyondTheRangeOfADoubleHasNoValue) {
    EXPECT_FALSE(numval("1e999").has_value());
    EXPECT_FALSE(numval("-1e309").has_value());
    EXPECT_FALSE(numval("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(numval("1e99999999999999999999").has_value());
    // Too small is zero, not an error.
    EXPECT_EQ(numval("1e-999"), 0.0);
    EXPECT_EQ(numval("." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(numval("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(Numval, ReadsBackWhatNumstrWrites) {
    for (double v : {1.000292, 0.6, -0.25, 1.3333, 1e15, -1.5e-7, 1e-300, 123456789.123456, 0.57}) {
        const std::string text = numstr(v);
        ASSERT_TRUE(numval(text).has_value()) << text;
        EXPECT_EQ(numstr(*numval(text)), text);
    }
    for (float v : {1.4f, 1.2345678f, 12345678.0f, FLT_MAX, 1e-30f}) {
        const std::string text = numstr(v);
        EXPECT_EQ(numstr(static_cast<float>(*numval(text))), text);
    }
}

TEST(Numval, ReadsBackTheLargestDoubles) {
    // Fifteen digits of these round up past DBL_MAX; the box text must still be a number.
    for (double v : {DBL_MAX, -DBL_MAX, 1.797693134862315e308, std::nextafter(DBL_MAX, 0.0)}) {
        const std::string text = numstr(v);
        const auto back = numval(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back / v, 1.0, 1e-14) << text;
        EXPECT_EQ(numstr(*back), text);
    }
    EXPECT_EQ(numstr(DBL_MAX), " 1.79769313486231E+308");
    EXPECT_EQ(numstr(1.79769313486231e308), " 1.79769313486231E+308");
    EXPECT_EQ(numstr(1.7976931348623e308), " 1.7976931348623E+308");
}

// A locale whose decimal point is a comma, as Qt sets the user's at start-up (ru_RU).
// Built with localedef into a temporary folder when the system has none compiled.
bool comma_locale() {
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',')
            return true;
    }
    if (!std::filesystem::exists("/usr/share/i18n/locales/ru_RU")) return false;
    const auto dir = std::filesystem::temp_directory_path() / "velantra-locale";
    std::filesystem::create_directories(dir);
    const std::string make =
        "localedef -i ru_RU -f UTF-8 '" + (dir / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") && *std::localeconv()->decimal_point == ',';
}

TEST(Numstr, TextsDoNotFollowTheProcessLocale) {
    if (!comma_locale()) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    // With printf's digits a typed 1.5 showed " 1.,5" and read back as 1.
    EXPECT_EQ(numstr(1.5), " 1.5");
    EXPECT_EQ(numstr(1.000292), " 1.000292");
    EXPECT_EQ(numstr(1.4f), " 1.4");
    EXPECT_EQ(numstr(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(numval(numstr(1.5)), 1.5);
    EXPECT_EQ(format_fixed(19.98951, 4, ","), "19,9895");
    EXPECT_EQ(format_fixed(0.125, 2, "."), "0.13");
    EXPECT_EQ(format_fixed(-0.001, 2, ","), "-0,00");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(FormatFixed, Patterns) {
    EXPECT_EQ(format_fixed(19.98951, 4, "."), "19.9895");
    EXPECT_EQ(format_fixed(48.6107, 3, "."), "48.611");
    EXPECT_EQ(format_fixed(0.5, 2, "."), "0.50");
    EXPECT_EQ(format_fixed(-10.3301, 2, "."), "-10.33");
    EXPECT_EQ(format_fixed(2.5, 3, ","), "2,500");
    EXPECT_EQ(format_fixed(-0.25, 3, "."), "-0.250");
    EXPECT_EQ(format_fixed(90, 2, "."), "90.00");
    EXPECT_EQ(format_fixed(-2.4e8, 4, "."), "-240000000.0000");
}

TEST(FormatFixed, ExactHalvesGoAwayFromZero) {
    EXPECT_EQ(format_fixed(0.125, 2, "."), "0.13");
    EXPECT_EQ(format_fixed(-0.125, 2, "."), "-0.13");
    EXPECT_EQ(format_fixed(2.5, 0, "."), "3");
    EXPECT_EQ(format_fixed(0.0625, 3, "."), "0.063");
    // 2.675 is stored a little below the half and stays below it.
    EXPECT_EQ(format_fixed(2.675, 2, "."), "2.67");
    // Where one step of the double exceeds the last decimal, only the exact value decides:
    // n_otn(-1) for nmin = 1.25000000000002, nmax = 1.25 is exactly -62549994824591.21875.
    EXPECT_EQ(format_fixed(-62549994824591.21875, 4, "."), "-62549994824591.2188");
    EXPECT_EQ(format_fixed(1e15 + 0.125, 2, "."), "1000000000000000.13");
    EXPECT_EQ(format_fixed(99.995000000000005, 2, "."), "100.00");
    EXPECT_EQ(format_fixed(-DBL_MAX, 4, ".").size(), 1 + 309 + 1 + 4u);
    EXPECT_EQ(format_fixed(5e-324, 2, "."), "0.00");
}

TEST(FormatFixed, MinusOnEveryNegativeAndNoNumberForNonFinite) {
    EXPECT_EQ(format_fixed(-0.001, 2, "."), "-0.00");
    EXPECT_EQ(format_fixed(-0.004999, 2, ","), "-0,00");
    EXPECT_EQ(format_fixed(-5e-324, 3, "."), "-0.000");
    EXPECT_EQ(format_fixed(-0.0, 2, "."), "0.00");
    EXPECT_EQ(format_fixed(std::nan(""), 2, "."), "—");
    EXPECT_EQ(format_fixed(std::numeric_limits<double>::infinity(), 2, "."), "—");
    EXPECT_EQ(format_fixed(-std::numeric_limits<double>::infinity(), 3, "."), "—");
}

}  // namespace
}  // namespace velantra
