// The About and Authors texts, where the Authors window goes, and the file each command
// hands over.

#include <gtest/gtest.h>

#include <filesystem>

#include "help/about.h"
#include "help/documents.h"
#include "tests/support/form_rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// Characters, not bytes: the lines are Cyrillic.
std::size_t characters(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0u) != 0x80u;
    return n;
}

TEST(About, TwelveLinesWithTheFixedOnesExactInAnOkBox) {
    const std::string text = about_text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);  // no lone LF either
    const auto lines = lines_of(text);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "Программа моделирует прохождение луча света");
    EXPECT_EQ(lines[1], "через границу двух сред");
    EXPECT_EQ(lines[2], "и в плавно неоднородной среде.");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "История версий:");
    EXPECT_TRUE(lines[5].starts_with("1.0"));
    EXPECT_NE(lines[5].find("Linux"), std::string::npos);
    EXPECT_EQ(lines[6], " ");
    for (int i = 7; i < 12; ++i) EXPECT_GT(characters(lines[i]), 3u) << lines[i];
    for (const auto& line : lines) EXPECT_EQ(line.find('\r'), std::string::npos);

    FakeBox box;
    mnuHelpAbout_Click(box);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "О ПРОГРАММЕ");
    EXPECT_EQ(box.shown[0].text, text);
    EXPECT_EQ(box.shown[0].buttons, Buttons::Ok);
}

TEST(Authors, LinesPaddedTo36AndTheAddressLeadsWithABlank) {
    const auto lines = lines_of(authors_text());
    ASSERT_EQ(lines.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(characters(lines[i]), 36u) << lines[i];
        EXPECT_NE(lines[i].find_first_not_of(' '), std::string::npos);
    }
    EXPECT_TRUE(lines[0].starts_with("©"));
    EXPECT_TRUE(lines[5].starts_with(" ") && !lines[5].starts_with("  "));
    EXPECT_NE(lines[5].find('@'), std::string::npos);
}

TEST(Authors, CentredOverForm1ByOuterFramesOneWindowAnewAfterClosing) {
    FakeAuthors form2;
    const Frame form1{50, 60, 876, 345};
    mnuHelpAvtors_Click(form2, form1);
    EXPECT_EQ(form2.created, 1);
    EXPECT_TRUE(form2.shown);
    EXPECT_EQ(form2.label1, authors_text());
    // Placed after showing, by the frame the window has once shown.
    EXPECT_EQ(form2.outer.left, (876 - 230) / 2 + 50);
    EXPECT_EQ(form2.outer.top, (345 - 320) / 2 + 60);
    // Again after Form1 moved, off the screen too: the same window, centred anew, in front.
    mnuHelpAvtors_Click(form2, {-300, 500, 876, 345});
    EXPECT_EQ(form2.created, 1);
    EXPECT_EQ(form2.outer.left, (876 - 230) / 2 - 300);
    EXPECT_EQ(form2.raised, 2);
    form2.close();  // the user's close box
    mnuHelpAvtors_Click(form2, form1);
    EXPECT_EQ(form2.created, 2);
    EXPECT_EQ(form2.label1, authors_text());
}

TEST(Documents, HandedOverFromTheWorkingDirectoryTwiceWhenChosenTwice) {
    const std::filesystem::path old = std::filesystem::current_path();
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    std::filesystem::current_path(dir);  // not the program's folder
    const std::pair<void (*)(Launcher&), const char*> commands[] = {
        {mnuFilespravka_Click, "spravka.pdf"},   {mnuFilespravka2_Click, "spravka2.pdf"},
        {mnuFilespravka3_Click, "spravka3.pdf"}, {mnuFilesHistory1_Click, "Snell.pdf"},
        {mnuHelpUprav_Click, "uprav.pdf"},       {mnuHelpInstruction_Click, "instruction.txt"}};
    for (const auto& [command, file] : commands) {
        FakeLauncher launcher;
        command(launcher);
        command(launcher);
        const std::string expected = (std::filesystem::current_path() / file).string();
        EXPECT_EQ(launcher.opened, (std::vector<std::string>{expected, expected})) << file;
        EXPECT_TRUE(launcher.started.empty());
    }
    std::filesystem::current_path(old);

    FakeLauncher launcher;
    launcher.has_notepad = true;
    mnuHelpInstruction_Click(launcher);
    EXPECT_EQ(launcher.started, std::vector<std::string>{"notepad.exe|instruction.txt"});
    EXPECT_TRUE(launcher.opened.empty());
}

}  // namespace
