#pragma once
// What help does with each input. The menu waits for a choice; a page, or nothing when the choice
// named no page, waits for any input and then gives way to the menu again.

#include <string>

namespace gridlet {

enum class HelpMode { Menu, Page };

struct HelpState {
    HelpMode mode = HelpMode::Menu;
    std::string selection;  // the last choice; outlives each opening of help
};

struct HelpInput {
    enum class Kind { Key, LeftClick, RightClick };
    Kind kind = Kind::Key;
    std::string key;  // the key's text
    int row = 0;      // the cell of a click
    int col = 0;
};

enum class HelpShow { Leave, Menu, Page, Nothing };

struct HelpStep {
    HelpState next;
    HelpShow show = HelpShow::Nothing;
    int page = -1;  // the entry whose page to show
};

HelpStep NextHelpStep(const HelpState& state, const HelpInput& input);

}  // namespace gridlet
