#include "design/object_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gridlet {
namespace {

DesignObject Object(std::int32_t number, ObjectKind kind) {
    DesignObject object;
    object.number = number;
    object.kind = kind;
    object.values.x1 = 26;
    object.values.y1 = 50;
    object.values.x2 = 95;
    object.values.y2 = 96;
    object.values.properties.edgeColor = "255";
    object.values.properties.fillColor = "%WHITE";
    return object;
}

// Each kind shows the points it is drawn from and the colours its code uses.
TEST(ObjectRows, ShowTheNumberKindPointsColoursAndNaming) {
    DesignObject line = Object(3, ObjectKind::Line);
    DesignObject movedLine = line;
    movedLine.rebuilt = true;
    DesignObject text = Object(12, ObjectKind::Text);
    text.values.text = "Hello big wide world\r\nsecond line";
    DesignObject variable = Object(4, ObjectKind::StringVariable);
    variable.values.name = "sName";
    DesignObject printed = variable;
    printed.values.printed = true;
    DesignObject bitmap = Object(5, ObjectKind::StretchedBitmap);
    bitmap.values.bitmapPath = "pic.bmp";
    DesignObject back = Object(9, ObjectKind::PaintReplace);
    back.destination = Destination::BackLayer;
    DesignObject kept = Object(6, ObjectKind::Box);
    kept.keptAsWritten = true;

    const struct {
        DesignObject object;
        std::size_t width;
        const char* row;
    } cases[] = {
        {Object(7, ObjectKind::Box), 80,
         "   7  box              (26,50)-(95,96)          edge 255  fill %WHITE"},
        {Object(8, ObjectKind::PaintReplace), 80,
         "   8  paint replace    (26,50)                  fill %WHITE"},
        {back, 80, "   9  paint replace    (26,50)                  at back  fill %WHITE"},
        {line, 80, "   3  line             (26,50)-(95,96)          edge 0"},
        {movedLine, 80, "   3  line             (26,50)-(95,96)          edge 255"},
        // Cut at a blank where there is one, else where the room ends.
        {text, 80,
         "  12  text             (26,50)                  edge 255  fill %WHITE  \"Hell...\""},
        {text, 88,
         "  12  text             (26,50)                  edge 255  fill %WHITE  \"Hello "
         "big...\""},
        {variable, 80,
         "   4  string           not printed              edge 255  fill %WHITE  sName"},
        {printed, 80,
         "   4  string           (26,50)                  edge 255  fill %WHITE  sName"},
        {bitmap, 80, "   5  bitmap           (26,50)-(95,96)          pic.bmp"},
        {kept, 40, "   6  kept as written"},
    };
    for (const auto& c : cases) {
        std::string row = c.row;
        row.resize(c.width, ' ');
        EXPECT_EQ(ObjectRow(c.object, c.width), row);
    }
}

TEST(ObjectRows, ListNewestFirstWithoutWhatAStringVariableLeaves) {
    Design design;
    design.objects = {Object(1, ObjectKind::Box), Object(3, ObjectKind::Ellipse),
                      Object(2, ObjectKind::StringVariable), Object(4, ObjectKind::Box)};
    design.objects[2].leftover = true;
    EXPECT_EQ(ListedObjects(design), (std::vector<std::size_t>{3, 1, 0}));
}

}  // namespace
}  // namespace gridlet
