#include "design/object_rows.h"

#include <algorithm>

#include "design/object_points.h"
#include "model/kind_table.h"
#include "platform/cell_text.h"

namespace gridlet {
namespace {

constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kKindWidth = 15;
constexpr std::size_t kPositionWidth = 23;
constexpr std::string_view kGap = "  ";

enum class Colours { None, Edge, Fill, EdgeAndFill };

// The colours an object's statements are drawn in, as the properties menu lets them be chosen.
Colours ColoursOf(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Line:
        case ObjectKind::Arc:
        case ObjectKind::Star:
            return Colours::Edge;
        case ObjectKind::PaintReplace:
            return Colours::Fill;
        case ObjectKind::LineStep:
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            return Colours::None;
        default:
            return Colours::EdgeAndFill;
    }
}

std::string Field(std::string text, std::size_t width, bool right = false) {
    if (text.size() >= width) return text.substr(0, width);
    const std::string blanks(width - text.size(), ' ');
    return right ? blanks + text : text + blanks;
}

std::string Point(std::int32_t x, std::int32_t y) {
    std::string point = "(";
    point += std::to_string(x);
    point += ',';
    point += std::to_string(y);
    point += ')';
    return point;
}

std::string Position(const DesignObject& object) {
    const ObjectValues& v = object.values;
    if (object.kind == ObjectKind::StringVariable && !v.printed) return "not printed";
    std::string position = Point(v.x1, v.y1);
    if (PointsOf(object.kind).second) {
        position += '-';
        position += Point(v.x2, v.y2);
    }
    return position;
}

std::string ColourText(const DesignObject& object) {
    const Properties& p = object.values.properties;
    // A line as first placed is black whatever was chosen; a move's Preview gives it its colour.
    const std::string& edge =
        object.kind == ObjectKind::Line && !object.rebuilt ? std::string("0") : p.edgeColor;
    switch (ColoursOf(object.kind)) {
        case Colours::None:
            return {};
        case Colours::Edge:
            return "edge " + edge;
        case Colours::Fill:
            return "fill " + p.fillColor;
        case Colours::EdgeAndFill:
            return "edge " + edge + "  fill " + p.fillColor;
    }
    return {};
}

// The first line of a text, cut at a blank to room characters with "..." after it.
std::string FirstWords(const std::string& text, std::size_t room) {
    std::string line = text.substr(0, text.find("\r\n"));
    if (line.size() <= room) return line;
    constexpr std::string_view kMore = "...";
    if (room <= kMore.size()) return std::string(kMore.substr(0, room));
    line.resize(room - kMore.size());
    const std::size_t blank = line.find_last_of(' ');
    if (blank != std::string::npos && blank > 0) line.resize(blank);
    return line + std::string(kMore);
}

// What follows the colours: the words of a text, the name of a variable, the file of a bitmap.
std::string Naming(const DesignObject& object, std::size_t room) {
    const ObjectValues& v = object.values;
    switch (object.kind) {
        case ObjectKind::Text: {
            if (room < 2) return {};
            std::string quoted(1, '"');
            quoted += FirstWords(v.text, room - 2);
            quoted += '"';
            return quoted;
        }
        case ObjectKind::StringVariable:
            return v.name;
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            return v.bitmapPath;
        default:
            return {};
    }
}

}  // namespace

std::vector<std::size_t> ListedObjects(const Design& design) {
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < design.objects.size(); ++i) {
        if (!design.objects[i].leftover) listed.push_back(i);
    }
    // Newest first; an object keeps its number through every change.
    std::stable_sort(listed.begin(), listed.end(), [&](std::size_t a, std::size_t b) {
        return design.objects[a].number > design.objects[b].number;
    });
    return listed;
}

std::string ObjectRow(const DesignObject& object, std::size_t width) {
    std::string row = Field(std::to_string(object.number), kNumberWidth, true) + std::string(kGap);
    if (object.keptAsWritten) return Field(row + "kept as written", width);
    row += Field(std::string(KindOf(object.kind).name), kKindWidth) + std::string(kGap);
    row += Field(Position(object), kPositionWidth) + std::string(kGap);
    std::string rest = ColourText(object);
    // To front acts only on what was sent to the back, so the row says which those are.
    if (object.destination == Destination::BackLayer)
        rest = rest.empty() ? "at back" : "at back  " + rest;
    const std::size_t used = row.size() + rest.size() + (rest.empty() ? 0 : kGap.size());
    const std::string naming = Naming(object, width > used ? width - used : 0);
    if (!naming.empty()) rest += rest.empty() ? naming : std::string(kGap) + naming;
    return Field(CellText(row + rest), width);
}

}  // namespace gridlet
