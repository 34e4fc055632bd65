#include "dialogs/line_input.h"

#include "platform/cell_text.h"
#include "platform/keys.h"

namespace gridlet {
namespace {

// The screen cell of the n-th character typed from the start place, counting along the rows.
bool CellOfCharacter(int startRow, int startCol, std::size_t n, int& row, int& col) {
    const std::size_t index =
        static_cast<std::size_t>((startRow - 1) * kScreenWidth + (startCol - 1)) + n;
    if (index >= static_cast<std::size_t>(kScreenWidth * kScreenHeight)) return false;
    row = static_cast<int>(index / kScreenWidth) + 1;
    col = static_cast<int>(index % kScreenWidth) + 1;
    return true;
}

void EraseLastCharacter(Console& console, int startRow, int startCol, std::size_t length) {
    int row = 0, col = 0;
    if (!CellOfCharacter(startRow, startCol, length, row, col)) return;
    console.Locate(row, col);
    console.Print(" ");
    console.Locate(row, col);
}

void EchoCharacter(Console& console, int startRow, int startCol, std::size_t index, char ch) {
    int row = 0, col = 0;
    if (!CellOfCharacter(startRow, startCol, index, row, col)) return;
    console.Locate(row, col);
    console.Print(std::string(1, static_cast<char>(CellCharacter(ch))));
    if (CellOfCharacter(startRow, startCol, index + 1, row, col)) console.Locate(row, col);
}

}  // namespace

std::string ReadConsoleLine(Console& console) {
    const int startRow = console.CursorRow();
    const int startCol = console.CursorCol();
    std::string line;
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.IsKey(kEnterKey)) return line;
        if (event.IsKey(kBackspaceKey)) {
            if (line.empty()) continue;
            line.pop_back();
            EraseLastCharacter(console, startRow, startCol, line.size());
            continue;
        }
        const auto typed = TypedCharacter(event);
        if (!typed || line.size() >= kMaxLineLength) continue;
        EchoCharacter(console, startRow, startCol, line.size(), *typed);
        line += *typed;
    }
}

std::string FirstInputField(std::string_view line) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    line.remove_prefix(start);
    if (line.front() == '"') {
        line.remove_prefix(1);
        return std::string(line.substr(0, line.find('"')));
    }
    std::string_view field = line.substr(0, line.find(','));
    const std::size_t end = field.find_last_not_of(' ');
    return std::string(field.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string LineAt(Console& console, int row, int col) {
    const std::uint8_t colours = console.Attribute();
    const std::uint8_t fieldColours = console.CellAt(row, col).attr;
    console.SetColor(fieldColours & 15, fieldColours >> 4);
    console.Locate(row, col);
    console.SetCursorVisible(true);
    const std::string line = ReadConsoleLine(console);
    console.SetCursorVisible(false);
    console.SetColor(colours & 15, colours >> 4);
    return line;
}

std::string InputField(Console& console, int row, int col) {
    return FirstInputField(LineAt(console, row, col));
}

}  // namespace gridlet
