#include "platform/cell_text.h"

#include "platform/cp1252.h"
#include "platform/cp437.h"

namespace gridlet {

std::uint8_t CellCharacter(char cp1252) {
    if (static_cast<unsigned char>(cp1252) < 0x80) return static_cast<std::uint8_t>(cp1252);
    const std::string utf8 = Cp1252ToUtf8(std::string_view(&cp1252, 1));
    std::size_t pos = 0;
    return UnicodeToCp437(DecodeUtf8(utf8, pos)).value_or(static_cast<std::uint8_t>('?'));
}

std::string CellText(std::string_view cp1252) {
    std::string cells;
    for (char ch : cp1252) cells += static_cast<char>(CellCharacter(ch));
    return cells;
}

std::string RowOfCells(std::string_view utf8, std::size_t width) {
    std::string cells = CellText(Utf8ToCp1252(utf8));
    if (cells.size() > width) {
        constexpr std::string_view kCut = "...";
        const std::size_t head = (width - kCut.size()) / 2;
        const std::size_t tail = width - kCut.size() - head;
        cells = cells.substr(0, head) + std::string(kCut) + cells.substr(cells.size() - tail);
    }
    cells.resize(width, ' ');
    return cells;
}

}  // namespace gridlet
