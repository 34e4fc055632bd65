#include "codegen/printer_code.h"

#include <string_view>

#include "codegen/number_form.h"
#include "codegen/text_replace.h"

namespace gridlet {
namespace {

struct Replacement {
    Section section;
    std::string_view from;
    std::string_view to;
};

// In this order: "GRAPHIC PRINT" becomes the single word XPRINT, in the text statements and in
// DoString alike, before the other statements are converted, since XPRINT PRINT is no statement.
constexpr Replacement kReplacements[] = {
    {Section::Texts, "GRAPHIC PRINT", "XPRINT"},
    {Section::DoStringRoutine, "GRAPHIC PRINT", "XPRINT"},
    {Section::SupportFunctions, "GRAPHIC", "XPRINT"},
    {Section::BackLayer, "GRAPHIC", "XPRINT"},
    {Section::Boxes, "GRAPHIC", "XPRINT"},
    {Section::Polygons, "GRAPHIC", "XPRINT"},
    {Section::Ellipses, "GRAPHIC", "XPRINT"},
    {Section::Stars, "GRAPHIC", "XPRINT"},
    {Section::Texts, "GRAPHIC", "XPRINT"},
    {Section::PrinterPositions, "GRAPHIC SET POS", "XPRINT SET POS"},
    {Section::DoStringRoutine, "GRAPHIC", "XPRINT"},
    {Section::Lines, "GRAPHIC", "XPRINT"},
    {Section::ShiftedObject, "GRAPHIC", "XPRINT"},
    {Section::ShiftedLineStep, "GRAPHIC", "XPRINT"},
    {Section::Arcs, "GRAPHIC", "XPRINT"},
    {Section::Pies, "GRAPHIC", "XPRINT"},
    {Section::Bitmaps, "GRAPHIC", "XPRINT"},
};

}  // namespace

SectionTable ConvertToPrinterCode(SectionTable sections) {
    sections[Section::WindowCode].clear();
    sections[Section::WindowBackground].clear();
    sections[Section::BackgroundPaint].clear();
    sections[Section::WindowHandle] = "   XPRINT ATTACH CHOOSE \r\n\r\n";
    sections[Section::WindowBackground] =
        "  XPRINT SCALE (0,0)-(" + S(801) + "," + S(1056) + ")\r\n";
    for (const Replacement& r : kReplacements) ReplaceAll(sections[r.section], r.from, r.to);
    sections[Section::PrinterSpare].clear();
    sections[Section::Paints].clear();
    sections[Section::PrinterFormFeed] = "   XPRINT FORMFEED\r\n";
    sections[Section::PrinterAfterFormFeed].clear();
    sections[Section::PrinterClose] = "   XPRINT CLOSE\r\n";
    sections[Section::PrinterAfterClose].clear();
    sections[Section::PrinterEndSub] = " END SUB\r\n\r\n";
    return sections;
}

}  // namespace gridlet
