#include "codegen/printer_code.h"

#include <gtest/gtest.h>

#include <string>

#include "codegen/statement_emitter.h"
#include "codegen/support_functions.h"
#include "output/clipboard_route.h"
#include "output/compose_program.h"
#include "support/place_object.h"
#include "support/window_design.h"

namespace gridlet {
namespace {

const char* const kTextBlock =
    "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
    "   GRAPHIC SET FONT hFont\r\n"
    "   GRAPHIC COLOR %BLACK, %WHITE \r\n"
    "   Xs =  14 : Ys =  27\r\n"
    "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
    "   GRAPHIC SET POS ( Xs,  Ys)\r\n"
    "   GRAPHIC PRINT \"Hello big\"\r\n"
    "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
    "   GRAPHIC PRINT \"world\"\r\n\r\n"
    "   FONT END hfont        ' [[  3  ]] \r\n\r\n";

// Window, a background paint as object 1, a box, a text and a later paint.
Design BoxPaintAndTextDesign() {
    Design design = WindowDesign();
    design.backgroundPaintCode = PlacedBlock(ObjectKind::Paint, 1, 3, 4, 7, 23);
    design.boxCode = PlacedBlock(ObjectKind::Box, 2, 26, 4, 83, 50);
    design.localDecls =
        "   LOCAL esc, HFONT AS LONG\r\n   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n";
    design.textCode = kTextBlock;
    design.paintCode = PlacedBlock(ObjectKind::Paint, 4, 49, 27, 53, 46);
    return design;
}

TEST(PrinterCode, BoxBackgroundPaintAndTextOnTheClipboard) {
    const std::string text =
        ClipboardText(BuildSections(BoxPaintAndTextDesign(), CodeForm::Printer), CodeForm::Printer);
    EXPECT_EQ(text,
              "\r\n"
              " SUB GraficWin ()\r\n\r\n"
              "   XPRINT ATTACH CHOOSE \r\n\r\n"
              "   LOCAL esc, HFONT AS LONG\r\n"
              "   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n"
              "  XPRINT SCALE (0,0)-( 801, 1056)\r\n"
              "   XPRINT WIDTH 2\r\n"
              "   XPRINT BOX (26, 4) - (83, 50),0,0,%WHITE,0        ' [[  2  ]] \r\n\r\n"
              "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
              "   XPRINT SET FONT hFont\r\n"
              "   XPRINT COLOR %BLACK, %WHITE \r\n"
              "   Xs =  14 : Ys =  27\r\n"
              "   XPRINT CHR SIZE TO nWidth, nHeight\r\n"
              "   XPRINT SET POS ( Xs,  Ys)\r\n"
              "   XPRINT \"Hello big\"\r\n"
              "   Ys = Ys + nHeight : XPRINT SET POS (Xs, Ys)\r\n"
              "   XPRINT \"world\"\r\n\r\n"
              "   FONT END hfont        ' [[  3  ]] \r\n\r\n"
              "   XPRINT FORMFEED\r\n"
              "   XPRINT CLOSE\r\n"
              " END SUB\r\n\r\n");
}

TEST(PrinterCode, StarRoutineAndDoStringAreRenamed) {
    Design design;
    const SupportTexts support = AddStarSupport({});
    design.typeDecls = support.typeDecls;
    design.supportFunctions = support.supportFunctions;
    design.doStringBody = "   GRAPHIC SET POS ( 14,  27)\r\n   GRAPHIC PRINT sName\r\n\r\n";
    StatementValues star;
    Place(star, 1, 26, 4, 66, 50);
    DefaultStarPoints(star.properties);
    design.starCode = StatementBlock(star, ObjectKind::Star, Build::Placement);
    const SectionTable sections = ComposeSections(design, CodeForm::Printer);

    EXPECT_EQ(sections.At(2), design.typeDecls);
    EXPECT_EQ(sections.At(4).find("GRAPHIC"), std::string::npos);
    EXPECT_NE(sections.At(4).find("  FUNCTION XPRINT_Star ( BYVAL X1       AS SINGLE, _ \r\n"),
              std::string::npos);
    EXPECT_NE(sections.At(18).find("   XPRINT_Star  26,  4,  66,  50, RR1,"), std::string::npos);
    EXPECT_EQ(sections.At(3),
              " SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n"
              "   XPRINT SET POS ( 14,  27)\r\n   XPRINT sName\r\n\r\n"
              "     FONT END hfont\r\n End SUB\r\n\r\n")
        << "a print line becomes XPRINT alone, as in a text";
    EXPECT_TRUE(sections.At(44).empty());
}

TEST(PrinterCode, MoveMenuSectionsAreConvertedToo) {
    SectionTable sections{};
    sections.At(11) = "   GRAPHIC BOX back\r\n";
    sections.At(26) = "   GRAPHIC LINE STEP shifted\r\n";
    sections.At(33) = "   GRAPHIC ELLIPSE shifted\r\n";
    sections.At(31) = "   GRAPHIC PAINT\r\n";
    sections = ConvertToPrinterCode(sections);
    EXPECT_EQ(sections.At(11), "   XPRINT BOX back\r\n");
    EXPECT_EQ(sections.At(26), "   XPRINT LINE STEP shifted\r\n");
    EXPECT_EQ(sections.At(33), "   XPRINT ELLIPSE shifted\r\n");
    EXPECT_EQ(sections.At(31), "");
}

}  // namespace
}  // namespace gridlet
