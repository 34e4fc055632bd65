#include "output/kept_sections.h"

#include <gtest/gtest.h>

#include "output/compose_program.h"
#include "output/design_file.h"
#include "support/place_object.h"
#include "support/window_design.h"

namespace gridlet {
namespace {

TEST(KeptSections, ADesignNeverComposedIsEmptySectionsAndTheTenNumbers) {
    const std::string image(kScreenImageSize, '.');
    std::string expected = image + "\r\n";
    for (int line = 2; line <= 52; ++line) {
        if (line < 35 || line > 44) expected += "\x7F\x7F\x7F\r\n";
    }
    expected.insert(image.size() + 2 + 33 * 5,
                    " 80\r\n 0\r\n 0\r\n 47\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n");
    EXPECT_EQ(EncodeDesignFile(image, SectionsToKeep(Design{})), expected);

    Design opened;
    opened.windowBottomRow = 0;
    RestoreFromSections(DecodeDesignFile(expected).sections, opened);
    EXPECT_FALSE(DesignHoldsAnything(opened));
    EXPECT_EQ(opened.windowBottomRow, 47);
    EXPECT_EQ(opened.windowRightCol, 80);
}

// The file keeps the graphic-window code of every object, whatever form the last Build had.
TEST(KeptSections, TheDesignIsComposedAfreshAsGraphicWindowCode) {
    Design design = WindowDesign();
    design.boxCode = PlacedBlock(ObjectKind::Box, 1, 10, 20, 30, 40);
    design.objectNumber = 1;

    const SectionTable kept = SectionsToKeep(design);
    const SectionTable composed = BuildSections(design);
    for (int i = 1; i <= 33; ++i) {
        EXPECT_EQ(kept.At(i), composed.At(i)) << "section " << i;
    }
    EXPECT_EQ(kept.At(44), " END SUB \r\n\r\n");
    const std::string numbers[] = {" 49", " 20", " 5",   " 30",  " 1",
                                   " 20", " 5",  " 603", " 343", " 1"};
    for (int i = 34; i <= 43; ++i) EXPECT_EQ(kept.At(i), numbers[i - 34]);
}

TEST(KeptSections, EveryTextComesBackToItsPlaceWithTheComposedAdditionsTakenAway) {
    Design design = WindowDesign();
    const std::vector<std::string Design::*> texts = {&Design::typeDecls,
                                                      &Design::supportFunctions,
                                                      &Design::subHeader,
                                                      &Design::localDecls,
                                                      &Design::windowCode,
                                                      &Design::windowBackgroundCode,
                                                      &Design::backgroundPaintCode,
                                                      &Design::backLayerCode,
                                                      &Design::boxCode,
                                                      &Design::polygonCode,
                                                      &Design::ellipseCode,
                                                      &Design::starCode,
                                                      &Design::lineCode,
                                                      &Design::arcCode,
                                                      &Design::pieCode,
                                                      &Design::paintCode,
                                                      &Design::bitmapCode,
                                                      &Design::textCode,
                                                      &Design::mainAssignments};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        design.*texts[i] = "   text " + std::to_string(i) + "\r\n";
    }
    design.globalDecls = "#BREAK ON\r\n  GLOBAL a AS STRING\r\n";
    design.doStringBody = "   GRAPHIC PRINT a\r\n";
    design.objectNumber = 12;

    Design opened;
    RestoreFromSections(SectionsToKeep(design), opened);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(opened.*texts[i], design.*texts[i]) << i;
    }
    EXPECT_EQ(opened.globalDecls, "\r\n  GLOBAL a AS STRING\r\n");
    EXPECT_EQ(opened.doStringBody, design.doStringBody);
    for (auto field : {&Design::windowExists, &Design::windowTopRow, &Design::windowLeftCol,
                       &Design::windowBottomRow, &Design::windowRightCol, &Design::windowWidth,
                       &Design::windowHeight, &Design::objectNumber}) {
        EXPECT_EQ(opened.*field, design.*field);
    }
}

TEST(KeptSections, SectionThreeLosesEndSubAndComesBackWithoutItsRoutine) {
    Design design;
    design.doStringBody = "   GRAPHIC PRINT END SUB\r\n";
    const SectionTable kept = SectionsToKeep(design);
    EXPECT_EQ(kept.At(3),
              std::string(kDoStringOpening) + "   GRAPHIC PRINT \r\n" + kDoStringClosing);

    SectionTable read{};
    read.At(3) = kept.At(3) + kDoStringOpening + "   more\r\n";
    Design opened;
    RestoreFromSections(read, opened);
    EXPECT_EQ(opened.doStringBody, "   GRAPHIC PRINT \r\n   more\r\n");
}

TEST(KeptSections, OfTwoCopiesOfANumberTheLaterStays) {
    SectionTable read{};
    read.At(35) = " 11";
    read.At(39) = " 12";
    read.At(36) = " 3";
    read.At(40) = "not a number";
    Design opened;
    RestoreFromSections(read, opened);
    EXPECT_EQ(opened.windowLeftCol, 12);
    EXPECT_EQ(opened.windowTopRow, 0);
}

// Keeping what was opened keeps the same sections; the line ends that each cycle added before
// go at the first opening.
TEST(KeptSections, TheGlobalsComeBackWithoutTheLineEndsTheCompositionAdded) {
    const struct {
        const char* section;  // as a design file holds it
        const char* globals;
    } cases[] = {
        {"\r\n", ""},
        {"\r\n\r\n\r\n", ""},
        {"  GLOBAL a AS STRING\r\n\r\n", "  GLOBAL a AS STRING\r\n"},
        {"  GLOBAL a AS STRING\r\n\r\n\r\n\r\n", "  GLOBAL a AS STRING\r\n"},
        {"  GLOBAL a AS STRING\r\n  GLOBAL b AS STRING\r\n\r\n",
         "  GLOBAL a AS STRING\r\n  GLOBAL b AS STRING\r\n"},
        {"  GLOBAL a AS STRING\r\n", "  GLOBAL a AS STRING"},
    };
    for (const auto& c : cases) {
        SectionTable read{};
        read.At(1) = c.section;
        Design opened = WindowDesign();
        RestoreFromSections(read, opened);
        EXPECT_EQ(opened.globalDecls, c.globals) << c.section;
        Design again = WindowDesign();
        RestoreFromSections(SectionsToKeep(opened), again);
        EXPECT_EQ(again.globalDecls, c.globals) << "kept again: " << c.section;
    }
}

TEST(KeptSections, NumbersReadAsValReadsThemWithinTheirBound) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {" 80", 80},       {"-3", -3},
        {"+7", 7},         {"\t 5", 5},
        {" 12abc", 12},    {"2.5", 2},
        {"3.5", 4},        {"-0.7", -1},
        {".5e1", 5},       {"1e3", 1000},
        {"1D2", 100},      {"7e", 7},
        {"abc", 0},        {"", 0},
        {".", 0},          {"-", 0},
        {"1e-400", 0},     {"99999999999", 1000},
        {"-1e400", -1000}, {"1e999999999999", 1000},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberOf(c.text, 1000), c.value) << c.text;
}

}  // namespace
}  // namespace gridlet
