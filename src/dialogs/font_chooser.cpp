#include "dialogs/font_chooser.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dialogs/font_chooser_art.h"
#include "dialogs/list_box.h"
#include "dialogs/offered_fonts.h"
#include "interact/dialog_kit.h"
#include "platform/cp1252.h"
#include "platform/dialog_cover.h"
#include "platform/text_case.h"

namespace gridlet {
namespace {

constexpr int kDefaultPoints = 8;
constexpr std::size_t kMaxFaceName = 31;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

constexpr int kSizeRow = 9;
constexpr int kSizeCol = 56;
constexpr int kSizeWidth = 3;
constexpr int kFirstEffectRow = 12;
constexpr int kEffectCol = 55;
constexpr int kEffectWidth = 14;
// The size field with a cell on each side, and the four effect lines.
constexpr CellRect kSizeField{kSizeRow, kSizeCol - 1, kSizeRow, kSizeCol + kSizeWidth};
constexpr CellRect kEffects{kFirstEffectRow, kEffectCol, kFirstEffectRow + 3,
                            kEffectCol + kEffectWidth - 1};
constexpr CellRect kOkButton{24, 55, 26, 64};
constexpr CellRect kCancelButton{27, 55, 29, 64};

constexpr int kSelectedAttribute = 0x8F;  // white on dark grey: the chosen effects

enum class Focus { List, Size, Bold, Italic, Underline, StrikeOut, Ok, Cancel };
constexpr std::array<const char*, 4> kEffectNames = {"Bold", "Italic", "Underline", "Strikeout"};

std::int32_t HeightOfPoints(int points) {
    return -static_cast<std::int32_t>(std::lround(points * 96.0 / 72.0));
}

std::string FaceName(const std::string& family) {
    return Utf8ToCp1252(family).substr(0, kMaxFaceName);
}

class FontChooser {
  public:
    FontChooser(Screen& screen, const FontCatalog& fonts) : screen_(screen), list_(10, 17, 20, 50) {
        const std::string defaultFamily = fonts.DefaultGuiFamily();
        std::vector<std::string> families = fonts.Families();
        auto found = std::find(families.begin(), families.end(), defaultFamily);
        if (found == families.end()) found = families.insert(families.begin(), defaultFamily);
        const auto selected = static_cast<int>(found - families.begin());
        list_.SetItems(std::move(families), selected);
    }

    // Shows the record's font: its face selected (listed first when this system has no family
    // of that name), its size and its effects.
    void ShowFont(const LogicalFont& record) {
        std::vector<std::string> families = list_.Items();
        auto found = std::find_if(families.begin(), families.end(), [&](const std::string& f) {
            return EqualIgnoringCase(FaceName(f), record.faceName);
        });
        if (found == families.end())
            found = families.insert(families.begin(), Cp1252ToUtf8(record.faceName));
        const auto selected = static_cast<int>(found - families.begin());
        list_.SetItems(std::move(families), selected);
        size_ = std::to_string(std::lround(std::abs(record.height) * 72.0 / 96.0));
        effects_ = {record.weight >= kBoldWeight, record.italic != 0, record.underline != 0,
                    record.strikeOut != 0};
    }

    // Leaves the record alone when the user cancels; true after OK.
    bool Run(LogicalFont& record) {
        PaintFontChooser(screen_);
        for (;;) {
            Draw();
            const ConsoleEvent input = ReadDialogInput(screen_.console());
            const Answer answer = input.IsMouse() ? Click(input.row, input.col) : Key(input);
            if (answer == Answer::Cancel) return false;
            if (answer == Answer::Ok) {
                if (Points() > 0 && SelectedFamily() != kOtherFontsHeading) {
                    Fill(record);
                    return true;
                }
                screen_.console().Beep();
                if (Points() <= 0) MoveFocus(Focus::Size);
            }
        }
    }

  private:
    enum class Answer { None, Ok, Cancel };

    Answer Click(int row, int col) {
        if (list_.Holds(row, col)) {
            MoveFocus(Focus::List);
            list_.Click(row, col);
        } else if (kSizeField.Contains(row, col)) {
            MoveFocus(Focus::Size);
        } else if (kEffects.Contains(row, col)) {
            MoveFocus(static_cast<Focus>(static_cast<int>(Focus::Bold) + row - kFirstEffectRow));
            Toggle();
        } else if (kOkButton.Contains(row, col)) {
            return Answer::Ok;
        } else if (kCancelButton.Contains(row, col)) {
            return Answer::Cancel;
        }
        return Answer::None;
    }

    Answer Key(const ConsoleEvent& input) {
        if (input.IsKey(kEscKey)) return Answer::Cancel;
        if (input.IsKey(kEnterKey)) return focus_ == Focus::Cancel ? Answer::Cancel : Answer::Ok;
        if (input.IsKey(kTabKey)) {
            MoveFocus(focus_ == Focus::Cancel ? Focus::List
                                              : static_cast<Focus>(static_cast<int>(focus_) + 1));
        } else if (input.IsKey(' ')) {
            if (focus_ == Focus::Ok) return Answer::Ok;
            if (focus_ == Focus::Cancel) return Answer::Cancel;
            Toggle();
        } else if (focus_ == Focus::List) {
            if (!list_.MoveByKey(input) && input.key.size() == 1) JumpToInitial(input.key[0]);
        } else if (focus_ == Focus::Size) {
            EditSize(input);
        }
        return Answer::None;
    }

    // The next family after the selected one that starts with the letter typed.
    void JumpToInitial(char letter) {
        const auto& items = list_.Items();
        const auto count = static_cast<int>(items.size());
        for (int step = 1; step <= count; ++step) {
            const int index = (list_.Selected() + step) % count;
            const std::string& name = items[static_cast<std::size_t>(index)];
            if (!name.empty() && SameIgnoringCase(name[0], letter)) {
                list_.Select(index);
                return;
            }
        }
    }

    void EditSize(const ConsoleEvent& input) {
        EditNumberField(size_, static_cast<std::size_t>(kSizeWidth), freshSize_, input);
    }

    void MoveFocus(Focus focus) {
        focus_ = focus;
        freshSize_ = focus == Focus::Size;
    }

    void Toggle() {
        const int effect = static_cast<int>(focus_) - static_cast<int>(Focus::Bold);
        if (effect >= 0 && effect < 4)
            effects_[static_cast<std::size_t>(effect)] =
                !effects_[static_cast<std::size_t>(effect)];
    }

    int Points() const { return size_.empty() ? 0 : std::stoi(size_); }

    const std::string& SelectedFamily() const {
        return list_.Items()[static_cast<std::size_t>(list_.Selected())];
    }

    void Fill(LogicalFont& record) const {
        record.height = HeightOfPoints(Points());
        record.weight = effects_[0] ? kBoldWeight : kNormalWeight;
        record.italic = effects_[1] ? 1 : 0;
        record.underline = effects_[2] ? 1 : 0;
        record.strikeOut = effects_[3] ? 1 : 0;
        record.faceName = FaceName(SelectedFamily());
    }

    void Draw() {
        list_.Draw(screen_, kFieldAttribute,
                   focus_ == Focus::List ? kFocusedFieldAttribute : kSelectedAttribute);
        PrintField(screen_, kSizeRow, kSizeCol, kSizeWidth,
                   focus_ == Focus::Size ? kFocusedFieldAttribute : kFieldAttribute, size_);
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            const bool focused =
                static_cast<int>(focus_) == static_cast<int>(Focus::Bold) + static_cast<int>(i);
            PrintField(screen_, kFirstEffectRow + static_cast<int>(i), kEffectCol, kEffectWidth,
                       focused ? kFocusAttribute : kPanelAttribute,
                       std::string(effects_[i] ? "[x] " : "[ ] ") + kEffectNames[i]);
        }
        PrintField(screen_, kOkButton.top + 1, kOkButton.left + 4, 2,
                   focus_ == Focus::Ok ? kFocusAttribute : kPanelAttribute, "OK");
        PrintField(screen_, kCancelButton.top + 1, kCancelButton.left + 2, 6,
                   focus_ == Focus::Cancel ? kFocusAttribute : kPanelAttribute, "Cancel");
        Console& console = screen_.console();
        if (focus_ == Focus::Size) {
            console.Locate(kSizeRow,
                           kSizeCol + std::min(static_cast<int>(size_.size()), kSizeWidth - 1));
        }
        console.SetCursorVisible(focus_ == Focus::Size);
    }

    Screen& screen_;
    ListBox list_;
    std::string size_ = std::to_string(kDefaultPoints);
    std::array<bool, 4> effects_{};
    Focus focus_ = Focus::List;
    bool freshSize_ = false;
};

}  // namespace

const FontCatalog& SystemFonts() {
    static const FontconfigCatalog machine;
    static const OfferedFonts offered(machine);
    return offered;
}

LogicalFont DefaultGuiFont(const FontCatalog& fonts) {
    LogicalFont font;
    font.height = HeightOfPoints(kDefaultPoints);
    font.weight = kNormalWeight;
    font.charSet = 0;
    font.faceName = FaceName(fonts.DefaultGuiFamily());
    return font;
}

void ChooseTextFont(Screen& screen, LogicalFont& record, const FontCatalog& fonts) {
    record = DefaultGuiFont(fonts);
    const DialogCover cover(screen.console(), kFontChooser.Rect());
    FontChooser chooser(screen, fonts);
    chooser.Run(record);
}

void ChangeTextFont(Screen& screen, LogicalFont& record, const FontCatalog& fonts) {
    const DialogCover cover(screen.console(), kFontChooser.Rect());
    FontChooser chooser(screen, fonts);
    chooser.ShowFont(record);
    // A font chosen starts from the default record, as in ChooseTextFont.
    LogicalFont chosen = DefaultGuiFont(fonts);
    if (chooser.Run(chosen)) record = std::move(chosen);
}

}  // namespace gridlet
