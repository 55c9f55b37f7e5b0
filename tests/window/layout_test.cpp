// The layout pass at several client sizes, the pixels it gives, the start marker, the
// pointer readout, the closing question and the menu commands, on the window's logic.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/catalogue.h"
#include "tests/support/form_rig.h"
#include "tests/support/rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

struct Place {
    const char* name;
    float left, top, width, height;
};

class WorkedExample : public ::testing::TestWithParam<Place> {};

TEST_P(WorkedExample, AtTheCreationSize) {
    const Place& p = GetParam();
    FormRig rig;
    EXPECT_EQ(rig.form.ScaleWidth(), 860.0f);
    EXPECT_EQ(rig.form.ScaleHeight(), 288.0f);
    const UnitRect r = rig.form.find(p.name)->units();
    EXPECT_EQ(r.left, p.left);
    EXPECT_EQ(r.top, p.top);
    EXPECT_EQ(r.width, p.width);
    EXPECT_EQ(r.height, p.height);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, WorkedExample,
    ::testing::Values(Place{"Label10", 725, 5, 130, 24}, Place{"Label1", 725, 34, 60, 24},
                      Place{"Text1", 785, 34, 60, 24}, Place{"Label2", 725, 63, 60, 24},
                      Place{"Text2", 785, 63, 60, 24}, Place{"Label3", 725, 92, 60, 24},
                      Place{"Text3", 785, 92, 60, 24}, Place{"Label11", 725, 121, 120, 24},
                      Place{"Label7", 725, 150, 120, 24}, Place{"Label8", 725, 179, 120, 24},
                      Place{"Label9", 725, 208, 120, 24}, Place{"Label13", 720, 237, 140, 24},
                      Place{"Label14", 720, 266, 140, 24}, Place{"Picture1", 5, 5, 698, 698.0f / 3},
                      Place{"VScroll1", 708, 5, 12, 698.0f / 3}, Place{"HScroll1", 5, 242, 698, 12},
                      Place{"Label4", 5, 259, 60, 24}, Place{"Text4", 65, 259, 60, 24},
                      Place{"Label5", 130, 259, 60, 24}, Place{"Text5", 190, 259, 60, 24},
                      Place{"Label6", 255, 259, 60, 24}, Place{"Text6", 315, 259, 60, 24},
                      Place{"VScroll2", 375, 259, 12, 24}, Place{"Label12", 412, 259, 90, 24},
                      Place{"Label15", 512, 259, 90, 24}, Place{"CmdOK", 643, 259, 60, 24}),
    [](const ::testing::TestParamInfo<Place>& row) { return std::string(row.param.name); });

TEST(Layout, PixelsAtCreation) {
    FormRig rig;
    auto pixels = [&](const char* name) {
        const PixelRect& p = rig.form.find(name)->pixels();
        return std::vector<int>{p.left, p.top, p.width, p.height};
    };
    EXPECT_EQ(pixels("Picture1"), (std::vector<int>{5, 5, 698, 247}));
    EXPECT_EQ(pixels("HScroll1"), (std::vector<int>{5, 257, 698, 13}));
    EXPECT_EQ(pixels("CmdOK"), (std::vector<int>{643, 275, 60, 26}));
    EXPECT_EQ(pixels("Label14"), (std::vector<int>{720, 283, 140, 26}));
    // One back buffer of the picture's size over the nested creation passes.
    const auto& b = rig.surface.buffer;
    EXPECT_EQ(std::tuple(b.made, b.width, b.height), std::tuple(1, 698, 247));
}

TEST(Layout, NewResolutionRedrawsThePictureAtItsSize) {
    FormRig rig;
    const int passes = rig.form.resize_passes();
    rig.surface.calls.clear();
    rig.form.resolution_changed(1);
    rig.form.resolution_changed(1.5);
    EXPECT_EQ(rig.form.resize_passes(), passes + 1);
    const auto& b = rig.surface.buffer;
    EXPECT_EQ(std::tuple(b.made, b.width, b.ratio), std::tuple(2, 698, 1.5));
    EXPECT_EQ(rig.surface.of(DrawCall::Kind::Cls).size(), 1u);
    rig.form.resolution_changed(std::nan(""));
    EXPECT_EQ(b.ratio, 1.0);
}

TEST(Layout, WideningMovesTheRightColumnHeightOnlyTheBottomRow) {
    FormRig rig;
    const int before = rig.form.resize_passes();
    rig.form.client_resized(960, 306);
    EXPECT_GT(rig.form.resize_passes(), before);
    auto units = [&](const char* name) { return rig.form.find(name)->units(); };
    EXPECT_EQ(units("Label10").left, 825.0f);
    EXPECT_EQ(units("Label13").left, 820.0f);
    EXPECT_EQ(units("VScroll1").left, 808.0f);
    EXPECT_EQ(units("CmdOK").left, 743.0f);
    EXPECT_EQ(units("Picture1").width, 798.0f);
    EXPECT_EQ(units("Picture1").height, 266.0f);
    EXPECT_EQ(units("HScroll1").width, 798.0f);
    EXPECT_EQ(units("Label12").left, 412.0f);
    EXPECT_EQ(units("Text6").left, 315.0f);

    rig.form.client_resized(860, 500);
    const float sh = 500 / 1.0625f;
    EXPECT_EQ(rig.form.ScaleHeight(), sh);
    EXPECT_EQ(units("Label4").top, sh - 29);
    EXPECT_EQ(units("CmdOK").top, sh - 29);
    EXPECT_EQ(units("HScroll1").top, sh - 46);
    EXPECT_EQ(units("Picture1").height, 698.0f / 3);
    EXPECT_EQ(units("Label10").top, 5.0f);
    EXPECT_EQ(units("Label14").top, 266.0f);
    EXPECT_EQ(units("CmdOK").left, 643.0f);
}

TEST(Layout, NarrowClampsSizesAtZero) {
    FormRig rig;
    auto units = [&](const char* name) { return rig.form.find(name)->units(); };
    rig.form.client_resized(162, 306);
    EXPECT_EQ(units("Picture1").width, 0.0f);
    EXPECT_EQ(units("Picture1").height, 0.0f);
    EXPECT_EQ(units("VScroll1").height, 0.0f);
    EXPECT_EQ(units("HScroll1").width, 0.0f);
    EXPECT_EQ(units("Label10").left, 27.0f);
    rig.form.client_resized(100, 306);
    EXPECT_EQ(units("Picture1").width, 0.0f);
    EXPECT_EQ(units("HScroll1").width, 0.0f);
    EXPECT_EQ(units("CmdOK").left, 5.0f - 60.0f);
    EXPECT_EQ(rig.form.Picture1.pixels().width, 0);
    // Texts still canonical, nothing failed; the mapping keeps a 1 × 1 picture.
    EXPECT_EQ(rig.text("Text1"), " 1.000292");
    EXPECT_EQ(rig.form.picture_map().width(), 1.0);
}

TEST(Layout, Shape1SitsOnTheStartPoint) {
    FormRig rig;
    const DevicePoint centre = rig.form.picture_map().to_device(2.5, 0.6);
    const PixelRect& shape = rig.form.Shape1.pixels();
    EXPECT_EQ(shape.width, 12);
    EXPECT_LE(std::abs(shape.left + 6 - centre.x), 1.0);
    EXPECT_LE(std::abs(shape.top + 6 - centre.y), 1.0);
}

struct Readout {
    const char* name;
    float x, y;
    const char *label12, *label15;
    // The language the window is made in, and the frame title it then shows.
    const char* language = "ru";
    const char* label10 = "Параметры среды";
};

class PointerReadout : public ::testing::TestWithParam<Readout> {};

TEST_P(PointerReadout, FormatsMetres) {
    const Readout& r = GetParam();
    ASSERT_TRUE(set_language(r.language));
    FormRig rig;
    rig.form.Picture1_MouseMove(r.x, r.y);
    EXPECT_EQ(rig.caption("Label12"), r.label12);
    EXPECT_EQ(rig.caption("Label15"), r.label15);
    EXPECT_EQ(rig.caption("Label10"), r.label10);
    set_language("ru");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointerReadout,
    ::testing::Values(
        Readout{"in_the_lower_medium", 2.5f, 0.6f, "X=2.500 м", "Y=0.600 м"},
        Readout{"above_the_boundary", 1.0f, -0.25f, "X=1.000 м", "Y=-0.250 м"},
        Readout{"left_of_the_picture", -0.0104f, 0.0f, "X=-0.010 м", "Y=0.000 м"},
        Readout{"just_above_the_boundary", 0.0004f, -0.0004f, "X=0.000 м", "Y=-0.000 м"},
        Readout{"in_english", 2.5f, 0.6f, "X=2.500 m", "Y=0.600 m", "en", "Media parameters"}),
    RowName());

TEST(Pointer, PixelsReadAsUserUnitsWithTheRegionalSeparator) {
    FormRig rig;
    // Pixel (349, 0) is the middle of 698 pixels across, the top edge is y = −1.
    rig.form.pointer_moved(349, 0);
    EXPECT_EQ(rig.caption("Label12"), "X=3.000 м");
    EXPECT_EQ(rig.caption("Label15"), "Y=-1.000 м");
    // Dragged beyond the left edge: a negative x.
    rig.form.pointer_moved(-70, 247);
    EXPECT_EQ(rig.caption("Label12"), "X=-0.602 м");
    EXPECT_EQ(rig.caption("Label15"), "Y=1.000 м");
    // The readout survives a redraw and a resize.
    rig.form.Form_Resize();
    rig.form.client_resized(900, 320);
    EXPECT_EQ(rig.caption("Label12"), "X=-0.602 м");

    FormRig comma(",");
    comma.form.Picture1_MouseMove(2.5f, 0.6f);
    EXPECT_EQ(comma.caption("Label12"), "X=2,500 м");
    // The input boxes keep "." whatever the region.
    EXPECT_EQ(comma.text("Text5"), " .6");
}

TEST(Closing, NoKeepsEverythingYesClosesAuthorsAndEnds) {
    FormRig rig;
    rig.form.CmdOK_Click();
    const std::size_t drawn = rig.surface.calls.size();
    const int passes = rig.form.resize_passes();
    rig.box.answer = Answer::No;
    EXPECT_FALSE(rig.form.close_requested());
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, "Вы абсолютно уверены?");
    EXPECT_EQ(rig.box.shown[0].title, "На Выход");
    EXPECT_EQ(rig.box.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(rig.surface.calls.size(), drawn);
    EXPECT_EQ(rig.form.resize_passes(), passes);
    EXPECT_FALSE(rig.view.ended);
    // Each request asks anew.
    EXPECT_FALSE(rig.form.close_requested());
    EXPECT_EQ(rig.box.shown.size(), 2u);

    rig.form.menu_chosen("mnuHelpAvtors");
    rig.box.answer = Answer::Yes;
    EXPECT_TRUE(rig.form.close_requested());
    EXPECT_TRUE(rig.view.ended);
    EXPECT_TRUE(rig.authors.closed);
}

TEST(Menu, EachEntryOpensItsOwnDocument) {
    FormRig rig;
    // A crossed wire would open the wrong one.
    const std::pair<const char*, const char*> documents[] = {
        {"mnuFilespravka", "/spravka.pdf"},         {"mnuFilespravka2", "/spravka2.pdf"},
        {"mnuFilespravka3", "/spravka3.pdf"},       {"mnuFilesHistory1", "/Snell.pdf"},
        {"mnuHelpInstruction", "/instruction.txt"}, {"mnuHelpUprav", "/uprav.pdf"}};
    for (const auto& [entry, document] : documents) {
        rig.launcher.opened.clear();
        rig.form.menu_chosen(entry);
        ASSERT_EQ(rig.launcher.opened.size(), 1u) << entry;
        EXPECT_TRUE(rig.launcher.opened[0].ends_with(document)) << entry;
    }
    EXPECT_TRUE(rig.box.shown.empty());
    rig.form.menu_chosen("mnuHelpAbout");
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].title, "О ПРОГРАММЕ");
}

}  // namespace
