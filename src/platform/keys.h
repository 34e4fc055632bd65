#pragma once
// The keys the program answers to: plain keys by their byte, extended keys by their scan code.

#include <cstdint>
#include <string_view>

namespace gridlet {

constexpr char kEnterKey = 13;
constexpr char kEscKey = 27;
constexpr char kTabKey = 9;
constexpr char kBackspaceKey = 8;
constexpr char kSuspendKey = 26;  // Ctrl+Z
constexpr char kRedoKey = 25;     // Ctrl+Y
constexpr char kSaveKey = 19;     // Ctrl+S, which raw mode hands over rather than stopping output

constexpr int kScanF1 = 59;
constexpr int kScanF2 = 60;
constexpr int kScanF3 = 61;
constexpr int kScanHome = 71;
constexpr int kScanUp = 72;
constexpr int kScanLeft = 75;
constexpr int kScanRight = 77;
constexpr int kScanEnd = 79;
constexpr int kScanDown = 80;
constexpr int kScanDelete = 83;
constexpr int kScanF12 = 134;

// The command code of an extended key: its zero byte low, its scan code high.
constexpr std::int16_t ExtendedKeyCode(int scanCode) {
    return static_cast<std::int16_t>(scanCode << 8);
}

// The scan code of Alt with a letter: the letter key's place on the keyboard, row by row. 0 for a
// key that is no letter.
constexpr int AltLetterScanCode(char letter) {
    constexpr std::string_view kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    constexpr int kFirstCodes[] = {16, 30, 44};
    const char lower =
        letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
    for (int row = 0; row < 3; ++row) {
        const std::size_t place = kRows[row].find(lower);
        if (place != std::string_view::npos) return kFirstCodes[row] + static_cast<int>(place);
    }
    return 0;
}

}  // namespace gridlet
