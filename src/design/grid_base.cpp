#include "design/grid_base.h"

#include "design/grid_markers.h"
#include "design/window_command.h"
#include "interact/main_screen_art.h"
#include "model/screen_layout.h"

namespace gridlet {
namespace {

// Bytes a cell in a screen buffer (character, 0, attribute, 0) and in an image (character,
// attribute).
constexpr std::size_t kBufferCell = 4;
constexpr std::size_t kImageCell = 2;

constexpr auto kClearedAttribute =
    static_cast<char>((kClearedBackground << 4) | kClearedForeground);

// What the cell showed before the first object: the main screen's grid, or, once there is a
// window, the cleared screen outside it.
void PutPristine(std::string& buffer, std::size_t index, const Design& design) {
    const int row = static_cast<int>(index / kScreenWidth) + 1;
    const int col = static_cast<int>(index % kScreenWidth) + 1;
    const CellRect window{design.windowTopRow, design.windowLeftCol, design.windowBottomRow,
                          design.windowRightCol};
    char* cell = &buffer[index * kBufferCell];
    if (design.windowExists != 0 && !window.Contains(row, col)) {
        cell[0] = ' ';
        cell[2] = kClearedAttribute;
        return;
    }
    cell[0] = kMainScreen.bytes[index * kImageCell];
    cell[2] = kMainScreen.bytes[index * kImageCell + 1];
}

}  // namespace

std::string GridBaseOf(Screen& screen, const Design& design, const std::string& storedScreen) {
    // The marks drawn over cells of nothing but zeros show which cells they cover.
    constexpr std::size_t kCells = std::size_t{kScreenWidth} * kScreenHeight;
    screen.RestoreScreen(std::string(kCells * kBufferCell, '\0'));
    for (const DesignObject& object : design.objects) DrawMark(screen, object.mark);
    std::string drawn;
    screen.SaveScreen(drawn);
    screen.RestoreScreen(storedScreen);

    std::string base = storedScreen;
    for (std::size_t index = 0; index < kCells; ++index) {
        const char* cell = &drawn[index * kBufferCell];
        const bool covered = cell[0] != '\0' || cell[2] != '\0';
        const int row = static_cast<int>(index / kScreenWidth) + 1;
        const int col = static_cast<int>(index % kScreenWidth) + 1;
        if (covered && kDesignGrid.Contains(row, col)) PutPristine(base, index, design);
    }
    return base;
}

}  // namespace gridlet
