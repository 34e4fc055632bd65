#include "platform/size_notice.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "platform/ansi_writer.h"
#include "platform/console.h"

namespace gridlet {

std::string SizeNotice(int columns, int rows) {
    const std::vector<std::string> lines = {
        "Gridlet needs a terminal of " + std::to_string(kScreenWidth) + " x " +
            std::to_string(kScreenHeight) + " characters.",
        "This one has " + std::to_string(columns) + " x " + std::to_string(rows) + ".",
        "Please make it larger.",
        "q or Ctrl+C quits",
    };
    std::string out = kClearScreen;
    const int shown = std::min(rows, static_cast<int>(lines.size()));
    const int top = (rows - shown) / 2 + 1;
    for (int i = 0; i < shown; ++i) {
        const std::string line = lines[static_cast<std::size_t>(i)].substr(
            0, static_cast<std::size_t>(std::max(0, columns)));
        const int left = (columns - static_cast<int>(line.size())) / 2 + 1;
        out += MoveTo(top + i, left) + line;
    }
    return out;
}

bool QuitsAtSizeNotice(const InputEvent& event) {
    const auto* key = std::get_if<KeyInput>(&event);
    return key != nullptr && (key->byte == 'q' || key->byte == 'Q' || key->byte == '\x03');
}

}  // namespace gridlet
