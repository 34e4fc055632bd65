#include "output/kept_sections.h"

#include <charconv>
#include <cmath>
#include <string>

#include "codegen/number_form.h"
#include "model/pixel_mapping.h"
#include "output/compose_program.h"

namespace gridlet {
namespace {

// A file may say anything; these bounds keep the pixel arithmetic of the tools within range. No
// design made on the 90 x 46 screen comes near them.
constexpr std::int32_t kWindowNumberLimit = 1'000'000;
constexpr std::int32_t kObjectNumberLimit = 2'000'000'000;

struct KeptNumber {
    int section;
    std::int32_t Design::*field;
    std::int32_t limit;
};

// In file order: a later copy of the same field is the one that stays.
constexpr KeptNumber kKeptNumbers[] = {
    {34, &Design::windowRightCol, kWindowNumberLimit},
    {35, &Design::windowLeftCol, kWindowNumberLimit},
    {36, &Design::windowTopRow, kWindowNumberLimit},
    {37, &Design::windowBottomRow, kWindowNumberLimit},
    {38, &Design::windowExists, kWindowNumberLimit},
    {39, &Design::windowLeftCol, kWindowNumberLimit},
    {40, &Design::windowTopRow, kWindowNumberLimit},
    {41, &Design::windowHeight, kWindowNumberLimit},
    {42, &Design::windowWidth, kWindowNumberLimit},
    {43, &Design::objectNumber, kObjectNumberLimit},
};

struct KeptText {
    int section;
    std::string Design::*field;
};

// Sections 1 and 3 come back with what the composition added taken away (RestoreFromSections).
constexpr KeptText kKeptTexts[] = {
    {2, &Design::typeDecls},
    {4, &Design::supportFunctions},
    {5, &Design::subHeader},
    {7, &Design::localDecls},
    {8, &Design::windowCode},
    {9, &Design::windowBackgroundCode},
    {10, &Design::backgroundPaintCode},
    {11, &Design::backLayerCode},
    {12, &Design::boxCode},
    {14, &Design::polygonCode},
    {16, &Design::ellipseCode},
    {18, &Design::starCode},
    {24, &Design::lineCode},
    {27, &Design::arcCode},
    {28, &Design::pieCode},
    {29, &Design::paintCode},
    {30, &Design::bitmapCode},
    {32, &Design::textCode},
    {47, &Design::mainAssignments},
};

std::string Removed(std::string text, std::string_view what) {
    for (std::size_t at; (at = text.find(what)) != std::string::npos;) text.erase(at, what.size());
    return text;
}

// The start of text that reads as a number: digits, a decimal point, an exponent (E or D).
std::string NumberText(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return {};
    std::string number;
    if (text[i] == '-' || text[i] == '+') {
        if (text[i] == '-') number += '-';
        ++i;
    }
    const auto digits = [&text, &i, &number] {
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) number += text[i];
    };
    digits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        digits();
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        if (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            number += exponent;
            i = j;
            digits();
        }
    }
    return number;
}

}  // namespace

bool DesignHoldsAnything(const Design& design) {
    if (design.windowExists != 0) return true;
    for (const KeptText& kept : kKeptTexts) {
        if (!(design.*kept.field).empty()) return true;
    }
    return !design.globalDecls.empty() || !design.doStringBody.empty();
}

SectionTable SectionsToKeep(const Design& design) {
    SectionTable sections{};
    if (DesignHoldsAnything(design)) {
        AreaRequests graphicWindowCode;
        graphicWindowCode.buildRequest = 1;
        sections = ComposeSections(design, graphicWindowCode, 0, {});
    }
    sections[3] = Removed(sections[3], "END SUB");
    sections[47] = design.mainAssignments;
    for (const KeptNumber& kept : kKeptNumbers) {
        sections[static_cast<std::size_t>(kept.section)] = S(design.*kept.field);
    }
    return sections;
}

void RestoreFromSections(const SectionTable& sections, Design& design) {
    const auto section = [&sections](int i) { return sections[static_cast<std::size_t>(i)]; };
    design.globalDecls = Removed(section(1), "#BREAK ON");
    design.doStringBody = Removed(Removed(section(3), kDoStringOpening), kDoStringClosing);
    for (const KeptText& kept : kKeptTexts) design.*kept.field = section(kept.section);
    for (const KeptNumber& kept : kKeptNumbers) {
        design.*kept.field = NumberOf(section(kept.section), kept.limit);
    }
}

std::int32_t NumberOf(std::string_view text, std::int32_t limit) {
    const std::string number = NumberText(text);
    double value = 0;
    const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    if (error == std::errc::invalid_argument) value = 0;
    if (error == std::errc::result_out_of_range) {
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0 : number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    const double bound = limit;
    return Nearest(std::fmax(-bound, std::fmin(bound, value)));
}

}  // namespace gridlet
