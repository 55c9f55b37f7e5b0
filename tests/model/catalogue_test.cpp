#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velantra {
namespace {

TEST(Catalogue, LanguageFromTheEnvironmentInGettextsOrder) {
    struct Row {
        const char *language, *lc_all, *lc_messages, *lang, *chosen;
    };
    const Row rows[] = {
        {"", "", "", "", "ru"},
        {"", "", "", "en_US.UTF-8", "en"},
        {"", "", "", "de_DE.UTF-8", "ru"},
        {"de:en", "", "", "de_DE.UTF-8", "en"},
        {"ru:en", "", "", "en_US.UTF-8", "ru"},
        // The C locale takes no translation, whatever LANGUAGE lists.
        {"en", "", "", "C", "ru"},
        {"en", "POSIX", "", "en_US.UTF-8", "ru"},
        {"en", "", "", "C.UTF-8", "ru"},
        {"", "en_GB.UTF-8", "ru_RU.UTF-8", "ru_RU.UTF-8", "en"},
        {"", "", "ru_RU.UTF-8", "en_US.UTF-8", "ru"},
        {"", "", "en_IE@euro", "", "en"},
        {"fr:de", "", "", "en_US.UTF-8", "en"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(language_from_environment(r.language, r.lc_all, r.lc_messages, r.lang), r.chosen)
            << r.language << " | " << r.lc_all << " | " << r.lc_messages << " | " << r.lang;

    EXPECT_EQ(language_from_preferences({"en-US", "ru"}), "en");
    EXPECT_EQ(language_from_preferences({"ru-RU", "en"}), "ru");
    EXPECT_EQ(language_from_preferences({"de-DE", "EN-gb"}), "en");
    EXPECT_EQ(language_from_preferences({"de-DE", "fr"}), "ru");
    EXPECT_EQ(language_from_preferences({}), "ru");
}

TEST(Catalogue, LooksUpTheChosenLanguageAndKeepsEveryTextHandedOut) {
    const std::vector<std::string> codes = languages();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], "ru");
    EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end());

    ASSERT_TRUE(set_language("en"));
    const std::string& start = tr("ПУСК");
    EXPECT_EQ(start, "START");
    EXPECT_EQ(tr("unit", "м"), "m");
    // The context is part of the key; a text the catalogue lacks is its source.
    EXPECT_EQ(tr("м"), "м");
    EXPECT_EQ(tr("Нет такого текста"), "Нет такого текста");
    EXPECT_EQ(tr(""), "");
    EXPECT_FALSE(set_language("xx"));
    EXPECT_EQ(language(), "en");

    ASSERT_TRUE(set_language("ru"));
    EXPECT_EQ(tr("ПУСК"), "ПУСК");
    EXPECT_EQ(start, "START");
    EXPECT_EQ(fill("X={x} {unit}, {y}", {{"x", "1.5"}, {"unit", "м"}}), "X=1.5 м, {y}");
}

}  // namespace
}  // namespace velantra
