#include "dialogs/font_chooser.h"

#include <algorithm>
#include <cctype>

#include "dialogs/menu_fixture.h"
#include "dialogs/offered_fonts.h"
#include "platform/target_faces.h"

namespace gridlet {
namespace {

// Places in the chooser.
constexpr int kFirstFamilyRow = 10, kFamilyCol = 20;
constexpr int kSizeRow = 9, kSizeCol = 57;
constexpr int kBoldRow = 12, kItalicRow = 13, kUnderlineRow = 14, kStrikeOutRow = 15,
              kEffectCol = 56;
constexpr int kOkRow = 25, kCancelRow = 28, kButtonCol = 59;

const std::string kLongFamily = "An Extremely Long Font Family Name Of Forty";

class ListedFonts : public FontCatalog {
  public:
    std::vector<std::string> Families() const override { return families; }
    std::string DefaultGuiFamily() const override { return defaultFamily; }
    std::vector<std::string> families = {"Alpha Sans", kLongFamily, "Bitstream Vera", "DejaVu Sans",
                                         "Liberation Mono"};
    std::string defaultFamily = "DejaVu Sans";
};

class FontChooserTest : public MenuFixture {
  protected:
    ListedFonts fonts;
    LogicalFont record;
};

void ExpectDefaultGuiFont(const LogicalFont& font, const std::string& face) {
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.charSet, 0);
    EXPECT_EQ(font.italic, 0);
    EXPECT_EQ(font.underline, 0);
    EXPECT_EQ(font.strikeOut, 0);
    EXPECT_EQ(font.width, 0);
    EXPECT_EQ(font.faceName, face);
}

TEST_F(FontChooserTest, EveryCallStartsFromTheDefaultGuiFontAndCancelKeepsIt) {
    record.faceName = "Courier";
    record.height = -40;
    record.weight = 700;
    record.italic = 1;
    record.width = 9;
    backend.Script(KeyEvent(27));
    ChooseTextFont(screen, record, fonts);
    ExpectDefaultGuiFont(record, "DejaVu Sans");

    Click(kFirstFamilyRow, kFamilyCol);
    Click(kBoldRow, kEffectCol);
    Click(kCancelRow, kButtonCol);
    ChooseTextFont(screen, record, fonts);
    ExpectDefaultGuiFont(record, "DejaVu Sans");
}

TEST_F(FontChooserTest, TheMouseChoosesFamilySizeAndEffects) {
    Click(kFirstFamilyRow + 4, kFamilyCol);  // Liberation Mono
    Click(kSizeRow, kSizeCol);
    Type("12");
    for (int row : {kBoldRow, kItalicRow, kUnderlineRow, kStrikeOutRow}) Click(row, kEffectCol);
    Click(kItalicRow, kEffectCol + 3);  // and Italic off again
    Click(kOkRow, kButtonCol);
    ChooseTextFont(screen, record, fonts);
    EXPECT_EQ(record.faceName, "Liberation Mono");
    EXPECT_EQ(record.height, -16);
    EXPECT_EQ(record.weight, 700);
    EXPECT_EQ(record.italic, 0);
    EXPECT_EQ(record.underline, 1);
    EXPECT_EQ(record.strikeOut, 1);
}

TEST_F(FontChooserTest, TheKeyboardChoosesToo) {
    Type("b");          // the next family starting with b
    Type("\t10\t\t ");  // size 10, then Italic on
    backend.Script(KeyEvent('\r'));
    ChooseTextFont(screen, record, fonts);
    EXPECT_EQ(record.faceName, "Bitstream Vera");
    EXPECT_EQ(record.height, -13);
    EXPECT_EQ(record.weight, 400);
    EXPECT_EQ(record.italic, 1);
}

TEST_F(FontChooserTest, HeightIsMinusPointsTimesNinetySixOverSeventyTwo) {
    const struct {
        const char* points;
        int height;
    } cases[] = {{"8", -11}, {"9", -12}, {"11", -15}, {"72", -96}, {"100", -133}};
    for (const auto& c : cases) {
        Click(kSizeRow, kSizeCol);
        TypeLine(c.points);
        ChooseTextFont(screen, record, fonts);
        EXPECT_EQ(record.height, c.height) << c.points;
    }
}

TEST_F(FontChooserTest, ANoSizeIsRefusedWithABeep) {
    Click(kSizeRow, kSizeCol);
    backend.Script(KeyEvent(8));
    Click(kOkRow, kButtonCol);
    Type("7");
    Click(kOkRow, kButtonCol);
    ChooseTextFont(screen, record, fonts);
    EXPECT_EQ(backend.beeps, 1);
    EXPECT_EQ(record.height, -9);
}

TEST_F(FontChooserTest, FaceNamesKeepAtMostThirtyOneCharacters) {
    backend.Script(ExtendedKeyEvent(kScanUp));
    backend.Script(ExtendedKeyEvent(kScanUp));
    backend.Script(KeyEvent('\r'));
    ChooseTextFont(screen, record, fonts);
    EXPECT_EQ(record.faceName, kLongFamily.substr(0, 31));
}

TEST_F(FontChooserTest, ADefaultFamilyMissingFromTheListIsOfferedFirst) {
    fonts.defaultFamily = "sans-serif";
    EXPECT_THROW(ChooseTextFont(screen, record, fonts), ScriptExhausted);
    EXPECT_EQ(record.faceName, "sans-serif");
    std::string firstRow;
    for (int col = 17; col < 27; ++col)
        firstRow += static_cast<char>(ShownCell(kFirstFamilyRow, col).ch);
    EXPECT_EQ(firstRow, "sans-serif");
    backend.Script(KeyEvent('\r'));
    ChooseTextFont(screen, record, fonts);
    EXPECT_EQ(record.faceName, "sans-serif");
}

TEST_F(FontChooserTest, TheListShowsTheFamiliesAndTheScreenComesBack) {
    PaintBackground();
    const std::string before = ScreenBytes();
    EXPECT_THROW(ChooseTextFont(screen, record, fonts), ScriptExhausted);
    EXPECT_TRUE(ShownAnywhere("Alpha Sans"));
    EXPECT_TRUE(ShownAnywhere("Liberation Mono"));
    EXPECT_EQ(ShownCell(kFirstFamilyRow + 3, kFamilyCol).attr, 0x1F);  // the default, selected
    EXPECT_EQ(ScreenBytes(), before);
}

TEST(OfferedFonts, TheTargetsFacesFirstThenTheOtherFontsOfThisMachine) {
    ListedFonts machine;
    machine.families = {"Alpha Sans", "arial", "DejaVu Sans", "Tahoma"};
    const OfferedFonts offered(machine);
    std::vector<std::string> expected;
    for (const TargetFace& face : TargetFaces()) expected.emplace_back(face.name);
    expected.emplace_back(kOtherFontsHeading);
    expected.insert(expected.end(), {"Alpha Sans", "DejaVu Sans"});
    EXPECT_EQ(offered.Families(), expected);
    for (const char* face : {"Arial", "Courier New", "Times New Roman", "Lucida Console",
                             "Consolas", "Tahoma", "Verdana", "Segoe UI"}) {
        EXPECT_NE(std::find(expected.begin(), expected.end(), face), expected.end()) << face;
    }
    EXPECT_EQ(offered.DefaultGuiFamily(), "MS Sans Serif");
}

// The chooser opens on the target's default face, near the top; the heading is no family.
TEST_F(FontChooserTest, OffersTheTargetsFacesAndRefusesTheHeading) {
    const OfferedFonts offered(fonts);
    const std::vector<std::string> families = offered.Families();
    const auto at = [&families](std::string_view name) {
        return std::find(families.begin(), families.end(), name) - families.begin();
    };
    EXPECT_THROW(ChooseTextFont(screen, record, offered), ScriptExhausted);
    std::string firstRow;
    for (int col = 17; col < 22; ++col)
        firstRow += static_cast<char>(ShownCell(kFirstFamilyRow, col).ch);
    EXPECT_EQ(firstRow, "Arial");
    const auto selectedRow = kFirstFamilyRow + static_cast<int>(at("MS Sans Serif"));
    EXPECT_EQ(ShownCell(selectedRow, kFamilyCol).attr, 0x1F);

    for (auto step = at("MS Sans Serif"); step < at(kOtherFontsHeading); ++step)
        backend.Script(ExtendedKeyEvent(kScanDown));
    backend.Script(KeyEvent('\r'));
    backend.Script(ExtendedKeyEvent(kScanDown));
    backend.Script(KeyEvent('\r'));
    ChooseTextFont(screen, record, offered);
    EXPECT_EQ(backend.beeps, 1);
    EXPECT_EQ(record.faceName, "Alpha Sans");
}

TEST(FontconfigCatalog, ListsSortedFamiliesOnceWithTheDefaultAmongThem) {
    const FontconfigCatalog catalog;
    const auto families = catalog.Families();
    const auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (std::size_t i = 1; i < families.size(); ++i) {
        EXPECT_LE(lower(families[i - 1]), lower(families[i]));
        EXPECT_NE(families[i - 1], families[i]);
    }
    const std::string defaultFamily = catalog.DefaultGuiFamily();
    EXPECT_FALSE(defaultFamily.empty());
    if (!families.empty()) {
        EXPECT_NE(std::find(families.begin(), families.end(), defaultFamily), families.end())
            << defaultFamily;
    }
}

}  // namespace
}  // namespace gridlet
