#include "output/read_blocks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "codegen/statement_emitter.h"
#include "codegen/text_block.h"
#include "design/object_block.h"
#include "output/block_pattern.h"

namespace gridlet {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// What a block is read into.
struct Fields {
    std::int32_t number = 0;
    ObjectValues values;
    std::int32_t again[3]{};  // what a block writes twice: a point, the number in a name
    std::int32_t inner[4]{};  // a star's inner points
};

int TagBlanks(Build build) {
    return build == Build::Placement ? 8 : 9;
}

void Tag(BlockPattern& p, Fields& f, int blanks) {
    p.Literal(std::string(static_cast<std::size_t>(blanks), ' ') + "' [[ ")
        .Number(f.number)
        .Literal("  ]] \r\n\r\n");
}

void Corners(BlockPattern& p, ObjectValues& v) {
    p.Literal("(").Number(v.x1).Literal(",").Number(v.y1).Literal(") - (").Number(v.x2);
    p.Literal(",").Number(v.y2).Literal(")");
}

void WidthLine(BlockPattern& p, Properties& properties) {
    p.Literal("   GRAPHIC WIDTH ").Text(properties.lineWidth).Literal("\r\n");
}

// One pattern for each kind's block and build form, as the statement emitter writes them.
BlockPattern PaintShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    p.Literal("   GRAPHIC PAINT (").Number(f.values.x1).Literal(",").Number(f.values.y1);
    p.Literal("),").Text(pr.fillColor).Literal(",").Text(pr.edgeColor).Literal(",");
    p.Text(pr.fillStyle);
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern PaintReplaceShape(Fields& f, Build) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    p.Literal("   GRAPHIC GET PIXEL (").Number(f.values.x1).Literal(", ").Number(f.values.y1);
    p.Literal(") TO lRes& \r\n\r\n   GRAPHIC PAINT REPLACE (").Number(f.again[0]).Literal(",");
    p.Number(f.again[1]).Literal("),").Text(pr.fillColor).Literal(", lRes&, ").Text(pr.fillStyle);
    p.Literal("        '").Number(f.number).Literal(" ENDPAINT\r\n\r\n");
    return p;
}

BlockPattern StarShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    ObjectValues& v = f.values;
    BlockPattern p;
    WidthLine(p, pr);
    p.Literal("   sPts = ").Text(pr.cornerSidesPoints);
    p.Literal(
        build == Build::Placement
            ? "\r\n   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and \r\n"
              "   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points\r\n"
            : "\r\n   RR1  = fDegree2Radian(180/sPts)\r\n   RR2  = fDegree2Radian(360/sPts)\r\n");
    p.Literal("\r\n   GRAPHIC_Star ").Number(v.x1).Literal(", ").Number(v.y1).Literal(", ");
    p.Number(v.x2).Literal(", ").Number(v.y2).Literal(", RR1, ").Number(f.inner[0]);
    p.Literal(", ").Number(f.inner[1]).Literal(", ").Number(f.inner[2]).Literal(", ");
    p.Number(f.inner[3]).Literal(", RR2, sPts,").Text(pr.edgeColor);
    Tag(p, f, TagBlanks(build));
    return p;
}

// GRAPHIC ARC or PIE, as far as its edge colour.
void ArcStatement(BlockPattern& p, Fields& f, std::string_view statement) {
    WidthLine(p, f.values.properties);
    p.Literal(statement);
    Corners(p, f.values);
    p.Literal(",").Text(f.values.arcStart).Literal(",").Text(f.values.arcEnd).Literal(",");
    p.Text(f.values.properties.edgeColor);
}

BlockPattern ArcShape(Fields& f, Build build) {
    BlockPattern p;
    ArcStatement(p, f, "   GRAPHIC ARC ");
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern PieShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    ArcStatement(p, f, "   GRAPHIC PIE ");
    p.Literal(",").Text(pr.fillColor).Literal(",").Text(pr.fillStyle);
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern LineStepShape(Fields& f, Build build) {
    BlockPattern p;
    p.Literal("   GRAPHIC LINE STEP - (").Number(f.values.x1).Literal(",").Number(f.values.y1);
    p.Literal(")");
    Tag(p, f, build == Build::Placement ? 8 : 7);
    return p;
}

BlockPattern BitmapShape(Fields& f, std::string_view render, int tagBlanks) {
    BlockPattern p;
    p.Literal(render).Text(f.values.bitmapPath).Literal("\", ");
    Corners(p, f.values);
    Tag(p, f, tagBlanks);
    return p;
}

BlockPattern StretchedBitmapShape(Fields& f, Build) {
    return BitmapShape(f, "   GRAPHIC RENDER \"", 8);
}

BlockPattern NaturalBitmapShape(Fields& f, Build) {
    return BitmapShape(f, " GRAPHIC RENDER \"", 9);
}

BlockPattern PolygonShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    ObjectValues& v = f.values;
    BlockPattern p;
    WidthLine(p, pr);
    p.Literal("   sPts = ").Text(pr.cornerSidesPoints);
    p.Literal("\r\n   RR1  = fDegree2Radian(180/sPts)\r\n   DIM tPpts").Number(f.again[0]);
    p.Literal(" AS LOCAL PolyArray\r\n   TYPE SET tPpts").Number(f.again[1]);
    p.Literal(" = fPolygon(").Number(v.x1).Literal(",").Number(v.y1).Literal(",").Number(v.x2);
    p.Literal(",").Number(v.y2).Literal(", RR1, sPts)\r\n   GRAPHIC POLYGON tPpts");
    p.Number(f.again[2]).Literal(",").Text(pr.edgeColor).Literal(",").Text(pr.fillColor);
    p.Literal(",").Text(pr.fillStyle).Literal(",").Text(pr.polyFillMode);
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern BoxShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    WidthLine(p, pr);
    p.Literal("   GRAPHIC BOX ");
    Corners(p, f.values);
    p.Literal(",").Text(pr.cornerSidesPoints).Literal(",").Text(pr.edgeColor).Literal(",");
    p.Text(pr.fillColor).Literal(",").Text(pr.fillStyle);
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern EllipseShape(Fields& f, Build build) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    WidthLine(p, pr);
    p.Literal("   GRAPHIC ELLIPSE ");
    Corners(p, f.values);
    p.Literal(",").Text(pr.edgeColor).Literal(",").Text(pr.fillColor).Literal(",");
    p.Text(pr.fillStyle);
    Tag(p, f, TagBlanks(build));
    return p;
}

BlockPattern LinePlacedShape(Fields& f, Build) {
    BlockPattern p;
    p.Literal("   GRAPHIC COLOR 0\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE ");
    Corners(p, f.values);
    Tag(p, f, 11);
    return p;
}

// A rebuilt line writes its colour and width lines only when it has them.
BlockPattern LineRebuiltShape(Fields& f, bool colour, bool width) {
    Properties& pr = f.values.properties;
    BlockPattern p;
    if (colour) {
        p.Literal("   GRAPHIC COLOR ").Text(pr.edgeColor).Literal("\r\n");
    } else {
        pr.edgeColor.clear();
    }
    if (width) {
        WidthLine(p, pr);
    } else {
        pr.lineWidth.clear();
    }
    p.Literal("   GRAPHIC LINE ");
    Corners(p, f.values);
    p.Literal("        '");
    Tag(p, f, 1);
    return p;
}

struct Shape {
    ObjectKind kind;
    Build build;
    BlockPattern (*pattern)(Fields&, Build);
};

// Rebuilt first: its tag stands a blank further on, and read as placed that blank would end the
// value before it.
constexpr Shape kShapes[] = {
    {ObjectKind::Paint, Build::Rebuild, PaintShape},
    {ObjectKind::Paint, Build::Placement, PaintShape},
    {ObjectKind::PaintReplace, Build::Placement, PaintReplaceShape},
    {ObjectKind::Star, Build::Rebuild, StarShape},
    {ObjectKind::Star, Build::Placement, StarShape},
    {ObjectKind::Arc, Build::Rebuild, ArcShape},
    {ObjectKind::Arc, Build::Placement, ArcShape},
    {ObjectKind::Pie, Build::Rebuild, PieShape},
    {ObjectKind::Pie, Build::Placement, PieShape},
    {ObjectKind::LineStep, Build::Rebuild, LineStepShape},
    {ObjectKind::LineStep, Build::Placement, LineStepShape},
    {ObjectKind::StretchedBitmap, Build::Placement, StretchedBitmapShape},
    {ObjectKind::NaturalBitmap, Build::Placement, NaturalBitmapShape},
    {ObjectKind::Polygon, Build::Rebuild, PolygonShape},
    {ObjectKind::Polygon, Build::Placement, PolygonShape},
    {ObjectKind::Box, Build::Rebuild, BoxShape},
    {ObjectKind::Box, Build::Placement, BoxShape},
    {ObjectKind::Ellipse, Build::Rebuild, EllipseShape},
    {ObjectKind::Ellipse, Build::Placement, EllipseShape},
    {ObjectKind::Line, Build::Placement, LinePlacedShape},
    {ObjectKind::Line, Build::Rebuild,
     [](Fields& f, Build) { return LineRebuiltShape(f, true, true); }},
    {ObjectKind::Line, Build::Rebuild,
     [](Fields& f, Build) { return LineRebuiltShape(f, true, false); }},
    {ObjectKind::Line, Build::Rebuild,
     [](Fields& f, Build) { return LineRebuiltShape(f, false, true); }},
    {ObjectKind::Line, Build::Rebuild,
     [](Fields& f, Build) { return LineRebuiltShape(f, false, false); }},
};

// Where the last count lines of code begin; code ends with a line end.
std::optional<std::size_t> StartOfLastLines(std::string_view code, int count) {
    std::size_t start = code.size();
    for (int i = 0; i < count; ++i) {
        if (start < kLineEnd.size()) return std::nullopt;
        const std::size_t lineEnd = start - kLineEnd.size();
        const std::size_t before =
            lineEnd == 0 ? std::string_view::npos : code.rfind(kLineEnd, lineEnd - 1);
        start = before == std::string_view::npos ? 0 : before + kLineEnd.size();
    }
    return start;
}

// The size a star was placed with is in its inner points only: the sizes near the ones its
// corners and inner points give are tried until the block comes back.
bool FindStarSize(DesignObject& star, const Fields& f, std::string_view block) {
    ObjectValues& v = star.values;
    const auto near = [](std::int64_t origin, std::int64_t far, std::int64_t inner) {
        const std::int64_t estimate = std::llround(static_cast<double>(inner - origin) / 0.725);
        return std::vector<std::int64_t>{far - origin, estimate, estimate - 1, estimate + 1};
    };
    for (const std::int64_t width : near(v.x1, v.x2, f.inner[2])) {
        for (const std::int64_t height : near(v.y1, v.y2, f.inner[3])) {
            if (width != static_cast<std::int32_t>(width) ||
                height != static_cast<std::int32_t>(height)) {
                continue;
            }
            v.starWidth = static_cast<std::int32_t>(width);
            v.starHeight = static_cast<std::int32_t>(height);
            if (BuildObjectBlock(star) == block) return true;
        }
    }
    return false;
}

struct Found {
    std::size_t start;  // where the object's block begins in the code read
    DesignObject object;
};

std::optional<Found> ReadDrawingAtEnd(std::string_view code, std::span<const ObjectKind> kinds) {
    for (const Shape& shape : kShapes) {
        if (std::find(kinds.begin(), kinds.end(), shape.kind) == kinds.end()) continue;
        Fields f;
        const BlockPattern pattern = shape.pattern(f, shape.build);
        const std::optional<std::size_t> start = StartOfLastLines(code, pattern.LineCount());
        if (!start) continue;
        const std::string_view block = code.substr(*start);
        if (!pattern.Match(block)) continue;
        DesignObject object;
        object.number = f.number;
        object.kind = shape.kind;
        object.values = f.values;
        object.block = block;
        object.rebuilt = shape.build == Build::Rebuild;
        const bool built = shape.kind == ObjectKind::Star ? FindStarSize(object, f, block)
                                                          : BuildObjectBlock(object) == block;
        if (built) return Found{*start, std::move(object)};
    }
    return std::nullopt;
}

// The lines of code that ends with a line end, without their line ends.
std::vector<std::string_view> LinesOf(std::string_view code) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < code.size();) {
        const std::size_t end = std::min(code.find(kLineEnd, at), code.size());
        lines.push_back(code.substr(at, end - at));
        at = end + kLineEnd.size();
    }
    return lines;
}

constexpr std::string_view kPrint = "   GRAPHIC PRINT ";
constexpr std::string_view kNextLine = "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)";

// The text of a string literal, its doubled quotes single again.
std::optional<std::string> Unquoted(std::string_view literal) {
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        text += literal[i];
        if (literal[i] != '"') continue;
        if (i + 2 >= literal.size() || literal[i + 1] != '"') return std::nullopt;
        ++i;
    }
    return text;
}

std::optional<std::string> PrintedLine(std::string_view line) {
    if (!line.starts_with(kPrint)) return std::nullopt;
    return Unquoted(line.substr(kPrint.size()));
}

// The lines a font head is made of: colour, font and blank lines.
bool IsHeadLine(std::string_view line) {
    return line.empty() || line.starts_with("   GRAPHIC COLOR ") ||
           line.starts_with("   FONT NEW ") || line == "   GRAPHIC SET FONT hFont";
}

// The typed text and line width that wrap into these lines. A line cut by the wrap lost the blank
// it was cut at, a line typed lost nothing; the narrowest width at which the lines, joined by a
// blank wherever that width would have cut them, wrap back into them is taken; else the lines
// were typed as they stand.
constexpr std::size_t kWidthsTried = 90;

std::string Joined(const std::vector<std::string>& lines, std::size_t width) {
    std::string text = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t word = std::min(lines[i].find(' '), lines[i].size());
        text += lines[i - 1].size() + 1 + word > width ? " " : kLineEnd;
        text += lines[i];
    }
    return text;
}

void FindTypedText(const std::vector<std::string>& lines, ObjectValues& v) {
    std::size_t widest = 1;
    for (const std::string& line : lines) widest = std::max(widest, line.size());
    for (std::size_t width = widest; width < widest + kWidthsTried; ++width) {
        std::string text = Joined(lines, width);
        if (WrapText(text, static_cast<int>(width)) == lines) {
            v.text = std::move(text);
            v.lineWidth = static_cast<std::int32_t>(width);
            return;
        }
    }
    v.text = Joined(lines, std::string::npos);
    v.lineWidth = static_cast<std::int32_t>(widest);
}

// A text's block at the end of code: its font head, start position, printed lines and tag.
std::optional<Found> ReadTextAtEnd(std::string_view code) {
    const std::vector<std::string_view> lines = LinesOf(code);
    std::size_t i = lines.size();
    // The line before the last one taken; an empty line once there is none.
    const auto take = [&lines, &i]() -> std::string_view { return i == 0 ? "\x01" : lines[--i]; };
    Fields f;
    ObjectValues& v = f.values;
    BlockPattern tag;
    tag.Literal("   FONT END hfont        ' [[ ").Number(f.number).Literal("  ]] ");
    if (!take().empty() || !tag.Match(take()) || !take().empty()) return std::nullopt;
    std::vector<std::string> printed;
    for (;;) {
        std::optional<std::string> text = PrintedLine(take());
        if (!text) return std::nullopt;
        printed.push_back(std::move(*text));
        if (i == 0 || lines[i - 1] != kNextLine) break;
        --i;
    }
    std::reverse(printed.begin(), printed.end());
    BlockPattern start;
    start.Literal("   Xs = ").Number(v.x1).Literal(" : Ys = ").Number(v.y1);
    if (take() != "   GRAPHIC SET POS ( Xs,  Ys)" ||
        take() != "   GRAPHIC CHR SIZE TO nWidth, nHeight" || !start.Match(take())) {
        return std::nullopt;
    }
    // The head runs back over its kind of lines, and starts with no blank one.
    const std::size_t startLine = i;
    std::size_t head = startLine;
    while (head > 0 && IsHeadLine(lines[head - 1])) --head;
    while (head < startLine && lines[head].empty()) ++head;
    const auto offset = [&code](std::string_view line) {
        return static_cast<std::size_t>(line.data() - code.data());
    };
    const std::size_t blockStart = offset(lines[head]);
    v.fontHead = code.substr(blockStart, offset(lines[startLine]) - blockStart);
    FindTypedText(printed, v);
    DesignObject object;
    object.number = f.number;
    object.kind = ObjectKind::Text;
    object.values = std::move(v);
    object.block = code.substr(blockStart);
    if (BuildObjectBlock(object) != object.block) return std::nullopt;
    return Found{blockStart, std::move(object)};
}

// A tag line ends a block when a blank line follows it.
bool IsTagLine(std::string_view line) {
    return (line.ends_with("  ]] ") && line.find("' [[ ") != std::string_view::npos) ||
           (line.ends_with(" ENDPAINT") && line.find('\'') != std::string_view::npos);
}

// The stretches of code that end with a tag line and its blank line; what follows the last is
// the rest.
std::vector<std::string_view> Segments(std::string_view code, std::string_view& rest) {
    std::vector<std::string_view> segments;
    std::size_t segmentStart = 0;
    for (std::size_t at = 0;;) {
        const std::size_t end = code.find(kLineEnd, at);
        if (end == std::string_view::npos) break;
        const std::size_t next = end + kLineEnd.size();
        if (IsTagLine(code.substr(at, end - at)) && code.substr(next).starts_with(kLineEnd)) {
            const std::size_t segmentEnd = next + kLineEnd.size();
            segments.push_back(code.substr(segmentStart, segmentEnd - segmentStart));
            segmentStart = segmentEnd;
            at = segmentEnd;
        } else {
            at = next;
        }
    }
    rest = code.substr(segmentStart);
    return segments;
}

}  // namespace

DesignObject KeptAsWritten(ObjectKind kind, std::string_view code) {
    DesignObject object;
    object.kind = kind;
    object.block = code;
    object.keptAsWritten = true;
    return object;
}

std::vector<DesignObject> ReadTaggedBlocks(std::string_view code, std::span<const ObjectKind> kinds,
                                           ObjectKind keptKind) {
    std::vector<DesignObject> pieces;
    // Code kept as written joins the piece kept just before it.
    const auto keep = [&pieces, keptKind](std::string_view kept) {
        if (kept.empty()) return;
        if (!pieces.empty() && pieces.back().keptAsWritten) {
            pieces.back().block += kept;
        } else {
            pieces.push_back(KeptAsWritten(keptKind, kept));
        }
    };
    const bool texts = std::find(kinds.begin(), kinds.end(), ObjectKind::Text) != kinds.end();
    std::string_view rest;
    for (const std::string_view segment : Segments(code, rest)) {
        std::optional<Found> found = ReadDrawingAtEnd(segment, kinds);
        if (!found && texts) found = ReadTextAtEnd(segment);
        if (!found) {
            keep(segment);
            continue;
        }
        keep(segment.substr(0, found->start));
        pieces.push_back(std::move(found->object));
    }
    keep(rest);
    return pieces;
}

}  // namespace gridlet
