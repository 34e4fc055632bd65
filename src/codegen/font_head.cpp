#include "codegen/font_head.h"

#include <cstdlib>

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"
#include "codegen/string_literal.h"
#include "model/pixel_mapping.h"
#include "platform/text_case.h"

namespace gridlet {

const std::string_view kTextDefaultFontHead =
    "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
    "   GRAPHIC SET FONT hFont\r\n"
    "   GRAPHIC COLOR %BLACK, %WHITE \r\n";

const std::string_view kStringDefaultFontHead =
    "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
    "   GRAPHIC SET FONT hFont\r\n\r\n";

namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kOemCharSet = 255;
constexpr double kPointsPerPixel = 72.0 / 96.0;

}  // namespace

int FontSize(const LogicalFont& record) {
    return Nearest(std::abs(static_cast<double>(record.height)) * kPointsPerPixel);
}

int FontStyle(const LogicalFont& record) {
    if (record.weight != kNormalWeight && record.weight != kBoldWeight) return 1;
    return (record.weight == kBoldWeight ? 1 : 0) + (record.italic != 0 ? 2 : 0) +
           (record.underline != 0 ? 4 : 0) + (record.strikeOut != 0 ? 8 : 0);
}

int FontCharSet(const LogicalFont& record) {
    if (EqualIgnoringCase(record.faceName, "CONSOLAS") ||
        EqualIgnoringCase(record.faceName, "LUCIDA CONSOLE")) {
        return kOemCharSet;
    }
    return record.charSet;
}

ChosenTextFont ChosenFontOf(const LogicalFont& record) {
    return {static_cast<float>(FontSize(record)),
            record.weight,
            record.italic,
            record.underline,
            record.strikeOut,
            record.faceName};
}

std::string FontHeadFor(const LogicalFont& record, std::string fontHead, std::string_view edgeColor,
                        std::string_view fillColor) {
    if (!edgeColor.empty()) fontHead = ColourLine(edgeColor, fillColor) + "\r\n";
    fontHead += "   FONT NEW ";
    fontHead += Quoted(record.faceName);
    fontHead += ", " + S(FontSize(record)) + ", " + S(FontStyle(record)) + ", " +
                S(FontCharSet(record)) + ", " + S(record.width) + ", esc TO hFont\r\n";
    fontHead += "   GRAPHIC SET FONT hFont\r\n\r\n";
    return fontHead;
}

bool HasFontNew(std::string_view fontHead) {
    return fontHead.find("   FONT NEW ") != std::string_view::npos;
}

}  // namespace gridlet
