#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "all_images.h"
#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "interact/dialog_kit.h"
#include "output/compose_program.h"
#include "platform/input_events.h"
#include "platform/keys.h"
#include "support/bmp_file.h"
#include "support/run_main_loop.h"
#include "support/working_folder.h"

namespace gridlet {
namespace {

// Places on the screen the flows click.
struct Place {
    int row, col;
};
constexpr Place kWindowButton{35, 5};
constexpr Place kPropertiesFill{7, 40};
constexpr Place kPropertiesEdge{10, 40};
constexpr Place kRedSwatch{13, 25};
constexpr Place kChooserOk{28, 34};
constexpr Place kPropertiesOk{25, 45};
constexpr Place kMoveRight{16, 68};
constexpr Place kMoveLeft{16, 16};
constexpr Place kMoveStep5{16, 54};
constexpr Place kMovePreview{10, 43};
constexpr Place kMoveToBack{13, 66};
constexpr Place kMoveAccept{22, 43};
constexpr Place kRightRectangle{11, 86};
constexpr Place kRightEllipse{14, 86};

// One user input: a click on a cell, a key, or an extended key by its scan code.
struct Input {
    enum class Type { Click, Key, Extended } type;
    int row = 0;
    int col = 0;
};
Input C(int row, int col) {
    return {Input::Type::Click, row, col};
}
Input K(char key) {
    return {Input::Type::Key, key, 0};
}
std::vector<Input> Typed(const std::string& keys) {
    std::vector<Input> inputs;
    for (char key : keys) inputs.push_back(K(key));
    return inputs;
}
std::vector<Input> Join(std::vector<Input> a, const std::vector<Input>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const Input kAltO{Input::Type::Extended, AltLetterScanCode('o'), 0};

// A whole program on the in-memory console, run through its main loop as a user drives it.
class Session {
  public:
    Session() {
        PaintMainScreen(screen_);
        // A Preview's picture closes at once.
        context_.composeProgram = [this](Context& c, const OutputRequest& request) {
            if (request.route == OutputRoute::Preview) backend_.ScriptFirst(KeyEvent(' '));
            return ComposeProgram(c, request);
        };
        Click({2, 12});
        Click({40, 79});
        Click(kWindowButton);
    }

    void Click(Place at) {
        backend_.Script(MoveEvent(at.row, at.col));
        backend_.Script(PressEvent(at.row, at.col));
    }
    void Clicks(const std::vector<Place>& places) {
        for (const Place& at : places) Click(at);
    }
    void Key(char key) { backend_.Script(KeyEvent(key)); }
    void Enter(const std::vector<Input>& inputs) {
        for (const Input& input : inputs) {
            switch (input.type) {
                case Input::Type::Click:
                    Click({input.row, input.col});
                    break;
                case Input::Type::Key:
                    Key(static_cast<char>(input.row));
                    break;
                case Input::Type::Extended:
                    ExtendedKey(input.row);
                    break;
            }
        }
    }
    void ExtendedKey(int scan) { backend_.Script(ExtendedKeyEvent(scan)); }
    // Marks an area, then presses a tool's button.
    void Area(const CellRect& area, Place tool) {
        Clicks({{area.top, area.left}, {area.bottom, area.right}, tool});
    }

    // Runs what was scripted; the loop ends waiting for the next area.
    void Run() {
        EXPECT_FALSE(RunMainLoop(context_));
        EXPECT_EQ(backend_.Pending(), 0u);
    }

    std::string Build() const {
        return JoinSections(ComposeSections(design_, CodeForm::GraphicWindow), Section::MainCall);
    }
    std::string Screen() {
        std::string bytes;
        screen_.SaveScreen(bytes);
        return bytes;
    }
    // Whether a screen shown since the watch began held the text.
    void Watch(std::string text) {
        watched_ = false;
        backend_.onPresent = [this, text = std::move(text)](const ScreenState& shown) {
            std::string chars;
            for (const Cell& cell : shown.cells) chars += static_cast<char>(cell.ch);
            watched_ = watched_ || chars.find(text) != std::string::npos;
        };
    }
    bool Watched() const { return watched_; }
    // Keeps the cells of each screen shown, so the last one's can be read.
    void KeepShown() {
        backend_.onPresent = [this](const ScreenState& shown) { shown_ = shown.cells; };
    }
    Cell ShownAt(int row, int col) const {
        return shown_.at(static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1));
    }
    std::uint8_t AttrAt(int row, int col) const { return console_.CellAt(row, col).attr; }
    std::string RowText(int row) const {
        std::string text;
        for (int col = 1; col <= kScreenWidth; ++col)
            text += static_cast<char>(console_.CellAt(row, col).ch);
        return text;
    }
    const Design& design() const { return design_; }

  private:
    MemoryBackend backend_;
    VirtualClock clock_;
    Console console_{backend_, clock_};
    gridlet::Screen screen_{console_};
    Design design_;
    PassState pass_;
    MemoryClipboard clipboard_;
    ProgramEnvironment environment_;
    Context context_{console_, screen_, design_, pass_, clipboard_, environment_, ComposeProgram};
    bool watched_ = false;
    std::vector<Cell> shown_;
};

// The Build text and screen of one moment of a session.
struct Moment {
    std::string build;
    std::string screen;
    std::vector<DesignObject> objects;
};

Moment Now(Session& session) {
    return {session.Build(), session.Screen(), session.design().objects};
}

// The rows where two screens differ, each with its characters on both, for a failure's message.
std::string DifferingRows(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return "screens of different sizes";
    const std::size_t rowBytes = a.size() / kScreenHeight;
    const std::size_t cellBytes = rowBytes / kScreenWidth;
    std::string rows;
    for (std::size_t row = 0; row < kScreenHeight; ++row) {
        const std::size_t start = row * rowBytes;
        if (a.compare(start, rowBytes, b, start, rowBytes) == 0) continue;
        std::string left, right;
        for (std::size_t cell = start; cell < start + rowBytes; cell += cellBytes) {
            left += a[cell];
            right += b[cell];
        }
        rows += "row " + std::to_string(row + 1) + ":\n" + left + "\n" + right + "\n";
    }
    return rows;
}

// How a kind is placed, from the right strip where it has a button there: its properties menu,
// with what its tool asks around it, as placed first and as changed, then the move menu.
struct KindCase {
    const char* name = "";
    Place tool{};
    CellRect area{5, 20, 10, 40};
    Place companionTool = kRightRectangle;  // a second object of another kind, placed first
    bool properties = true;                 // false: no properties menu, so no edit
    bool moveMenu = true;                   // false: no move menu, so no move or reorder
    bool reorder = true;                    // false: it never goes to the back
    Place colourButton = kPropertiesEdge;
    // The colours reach the code only as the move menu's Preview rebuilds it.
    bool colourNeedsPreview = false;
    // Before the properties menu (the arc menu's angles, the font chooser, the bitmap file) and
    // after it (a text).
    std::vector<Input> first, firstChanged;
    std::vector<Input> then, thenChanged;
    // What the panel's Properties asks around the properties menu for the change.
    std::vector<Input> editFirst, editThen;
};

KindCase Plain(const char* name, Place tool) {
    KindCase c;
    c.name = name;
    c.tool = tool;
    return c;
}

// An arc or a pie: the arc menu's L-top and Bottom, changed to Right and Top.
KindCase Angled(const char* name, Place tool) {
    KindCase c = Plain(name, tool);
    c.first = {C(10, 30), C(24, 47)};
    c.firstChanged = c.editFirst = {C(16, 67), C(8, 47)};
    return c;
}

// The font chooser taken as it opens; the text entry's words, and more of them.
KindCase Text() {
    KindCase c = Plain("Text", {2, 86});
    c.area = {5, 20, 7, 40};
    c.first = c.firstChanged = c.editFirst = {K('\r')};
    c.then = Join(Typed("Hello"), {kAltO});
    c.thenChanged = Join(Typed("Hello big world"), {kAltO});
    c.editThen = Join(Typed(" big world"), {kAltO});
    return c;
}

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr CellRect kCompanionArea{30, 50, 34, 60};

class ObjectsPanelFlow : public ::testing::TestWithParam<KindCase> {
  protected:
    // The companion, then the object of the case: its edge red when asked, the move menu's
    // shifts, Preview and To back as listed, then Accept.
    void SetUp() override { WriteBmp(folder.path / "pic.bmp", 200, 50); }

    void PlaceDirectly(Session& session, bool red, const std::vector<Place>& moveInputs) {
        const KindCase& c = GetParam();
        session.Area(kCompanionArea, c.companionTool);
        session.Clicks({kPropertiesOk, kMoveAccept});
        session.Area(c.area, c.tool);
        session.Enter(red ? c.firstChanged : c.first);
        if (red) session.Clicks({c.colourButton, kRedSwatch, kChooserOk});
        if (c.properties) session.Click(kPropertiesOk);
        session.Enter(red ? c.thenChanged : c.then);
        if (c.moveMenu) {
            session.Clicks(moveInputs);
            session.Click(kMoveAccept);
        }
        session.Run();
    }
    Moment Direct(bool red, const std::vector<Place>& moveInputs) {
        Session session;
        PlaceDirectly(session, red, moveInputs);
        return Now(session);
    }
    // The object as changed, placed and taken back: the routines its kind adds stay when it goes,
    // and a string variable's font head, as they do after Undo.
    Moment CompanionAlone() {
        Session session;
        PlaceDirectly(session, GetParam().properties, {});
        session.Key('u');
        session.Run();
        return Now(session);
    }

    // One panel action on the newest object, then Escape; undo takes it back to before, redo
    // makes it again, and both equal the design placed directly.
    template <typename Act>
    void Step(const char* name, Act act, const Moment& direct) {
        SCOPED_TRACE(name);
        const Moment before = Now(edited);
        edited.ExtendedKey(kScanF3);
        act();
        edited.Key(kEscKey);
        edited.Run();
        const Moment after = Now(edited);
        EXPECT_FALSE(after.objects == before.objects) << "the step changed the design";
        EXPECT_EQ(after.build, direct.build);
        EXPECT_TRUE(after.screen == direct.screen) << "the screen of the design placed directly\n"
                                                   << DifferingRows(after.screen, direct.screen);

        edited.Key('u');
        edited.Run();
        EXPECT_EQ(edited.Build(), before.build) << "undone";
        EXPECT_TRUE(edited.Screen() == before.screen)
            << "undone\n"
            << DifferingRows(edited.Screen(), before.screen);
        edited.Key('r');
        edited.Run();
        EXPECT_EQ(edited.Build(), after.build) << "redone";
        EXPECT_TRUE(edited.Screen() == after.screen) << "redone";
    }

    // The Previews write their program into the current folder.
    WorkingFolder folder{"gridlet-panel-"};
    Session edited;
};

// Each change through the panel gives what placing the object with the changed values gives,
// code and screen; each is undone and redone exactly.
TEST_P(ObjectsPanelFlow, EveryChangeEqualsTheDesignPlacedDirectly) {
    const KindCase& c = GetParam();
    PlaceDirectly(edited, false, {});
    ASSERT_EQ(edited.design().objects.size(), 2u);

    if (c.properties) {
        Step(
            "colour",
            [&] {
                edited.Key('p');
                edited.Enter(c.editFirst);
                edited.Clicks({c.colourButton, kRedSwatch, kChooserOk, kPropertiesOk});
                edited.Enter(c.editThen);
            },
            Direct(true,
                   c.colourNeedsPreview ? std::vector<Place>{kMovePreview} : std::vector<Place>{}));
    }
    if (c.moveMenu) {
        const Moment moved = Direct(c.properties, {kMoveRight, kMovePreview});
        Step(
            "move",
            [&] {
                edited.Key('m');
                edited.Clicks({kMoveRight, kMoveAccept});
            },
            moved);
        if (c.reorder) {
            Step(
                "to back", [&] { edited.Key('b'); },
                Direct(c.properties, {kMoveRight, kMovePreview, kMoveToBack}));
            Step(
                "to front", [&] { edited.Key('f'); }, moved);
        }
    }
    Step(
        "delete", [&] { edited.ExtendedKey(kScanDelete); }, CompanionAlone());
}

KindCase Box() {
    KindCase c = Plain("Box", kRightRectangle);
    c.companionTool = kRightEllipse;
    return c;
}

KindCase Line() {
    KindCase c = Plain("Line", {17, 86});
    c.colourNeedsPreview = true;
    return c;
}

// Both paints from the left strip, on one cell; paint replace has no move menu and only a fill.
KindCase Paint() {
    KindCase c = Plain("Paint", {23, 5});
    c.area = {8, 30, 8, 30};
    return c;
}

KindCase PaintReplace() {
    KindCase c = Plain("PaintReplace", {26, 5});
    c.area = {8, 30, 8, 30};
    c.moveMenu = false;
    c.colourButton = kPropertiesFill;
    return c;
}

// A bitmap at its own size, from the left strip: the file chooser, no properties.
KindCase Bitmap() {
    KindCase c = Plain("Bitmap", {29, 5});
    c.properties = false;
    c.first = c.firstChanged = Join(Typed("pic.bmp"), {K('\r')});
    return c;
}

// A string variable from the string panel: its colours (the properties menu), its font (the
// chooser taken as it opens, its head written with those colours) and its name. It prints in its
// own routine, never at the back.
KindCase StringVariable() {
    KindCase c = Plain("StringVariable", {26, 86});
    c.reorder = false;
    c.first = c.firstChanged = {C(12, 35)};
    c.then = c.thenChanged =
        Join({C(12, 60), K('\r'), C(16, 40)}, Join(Typed("sName\r"), {C(21, 50)}));
    c.editFirst = {K('\r')};
    return c;
}

INSTANTIATE_TEST_SUITE_P(Kinds, ObjectsPanelFlow,
                         ::testing::Values(Box(), Plain("Ellipse", kRightEllipse),
                                           Plain("Polygon", {8, 86}), Plain("Star", {5, 86}),
                                           Line(), Paint(), PaintReplace(), Angled("Arc", {29, 86}),
                                           Angled("Pie", {32, 86}), Text(), StringVariable(),
                                           Bitmap()),
                         [](const ::testing::TestParamInfo<KindCase>& tested) {
                             return std::string(tested.param.name);
                         });

// The window's left edge is pixel 0 and the box starts 3 pixels inside it: five to the left would
// take it out.
TEST(ObjectsPanelMove, OutOfTheWindowIsRefusedWithAMessageAndChangesNothing) {
    Session session;
    session.Area({5, 12, 10, 20}, kRightRectangle);
    session.Clicks({kPropertiesOk, kMoveAccept});
    session.Run();
    const Moment placed = Now(session);
    ASSERT_EQ(placed.objects.size(), 1u);
    ASSERT_EQ(placed.objects[0].values.x1, 3);

    session.Watch("That would leave your Graphic Window.");
    session.ExtendedKey(kScanF3);
    session.Key('m');
    session.Clicks({kMoveStep5, kMoveLeft, kMoveAccept});
    session.Key(kEnterKey);  // the message's OK
    session.Key(kEscKey);
    session.Run();
    EXPECT_TRUE(session.Watched());
    EXPECT_EQ(session.Build(), placed.build);
    EXPECT_TRUE(session.Screen() == placed.screen)
        << DifferingRows(session.Screen(), placed.screen);
    EXPECT_EQ(session.design().history.done.size(), 1u) << "only the placement to undo";
}

std::vector<std::int32_t> Numbers(const Design& design) {
    std::vector<std::int32_t> numbers;
    for (const DesignObject& object : design.objects) numbers.push_back(object.number);
    return numbers;
}

// Three boxes over rows 5-10, 15-20 and 25-30, columns 20-40.
void PlaceThreeBoxes(Session& session) {
    for (int top : {5, 15, 25}) {
        session.Area({top, 20, top + 5, 40}, kRightRectangle);
        session.Clicks({kPropertiesOk, kMoveAccept});
    }
}

// The panel opens at the top, over the first two boxes, as the newest box lies under its place
// at the bottom; a click on the part of the second box's mark it leaves free selects that box,
// and the panel goes to the bottom to show the whole mark.
TEST(ObjectsPanelSelection, AClickOnAMarkSelectsItsObjectAndPicksOutTheMark) {
    Session session;
    PlaceThreeBoxes(session);
    session.ExtendedKey(kScanF3);
    session.Click({18, 30});
    session.Run();
    EXPECT_EQ(session.RowText(29).substr(0, 3), "\xC9\xCD\xCD") << "the panel at the bottom";
    EXPECT_EQ(session.RowText(33).substr(0, 10), "\xBA   2  box")
        << "the second box's row, selected";
    EXPECT_EQ(session.AttrAt(33, 5), kFocusedFieldAttribute);
    EXPECT_EQ(session.AttrAt(15, 20), 0x4F) << "its mark's corner in white on red";
    EXPECT_EQ(session.AttrAt(25, 20), session.AttrAt(25, 21)) << "the newest box as it was";

    Session deleting;
    PlaceThreeBoxes(deleting);
    deleting.ExtendedKey(kScanF3);
    deleting.Click({18, 30});
    deleting.Click({44, 60});  // Delete, with the panel at the bottom
    deleting.Click({44, 72});  // Close
    deleting.Run();
    EXPECT_EQ(Numbers(deleting.design()), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(deleting.RowText(44).find("[ Close ]"), std::string::npos) << "the panel closed";
}

// In the picture view the selected object's mark shows over the picture, and the other marks
// stay under it.
TEST(ObjectsPanelSelection, TheSelectedMarkShowsOverThePicture) {
    Session session;
    PlaceThreeBoxes(session);
    session.ExtendedKey(kScanF2);
    session.ExtendedKey(kScanF3);
    session.KeepShown();
    session.Run();
    ASSERT_EQ(session.RowText(44).find("[ Close ]"), std::string::npos) << "the panel at the top";
    for (const Place corner : {Place{25, 20}, Place{25, 40}, Place{30, 20}, Place{30, 40}}) {
        const Cell shown = session.ShownAt(corner.row, corner.col);
        EXPECT_EQ(shown.attr, 0x4F) << corner.row << "," << corner.col;
        EXPECT_EQ(shown.ch, static_cast<std::uint8_t>(session.RowText(corner.row)[corner.col - 1]))
            << corner.row << "," << corner.col;
    }
    const Cell unselected = session.ShownAt(20, 20);
    EXPECT_FALSE(unselected.ch == static_cast<std::uint8_t>(session.RowText(20)[19]) &&
                 unselected.attr == session.AttrAt(20, 20))
        << "the second box's corner under the picture";
}

// u and r work inside the panel too, and its list follows them.
TEST(ObjectsPanelSelection, UndoAndRedoInsideThePanel) {
    Session session;
    PlaceThreeBoxes(session);
    session.ExtendedKey(kScanF3);
    session.Key('d');  // the newest box
    session.Key('u');
    session.Run();
    EXPECT_EQ(Numbers(session.design()), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(session.RowText(32).substr(0, 10), "\xBA   3  box") << "listed again, at the top";

    Session redoing;
    PlaceThreeBoxes(redoing);
    redoing.ExtendedKey(kScanF3);
    redoing.Key('d');
    redoing.Key('u');
    redoing.Key('r');
    redoing.Key(kEscKey);
    redoing.Run();
    EXPECT_EQ(Numbers(redoing.design()), (std::vector<std::int32_t>{1, 2}));
}

}  // namespace
}  // namespace gridlet
