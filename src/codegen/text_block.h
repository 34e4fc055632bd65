#pragma once
// The statement block of a text object: the font head, the start position, and one GRAPHIC PRINT
// per line with a line feed between lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

// The lines a text is printed in. Each typed line (CR LF ends one) is cut on its own: while it is
// longer than the width, the part up to the last blank within the width is taken off, trimmed of
// blanks, as one line; a word longer than the width gives up only its first character. A width
// below one counts as one, so every character gets a line of its own.
std::vector<std::string> WrapText(std::string_view text, int width);

struct TextPlacement {
    std::string_view text;  // trimmed of blanks at both ends
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t objectNumber = 0;
    int lineWidth = 0;  // characters: the column limit less the area's left column
};

std::string TextBlock(std::string_view fontHead, const TextPlacement& placement);

}  // namespace gridlet
