#include "interact/dialog_kit.h"

namespace gridlet {

ConsoleEvent ReadDialogInput(Console& console) {
    console.SetMouseEvents(kLeftButton, kPress);
    return console.ReadEvent();
}

void PrintField(Screen& screen, int row, int col, int width, int attribute,
                const std::string& text) {
    std::string shown = text.substr(0, static_cast<std::size_t>(width));
    shown.resize(static_cast<std::size_t>(width), ' ');
    screen.PrintAt(row, col, attribute & 15, attribute >> 4, shown);
}

bool EditNumberField(std::string& text, std::size_t width, bool& fresh, const ConsoleEvent& key) {
    const std::optional<char> typed = TypedCharacter(key);
    const bool digit = typed && *typed >= '0' && *typed <= '9';
    if (!digit && !key.IsKey(kBackspaceKey)) return false;
    if (fresh) text.clear();
    fresh = false;
    if (digit && text.size() < width) {
        text += *typed;
    } else if (!digit && !text.empty()) {
        text.pop_back();
    }
    return true;
}

}  // namespace gridlet
