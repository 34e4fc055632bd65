// A design's code read back as the objects that wrote it: every kind and place, the values each
// block holds, numbers and undo; and code that is no object's block kept as written.

#include "output/recover_objects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "codegen/font_head.h"
#include "codegen/string_variable.h"
#include "design/object_block.h"
#include "model/accumulators.h"
#include "model/design_changes.h"
#include "support/console_fixture.h"
#include "support/window_design.h"

namespace gridlet {

// Values in failure messages.
void PrintTo(const ObjectValues& v, std::ostream* out) {
    const Properties& p = v.properties;
    *out << "(" << v.x1 << "," << v.y1 << ")-(" << v.x2 << "," << v.y2 << ") star " << v.starWidth
         << "x" << v.starHeight << " arc " << v.arcStart << ".." << v.arcEnd << " bitmap "
         << v.bitmapPath << " properties " << p.lineWidth << "|" << p.edgeColor << "|"
         << p.fillColor << "|" << p.fillStyle << "|" << p.polyFillMode << "|" << p.cornerSidesPoints
         << " text " << v.text << " width " << v.lineWidth << " name " << v.name
         << (v.printed ? " printed" : "");
}

namespace {

DesignObject Built(DesignObject object) {
    object.block = BuildObjectBlock(object);
    return object;
}

DesignObject Drawing(ObjectKind kind, int number, ObjectValues values, bool rebuilt = false,
                     Destination destination = Destination::Kind) {
    DesignObject object;
    object.number = number;
    object.kind = kind;
    object.values = std::move(values);
    object.rebuilt = rebuilt;
    object.destination = destination;
    return Built(std::move(object));
}

ObjectValues Corners(int x1, int y1, int x2, int y2, Properties properties = {}) {
    ObjectValues v;
    v.x1 = x1;
    v.y1 = y1;
    v.x2 = x2;
    v.y2 = y2;
    v.properties = std::move(properties);
    return v;
}

DesignObject Text(int number, const std::string& text, int lineWidth, int x, int y) {
    DesignObject object;
    object.number = number;
    object.kind = ObjectKind::Text;
    object.values.fontHead = kTextDefaultFontHead;
    object.values.text = text;
    object.values.lineWidth = lineWidth;
    object.values.x1 = x;
    object.values.y1 = y;
    return Built(std::move(object));
}

DesignObject Variable(int number, const std::string& name, bool printed, int x = 0, int y = 0) {
    DesignObject object;
    object.number = number;
    object.kind = ObjectKind::StringVariable;
    object.values.fontHead = kStringDefaultFontHead;
    object.values.name = name;
    object.values.printed = printed;
    object.values.x1 = x;
    object.values.y1 = y;
    return Built(std::move(object));
}

// Properties other than the defaults, only those the kind's block writes.
Properties Styled(bool width = true) {
    Properties p;
    if (width) p.lineWidth = "5";
    p.edgeColor = "%RED";
    p.fillColor = "RGB(1,2,3)";
    p.fillStyle = "3";
    return p;
}

Properties Cornered() {
    Properties p = Styled();
    p.cornerSidesPoints = "20";
    return p;
}

Properties Sided() {
    Properties p = Styled();
    p.polyFillMode = "1";
    p.cornerSidesPoints = "7";
    return p;
}

Properties EdgeAndWidth() {
    Properties p;
    p.lineWidth = "3";
    p.edgeColor = "%BLUE";
    return p;
}

ObjectValues Star(int x1, int y1, int width, int height) {
    ObjectValues v = Corners(x1, y1, x1 + width, y1 + height);
    v.starWidth = width;
    v.starHeight = height;
    v.properties.cornerSidesPoints = "5";
    return v;
}

ObjectValues Arc(ObjectValues v, const std::string& start, const std::string& end) {
    v.arcStart = start;
    v.arcEnd = end;
    return v;
}

ObjectValues Bitmap(ObjectValues v, const std::string& path) {
    v.bitmapPath = path;
    return v;
}

ObjectValues WithoutColourAndWidth(ObjectValues v) {
    v.properties.edgeColor.clear();
    v.properties.lineWidth.clear();
    return v;
}

// What Undo leaves of a placement, as the tools record it: a string variable's font head.
std::optional<DesignObject> LeftOf(const DesignObject& object) {
    if (object.kind != ObjectKind::StringVariable) return std::nullopt;
    DesignObject leftover;
    leftover.number = object.number;
    leftover.kind = object.kind;
    leftover.block = object.values.fontHead;
    leftover.leftover = true;
    return leftover;
}

// What a design file gives back of a design: its code and numbers, no objects.
Design CodeOnly(const Design& design) {
    Design code = design;
    code.objects.clear();
    code.history = {};
    return code;
}

struct RecoverCase {
    const char* name;
    std::vector<DesignObject> objects;
};

void PrintTo(const RecoverCase& c, std::ostream* out) {
    *out << c.name;
}

class RecoverObjectsTest : public ConsoleFixture, public testing::WithParamInterface<RecoverCase> {
  protected:
    RecoveredObjects Recover(const Design& code) {
        return RecoverObjects(screen, code, std::string(4 * kScreenWidth * kScreenHeight, ' '));
    }
};

TEST_P(RecoverObjectsTest, EachBlockComesBackAsTheObjectThatWroteIt) {
    design = WindowDesign();
    for (const DesignObject& object : GetParam().objects) {
        if (object.kind == ObjectKind::StringVariable)
            design.globalDecls += StringGlobalLine(object.values.name);
        design.objectNumber = std::max(design.objectNumber, object.number);
        RecordPlacement(design, object, LeftOf(object));
    }
    const Design code = CodeOnly(design);

    RecoveredObjects recovered = Recover(code);
    ASSERT_EQ(recovered.objects.size(), design.objects.size());
    for (std::size_t i = 0; i < design.objects.size(); ++i) {
        const DesignObject& placed = design.objects[i];
        const DesignObject& back = recovered.objects[i];
        SCOPED_TRACE(placed.block);
        EXPECT_FALSE(back.keptAsWritten);
        EXPECT_EQ(back.number, placed.number);
        EXPECT_EQ(back.kind, placed.kind);
        EXPECT_EQ(back.values, placed.values);
        EXPECT_EQ(back.block, placed.block);
        EXPECT_EQ(back.destination, placed.destination);
        EXPECT_EQ(back.rebuilt, placed.rebuilt);
    }

    // Undo takes back the newest object, as it does in the design as placed.
    Design reopened = code;
    reopened.objects = std::move(recovered.objects);
    reopened.history = std::move(recovered.history);
    ASSERT_TRUE(UndoChange(design));
    ASSERT_TRUE(UndoChange(reopened));
    for (auto text : {&Design::boxCode, &Design::starCode, &Design::lineCode, &Design::textCode,
                      &Design::paintCode, &Design::backLayerCode, &Design::doStringBody,
                      &Design::bitmapCode, &Design::backgroundPaintCode}) {
        EXPECT_EQ(reopened.*text, design.*text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, RecoverObjectsTest,
    testing::Values(
        RecoverCase{
            "DrawingKinds",
            {Drawing(ObjectKind::Box, 1, Corners(10, 20, 300, 200, Cornered())),
             Drawing(ObjectKind::Ellipse, 2, Corners(-40, -7, 0, 2, Styled())),
             Drawing(ObjectKind::Polygon, 3, Corners(5, 5, 90, 90, Sided())),
             Drawing(ObjectKind::Star, 4, Star(100, 120, 118, 134)),
             Drawing(ObjectKind::Arc, 5, Arc(Corners(1, 2, 3, 4), "0", "3.14")),
             Drawing(ObjectKind::Pie, 6, Arc(Corners(9, 8, 70, 60, Styled()), ".5", "1")),
             Drawing(ObjectKind::Line, 7, Corners(0, 0, 603, 343)),
             Drawing(ObjectKind::LineStep, 8, Corners(44, 55, 0, 0)),
             Drawing(ObjectKind::Paint, 9, Corners(12, 13, 0, 0, Styled(false))),
             Drawing(ObjectKind::PaintReplace, 10, Corners(14, 15, 0, 0)),
             Drawing(ObjectKind::StretchedBitmap, 11,
                     Bitmap(Corners(0, 0, 200, 50), "pics/a b.bmp")),
             Drawing(ObjectKind::NaturalBitmap, 12, Bitmap(Corners(20, 30, 220, 80), "pic.bmp"))}},
        RecoverCase{"MovedBlocks",
                    {Drawing(ObjectKind::Box, 1, Corners(11, 21, 301, 201, Cornered()), true),
                     Drawing(ObjectKind::Star, 2, Star(101, 121, 118, 134), true),
                     Drawing(ObjectKind::Line, 3, Corners(1, 1, 9, 9, EdgeAndWidth()), true),
                     Drawing(ObjectKind::Line, 4, WithoutColourAndWidth(Corners(2, 2, 8, 8)), true),
                     Drawing(ObjectKind::LineStep, 5, Corners(45, 56, 0, 0), true),
                     Drawing(ObjectKind::Paint, 6, Corners(13, 14, 0, 0), true)}},
        RecoverCase{
            "BackgroundAndBackLayer",
            {Drawing(ObjectKind::Paint, 1, Corners(50, 60, 0, 0), false, Destination::Background),
             Drawing(ObjectKind::Box, 2, Corners(1, 2, 3, 4), true, Destination::BackLayer),
             Drawing(ObjectKind::Ellipse, 3, Corners(5, 6, 7, 8)),
             Drawing(ObjectKind::Pie, 4, Arc(Corners(1, 1, 50, 50), "1", "2"), true,
                     Destination::BackLayer),
             Text(5, "Behind", 6, 97, 508)}},
        RecoverCase{
            "TextsAndVariables",
            {Variable(1, "sFirst", false), Text(2, "Say \"hi\" to everyone here", 13, 555, 25),
             Variable(3, "sSecond", true, 554, 128),
             Drawing(ObjectKind::Box, 4, Corners(1, 2, 3, 4)), Text(5, "\"\"", 2, 0, 0),
             Variable(6, "sThird", true, -3, 9)}}),
    [](const testing::TestParamInfo<RecoverCase>& testCase) { return testCase.param.name; });

class KeptAsWrittenTest : public ConsoleFixture {
  protected:
    Design Placed() {
        Design placed = WindowDesign();
        placed.objectNumber = 3;
        RecordPlacement(placed, Drawing(ObjectKind::Box, 1, Corners(10, 20, 300, 200)));
        RecordPlacement(placed, Drawing(ObjectKind::Box, 2, Corners(11, 21, 301, 201)));
        RecordPlacement(placed, Drawing(ObjectKind::Box, 3, Corners(12, 22, 302, 202)));
        return placed;
    }
    RecoveredObjects Recover(const Design& code) {
        return RecoverObjects(screen, code, std::string(4 * kScreenWidth * kScreenHeight, ' '));
    }
};

// The middle box changed by hand: its block no longer builds from values, so it stays as code,
// its own piece between the two boxes still read; it has no placement to undo, and deleting it
// takes its code away.
TEST_F(KeptAsWrittenTest, ABlockChangedByHandStaysAsCodeAndCanBeDeleted) {
    const Design placed = Placed();
    Design code = CodeOnly(placed);
    const std::string middle = placed.objects[1].block;
    const std::string edited =
        "   GRAPHIC WIDTH 2\r\n   GRAPHIC BOX (11, 21) - (301, 201),0,0,%RED,0"
        "   ' mine [[  2  ]] \r\n\r\n";
    code.boxCode.replace(code.boxCode.find(middle), middle.size(), edited);

    RecoveredObjects recovered = Recover(code);
    ASSERT_EQ(recovered.objects.size(), 3u);
    EXPECT_EQ(recovered.objects[0].block, placed.objects[0].block);
    EXPECT_FALSE(recovered.objects[0].keptAsWritten);
    EXPECT_TRUE(recovered.objects[1].keptAsWritten);
    EXPECT_EQ(recovered.objects[1].block, edited);
    EXPECT_EQ(recovered.objects[2].number, 3);
    EXPECT_FALSE(recovered.objects[2].keptAsWritten);
    EXPECT_EQ(recovered.history.done.size(), 2u) << "code kept as written was never placed";

    Design reopened = code;
    reopened.objects = recovered.objects;
    MakeChange(reopened, {1, recovered.objects[1], 1, std::nullopt});
    EXPECT_EQ(reopened.boxCode, placed.objects[0].block + placed.objects[2].block);
}

TEST_F(KeptAsWrittenTest, CodeThatIsNoBlockStaysAsWrittenInItsPlace) {
    const Design placed = Placed();
    struct Case {
        const char* name;
        std::string before;  // put in front of the boxes
        std::string after;   // put after them
    };
    const Case cases[] = {
        {"untagged statements", "   GRAPHIC PRINT \"Hello, world\"\r\n\r\n", ""},
        {"a tag with no number", "", "   GRAPHIC CLEAR        ' [[  x  ]] \r\n\r\n"},
        {"a number too large", "",
         "   GRAPHIC WIDTH 2\r\n   GRAPHIC BOX (1, 2) - (99999999999, 4),0,0,%WHITE,0        "
         "' [[  4  ]] \r\n\r\n"},
        {"no line end at the end", "", "   GRAPHIC CLEAR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Design code = CodeOnly(placed);
        code.boxCode = c.before + code.boxCode + c.after;
        const RecoveredObjects recovered = Recover(code);
        std::vector<DesignObject> objects = recovered.objects;
        const auto kept = std::count_if(objects.begin(), objects.end(),
                                        [](const DesignObject& o) { return o.keptAsWritten; });
        EXPECT_EQ(kept, 1);
        EXPECT_EQ(objects.size(), 4u);
        Design written = code;
        written.objects = objects;
        WriteAccumulators(written);
        EXPECT_EQ(written.boxCode, code.boxCode);
        EXPECT_EQ(recovered.history.done.size(), 3u);
    }
}

// Whatever a file's code holds, changed anywhere, the objects read from it write it back byte for
// byte, and undoing every placement and making each again leaves it so.
TEST_F(KeptAsWrittenTest, AnyCodeIsWrittenBackAsItStands) {
    Design placed = WindowDesign();
    const DesignObject objects[] = {
        Drawing(ObjectKind::Box, 1, Corners(10, 20, 300, 200, Cornered())),
        Drawing(ObjectKind::Star, 2, Star(100, 120, 118, 134)),
        Drawing(ObjectKind::Line, 3, Corners(0, 0, 603, 343)),
        Drawing(ObjectKind::Paint, 4, Corners(12, 13, 0, 0, Styled(false))),
        Drawing(ObjectKind::PaintReplace, 5, Corners(14, 15, 0, 0)),
        Text(6, "Say \"hi\" to everyone here", 13, 555, 25),
        Variable(7, "sA", true, 3, 4),
        Variable(8, "sB", false),
        Drawing(ObjectKind::Box, 9, Corners(1, 2, 3, 4), true, Destination::BackLayer),
        Drawing(ObjectKind::Pie, 10, Arc(Corners(1, 1, 50, 50), "1", "2"), true,
                Destination::BackLayer),
    };
    for (const DesignObject& object : objects) {
        if (object.kind == ObjectKind::StringVariable)
            placed.globalDecls += StringGlobalLine(object.values.name);
        placed.objectNumber = object.number;
        RecordPlacement(placed, object, LeftOf(object));
    }
    std::string Design::*const codes[] = {
        &Design::boxCode,  &Design::starCode,     &Design::lineCode,     &Design::paintCode,
        &Design::textCode, &Design::doStringBody, &Design::backLayerCode};
    const std::string pieces = "\r\n ,()\"'[]0123456789-x";
    std::mt19937 random(7);
    const auto below = [&random](std::size_t n) { return n == 0 ? 0 : random() % n; };
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE(round);
        Design code = CodeOnly(placed);
        code.objectNumber = static_cast<std::int32_t>(below(14)) - 2;
        for (std::size_t change = 0; change <= below(3); ++change) {
            std::string& text = code.*codes[below(std::size(codes))];
            const std::size_t at = below(text.size());
            switch (below(4)) {
                case 0:
                    if (!text.empty()) text.erase(at, 1 + below(5));
                    break;
                case 1:
                    text.insert(at, 1, pieces[below(pieces.size())]);
                    break;
                case 2:
                    text.insert(at, text.substr(at, below(80)));
                    break;
                default:
                    text += (code.*codes[below(std::size(codes))]).substr(0, below(200));
                    break;
            }
        }
        RecoveredObjects recovered = Recover(code);
        Design reopened = code;
        reopened.objects = std::move(recovered.objects);
        reopened.history = std::move(recovered.history);
        WriteAccumulators(reopened);
        while (UndoChange(reopened)) {
        }
        while (RedoChange(reopened)) {
        }
        for (const auto text : codes) ASSERT_EQ(reopened.*text, code.*text);
    }
}

}  // namespace
}  // namespace gridlet
