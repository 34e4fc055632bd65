#include "codegen/printer_code.h"

#include <string_view>

#include "codegen/number_form.h"
#include "codegen/text_replace.h"

namespace gridlet {
namespace {

struct Replacement {
    int section;
    std::string_view from;
    std::string_view to;
};

// In this order: "GRAPHIC PRINT" becomes the single word XPRINT, in the text statements and in
// DoString alike, before the other statements are converted, since XPRINT PRINT is no statement.
constexpr Replacement kReplacements[] = {
    {32, "GRAPHIC PRINT", "XPRINT"}, {3, "GRAPHIC PRINT", "XPRINT"},
    {4, "GRAPHIC", "XPRINT"},        {11, "GRAPHIC", "XPRINT"},
    {12, "GRAPHIC", "XPRINT"},       {14, "GRAPHIC", "XPRINT"},
    {16, "GRAPHIC", "XPRINT"},       {18, "GRAPHIC", "XPRINT"},
    {32, "GRAPHIC", "XPRINT"},       {20, "GRAPHIC SET POS", "XPRINT SET POS"},
    {3, "GRAPHIC", "XPRINT"},        {24, "GRAPHIC", "XPRINT"},
    {33, "GRAPHIC", "XPRINT"},       {26, "GRAPHIC", "XPRINT"},
    {27, "GRAPHIC", "XPRINT"},       {28, "GRAPHIC", "XPRINT"},
    {30, "GRAPHIC", "XPRINT"},
};

}  // namespace

SectionTable ConvertToPrinterCode(SectionTable sections) {
    sections[8].clear();
    sections[9].clear();
    sections[10].clear();
    sections[6] = "   XPRINT ATTACH CHOOSE \r\n\r\n";
    sections[9] = "  XPRINT SCALE (0,0)-(" + S(801) + "," + S(1056) + ")\r\n";
    for (const Replacement& r : kReplacements) ReplaceAll(sections[r.section], r.from, r.to);
    sections[31].clear();
    sections[29].clear();
    sections[34] = "   XPRINT FORMFEED\r\n";
    sections[35].clear();
    sections[36] = "   XPRINT CLOSE\r\n";
    sections[37].clear();
    sections[38] = " END SUB\r\n\r\n";
    return sections;
}

}  // namespace gridlet
