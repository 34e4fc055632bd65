#pragma once
// The current properties: the six texts put into statements as they stand, the kind of object the
// properties menu is set up for, and the font of the next text. They last one pass, but for the
// line tool's kept width and colour and a chosen font head.

#include <cstdint>
#include <string>

namespace gridlet {

// The six properties, with their per-pass defaults.
struct Properties {
    std::string lineWidth = "2";
    std::string edgeColor = "0";
    std::string fillColor = "%WHITE";
    std::string fillStyle = "0";
    std::string polyFillMode = "0";
    std::string cornerSidesPoints = "0";

    bool operator==(const Properties&) const = default;
};

// The kind of object the properties menu is set up for: set by a right-strip button (or by the
// paint tools while they run) and let go by the command it starts.
enum class PropertiesTarget {
    None,
    Text,
    Star,
    Polygon,
    Rectangle,
    Ellipse,
    Line,
    Arc,
    Pie,
    Paint,
    PaintReplace,
};

// The logical-font record exchanged with the font chooser: height in pixels (negative for a
// character height), weight 400 or 700, flags non-zero when on, face name at most 31 characters.
struct LogicalFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;
};

// The font a text will have, as the font head set it: the text-entry dialog shows typed text in
// it, and the column limit of a text placed from the right strip follows its size. An empty face
// name means none is chosen.
struct ChosenTextFont {
    float pointSize = 0;
    std::int32_t weight = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeOut = 0;
    std::string faceName;
};

// The font and colour statements of the next text or string variable, kept until one is
// recorded.
struct TextFont {
    LogicalFont record;
    std::string fontHead;
    ChosenTextFont chosen;
};

struct CurrentProperties {
    Properties properties;
    bool lineKeepFlag = false;  // the line tool keeps its width and colour out of the reset
    PropertiesTarget target = PropertiesTarget::None;
    TextFont font;
};

}  // namespace gridlet
