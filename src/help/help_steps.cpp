#include "help/help_steps.h"

#include <string_view>

#include "help/help_entries.h"
#include "platform/text_case.h"
#include "platform/trim.h"

namespace gridlet {
namespace {

constexpr std::string_view kEscapeKey = "\x1B";

std::string TrimmedUpperCase(std::string_view text) {
    std::string result(Trim(text));
    for (char& ch : result) ch = UpperCase(ch);
    return result;
}

bool Leaves(const HelpInput& input) {
    return input.kind == HelpInput::Kind::RightClick ||
           (input.kind == HelpInput::Kind::Key && input.key == kEscapeKey);
}

// A click off the entries keeps the selection as it was.
std::string Selection(const std::string& selection, const HelpInput& input) {
    if (input.kind == HelpInput::Kind::Key) return TrimmedUpperCase(input.key);
    if (input.col < kHelpEntryLeftCol || input.col > kHelpEntryRightCol) return selection;
    for (const HelpEntry& entry : HelpEntries()) {
        if (entry.row == input.row) return std::string(entry.value);
    }
    return selection;
}

// The entry the selection names by its whole value or by its letter; -1 when none.
int ChosenPage(const std::string& selection) {
    const auto& entries = HelpEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view value = entries[i].value;
        if (selection == value || selection == value.substr(0, 1)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

HelpStep NextHelpStep(const HelpState& state, const HelpInput& input) {
    if (state.mode == HelpMode::Page) return {{HelpMode::Menu, state.selection}, HelpShow::Menu};
    if (Leaves(input)) return {state, HelpShow::Leave};
    HelpState next{HelpMode::Page, Selection(state.selection, input)};
    const int page = ChosenPage(next.selection);
    return {next, page < 0 ? HelpShow::Nothing : HelpShow::Page, page};
}

}  // namespace gridlet
