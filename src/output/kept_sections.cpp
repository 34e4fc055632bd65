#include "output/kept_sections.h"

#include <charconv>
#include <cmath>
#include <string>

#include "codegen/number_form.h"
#include "model/kind_table.h"
#include "model/pixel_mapping.h"
#include "output/compose_program.h"

namespace gridlet {
namespace {

// A file may say anything; these bounds keep the pixel arithmetic of the tools within range. No
// design made on the 90 x 46 screen comes near them.
constexpr std::int32_t kWindowNumberLimit = 1'000'000;
constexpr std::int32_t kObjectNumberLimit = 2'000'000'000;

struct KeptNumber {
    Section section;
    std::int32_t Design::*field;
    std::int32_t limit;
};

// In file order: a later copy of the same field is the one that stays.
constexpr KeptNumber kKeptNumbers[] = {
    {Section::KeptWindowRightCol, &Design::windowRightCol, kWindowNumberLimit},
    {Section::KeptWindowLeftCol, &Design::windowLeftCol, kWindowNumberLimit},
    {Section::KeptWindowTopRow, &Design::windowTopRow, kWindowNumberLimit},
    {Section::KeptWindowBottomRow, &Design::windowBottomRow, kWindowNumberLimit},
    {Section::KeptWindowExists, &Design::windowExists, kWindowNumberLimit},
    {Section::KeptWindowX, &Design::windowLeftCol, kWindowNumberLimit},
    {Section::KeptWindowY, &Design::windowTopRow, kWindowNumberLimit},
    {Section::KeptWindowHeight, &Design::windowHeight, kWindowNumberLimit},
    {Section::KeptWindowWidth, &Design::windowWidth, kWindowNumberLimit},
    {Section::KeptObjectNumber, &Design::objectNumber, kObjectNumberLimit},
};

struct KeptText {
    Section section;
    std::string Design::*field;
};

// Besides the kinds' accumulators; sections 1 and 3 come back with what the composition added
// taken away (RestoreFromSections).
constexpr KeptText kKeptTexts[] = {
    {Section::TypeDecls, &Design::typeDecls},
    {Section::SupportFunctions, &Design::supportFunctions},
    {Section::SubHeader, &Design::subHeader},
    {Section::LocalDecls, &Design::localDecls},
    {Section::WindowCode, &Design::windowCode},
    {Section::WindowBackground, &Design::windowBackgroundCode},
    {Section::BackgroundPaint, &Design::backgroundPaintCode},
    {Section::BackLayer, &Design::backLayerCode},
    {Section::MainAssignments, &Design::mainAssignments},
};

// The kinds' accumulators that a section keeps as it is: all but the DoString body.
template <typename Visit>
void ForKeptAccumulators(Visit visit) {
    for (const KindEntry& kind : kKindTable) {
        if (kind.section != Section::DoStringRoutine)
            visit(KeptText{kind.section, kind.accumulator});
    }
}

// The globals without the line end the composition puts after them, nor the blank lines that
// files saved by earlier versions piled up there, one for each opening: the string variables'
// GLOBAL lines never end in a blank line.
std::string CalmGlobals(std::string text) {
    constexpr std::string_view kLineEnd = "\r\n";
    if (text.ends_with(kLineEnd)) text.resize(text.size() - kLineEnd.size());
    while (text == kLineEnd || text.ends_with("\r\n\r\n"))
        text.resize(text.size() - kLineEnd.size());
    return text;
}

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
    for (const KindEntry& kind : kKindTable) {
        if (!(design.*kind.accumulator).empty()) return true;
    }
    return !design.globalDecls.empty();
}

SectionTable SectionsToKeep(const Design& design) {
    SectionTable sections;
    if (DesignHoldsAnything(design)) {
        sections = ComposeSections(design, CodeForm::GraphicWindow);
    }
    sections[Section::DoStringRoutine] = Removed(sections[Section::DoStringRoutine], "END SUB");
    sections[Section::MainAssignments] = design.mainAssignments;
    for (const KeptNumber& kept : kKeptNumbers) sections[kept.section] = S(design.*kept.field);
    return sections;
}

void RestoreFromSections(const SectionTable& sections, Design& design) {
    design.globalDecls = CalmGlobals(Removed(sections[Section::GlobalDecls], "#BREAK ON"));
    design.doStringBody =
        Removed(Removed(sections[Section::DoStringRoutine], kDoStringOpening), kDoStringClosing);
    const auto restore = [&](const KeptText& kept) { design.*kept.field = sections[kept.section]; };
    for (const KeptText& kept : kKeptTexts) restore(kept);
    ForKeptAccumulators(restore);
    for (const KeptNumber& kept : kKeptNumbers) {
        design.*kept.field = NumberOf(sections[kept.section], kept.limit);
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
