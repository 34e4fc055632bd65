#include "codegen/font_head.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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
constexpr std::string_view kFontNew = "   FONT NEW ";

// The whole number a field of the line holds, blanks around it allowed.
std::optional<std::int32_t> Number(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    const std::size_t last = field.find_last_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    field = field.substr(first, last - first + 1);
    std::size_t digits = field.front() == '-' ? 1 : 0;
    if (digits == field.size()) return std::nullopt;
    std::int32_t value = 0;
    for (std::size_t i = digits; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9' || value > 99999) return std::nullopt;
        value = value * 10 + (field[i] - '0');
    }
    return digits == 1 ? -value : value;
}

// The face of a quoted literal at the start of text, doubled quotes read as one, and the rest
// of the text after it.
std::optional<std::pair<std::string, std::string_view>> QuotedFace(std::string_view text) {
    if (text.empty() || text.front() != '"') return std::nullopt;
    std::string face;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            face += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            face += '"';
            ++i;
        } else {
            return std::pair{face, text.substr(i + 1)};
        }
    }
    return std::nullopt;
}

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

std::optional<LogicalFont> FontRecordOf(std::string_view fontHead) {
    const std::size_t start = fontHead.find(kFontNew);
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view line = fontHead.substr(start + kFontNew.size());
    line = line.substr(0, line.find("\r\n"));
    const auto face = QuotedFace(line);
    if (!face) return std::nullopt;
    // Size, style, character set and width, each after a comma, then the handle.
    std::vector<std::int32_t> numbers;
    std::string_view rest = face->second;
    while (numbers.size() < 4) {
        if (rest.empty() || rest.front() != ',') return std::nullopt;
        rest.remove_prefix(1);
        const auto number = Number(rest.substr(0, rest.find(',')));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        rest.remove_prefix(std::min(rest.find(','), rest.size()));
    }
    const int style = numbers[1];
    LogicalFont record;
    record.height = -static_cast<std::int32_t>(std::lround(numbers[0] / kPointsPerPixel));
    record.weight = (style & 1) != 0 ? kBoldWeight : kNormalWeight;
    record.italic = (style & 2) != 0 ? 1 : 0;
    record.underline = (style & 4) != 0 ? 1 : 0;
    record.strikeOut = (style & 8) != 0 ? 1 : 0;
    record.charSet = static_cast<std::uint8_t>(numbers[2]);
    record.width = numbers[3];
    record.faceName = face->first;
    return record;
}

bool HasFontNew(std::string_view fontHead) {
    return fontHead.find("   FONT NEW ") != std::string_view::npos;
}

}  // namespace gridlet
