#include "dialogs/colour_chooser.h"

#include <algorithm>
#include <random>

#include "dialogs/colour_chooser_art.h"
#include "interact/dialog_kit.h"
#include "platform/dialog_cover.h"
#include "platform/keys.h"

namespace gridlet {
namespace {

// The standard basic colours, row by row as the chooser shows them, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 48> kBasicColours = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF};

// The console palette, by colour number.
constexpr std::array<Rgb, 16> kConsolePalette = {{{0, 0, 0},
                                                  {0, 0, 170},
                                                  {0, 170, 0},
                                                  {0, 170, 170},
                                                  {170, 0, 0},
                                                  {170, 0, 170},
                                                  {170, 85, 0},
                                                  {170, 170, 170},
                                                  {85, 85, 85},
                                                  {85, 85, 255},
                                                  {85, 255, 85},
                                                  {85, 255, 255},
                                                  {255, 85, 85},
                                                  {255, 85, 255},
                                                  {255, 255, 85},
                                                  {255, 255, 255}}};

// Where the parts of the chooser lie.
constexpr int kSwatchColumns = 8;
constexpr int kSwatchCount = 64;  // six rows of basic colours, two of custom ones
constexpr int kFirstSlotCol = 24;
constexpr int kSlotWidth = 5;
constexpr int kBasicTopRow = 12;
constexpr int kCustomTopRow = 20;
constexpr int kFieldRow = 23;
constexpr std::array<int, 3> kFieldCols = {31, 44, 57};
constexpr int kFieldWidth = 3;
constexpr int kPreviewRow = 25;
constexpr int kPreviewCol = 31;
constexpr CellRect kOkButton{27, 30, 29, 39};
constexpr CellRect kCancelButton{27, 48, 29, 57};

enum class Focus { Swatches, Red, Green, Blue, Ok, Cancel };

Rgb FromRgbHex(std::uint32_t hex) {
    return Rgb{static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>((hex >> 8) & 0xFF),
               static_cast<std::uint8_t>(hex & 0xFF)};
}

std::int32_t RgbHex(Rgb colour) {
    return colour.red << 16 | colour.green << 8 | colour.blue;
}

// Blocks in the console colour nearest to the colour, and in the colour itself where the
// terminal shows 24-bit colour.
void PrintSwatch(Screen& screen, int row, int col, int width, Rgb colour) {
    PrintField(screen, row, col, width, kPanelAttribute | NearestConsoleColour(colour),
               std::string(static_cast<std::size_t>(width), '\xDB'));
    screen.console().SetTrueColour(row, col, width, RgbHex(colour), kNoRgb);
}

int SwatchRow(int index) {
    const int row = index / kSwatchColumns;
    return row < 6 ? kBasicTopRow + row : kCustomTopRow + row - 6;
}

int SlotCol(int index) {
    return kFirstSlotCol + kSlotWidth * (index % kSwatchColumns);
}

class ColourChooser {
  public:
    ColourChooser(Screen& screen, const std::array<std::uint32_t, 16>& customColours)
        : screen_(screen) {
        for (std::size_t i = 0; i < kBasicColours.size(); ++i)
            swatches_[i] = FromRgbHex(kBasicColours[i]);
        for (std::size_t i = 0; i < customColours.size(); ++i) {
            swatches_[kBasicColours.size() + i] = FromColourReference(customColours[i]);
        }
        fields_ = {"0", "0", "0"};
    }

    std::optional<std::string> Run() {
        PaintColourChooser(screen_);
        for (;;) {
            Draw();
            const ConsoleEvent input = ReadDialogInput(screen_.console());
            if (input.IsMouse()) {
                if (const auto answer = Click(input.row, input.col)) return *answer;
            } else if (const auto answer = Key(input)) {
                return *answer;
            }
        }
    }

  private:
    // An answer: the chosen colour's text, or nothing for Cancel.
    using Answer = std::optional<std::optional<std::string>>;

    Answer Accept() { return std::optional<std::string>(ColourReferenceText(Current())); }
    static Answer Cancel() { return std::optional<std::string>(); }

    Answer Click(int row, int col) {
        for (int i = 0; i < kSwatchCount; ++i) {
            if (row == SwatchRow(i) && col >= SlotCol(i) && col < SlotCol(i) + kSlotWidth) {
                focus_ = Focus::Swatches;
                Select(i);
                return std::nullopt;
            }
        }
        for (std::size_t f = 0; f < kFieldCols.size(); ++f) {
            if (CellRect{kFieldRow, kFieldCols[f] - 1, kFieldRow, kFieldCols[f] + kFieldWidth}
                    .Contains(row, col)) {
                MoveFocus(static_cast<Focus>(static_cast<int>(Focus::Red) + static_cast<int>(f)));
            }
        }
        if (kOkButton.Contains(row, col)) return Accept();
        if (kCancelButton.Contains(row, col)) return Cancel();
        return std::nullopt;
    }

    Answer Key(const ConsoleEvent& input) {
        if (input.IsKey(kEscKey)) return Cancel();
        if (input.IsKey(kEnterKey)) return focus_ == Focus::Cancel ? Cancel() : Accept();
        if (input.IsKey(' ') && focus_ == Focus::Ok) return Accept();
        if (input.IsKey(' ') && focus_ == Focus::Cancel) return Cancel();
        if (input.IsKey(kTabKey)) {
            MoveFocus(focus_ == Focus::Cancel ? Focus::Swatches
                                              : static_cast<Focus>(static_cast<int>(focus_) + 1));
        } else if (focus_ == Focus::Swatches) {
            MoveSelection(input);
        } else if (const int field = FieldIndex(); field >= 0) {
            EditField(static_cast<std::size_t>(field), input);
        }
        return std::nullopt;
    }

    void MoveSelection(const ConsoleEvent& input) {
        if (selected_ < 0) {
            if (input.IsExtendedKey(kScanUp) || input.IsExtendedKey(kScanDown) ||
                input.IsExtendedKey(kScanLeft) || input.IsExtendedKey(kScanRight)) {
                Select(0);
            }
            return;
        }
        int row = selected_ / kSwatchColumns;
        int col = selected_ % kSwatchColumns;
        if (input.IsExtendedKey(kScanUp)) row = std::max(0, row - 1);
        if (input.IsExtendedKey(kScanDown))
            row = std::min(kSwatchCount / kSwatchColumns - 1, row + 1);
        if (input.IsExtendedKey(kScanLeft)) col = std::max(0, col - 1);
        if (input.IsExtendedKey(kScanRight)) col = std::min(kSwatchColumns - 1, col + 1);
        Select(row * kSwatchColumns + col);
    }

    // A typed value is no longer a swatch's.
    void EditField(std::size_t field, const ConsoleEvent& input) {
        if (EditNumberField(fields_[field], static_cast<std::size_t>(kFieldWidth), freshField_,
                            input))
            selected_ = -1;
    }

    void MoveFocus(Focus focus) {
        for (auto& text : fields_) text = std::to_string(FieldValue(text));
        focus_ = focus;
        freshField_ = true;
    }

    void Select(int index) {
        selected_ = index;
        const Rgb colour = swatches_[static_cast<std::size_t>(index)];
        fields_ = {std::to_string(colour.red), std::to_string(colour.green),
                   std::to_string(colour.blue)};
    }

    int FieldIndex() const {
        if (focus_ == Focus::Red) return 0;
        if (focus_ == Focus::Green) return 1;
        if (focus_ == Focus::Blue) return 2;
        return -1;
    }

    static std::uint8_t FieldValue(const std::string& text) {
        return static_cast<std::uint8_t>(text.empty() ? 0 : std::min(255, std::stoi(text)));
    }

    Rgb Current() const {
        return Rgb{FieldValue(fields_[0]), FieldValue(fields_[1]), FieldValue(fields_[2])};
    }

    void Draw() {
        for (int i = 0; i < kSwatchCount; ++i) {
            const int bracketAttribute =
                i == selected_ ? (focus_ == Focus::Swatches ? kFocusAttribute : kPanelAttribute)
                               : kPanelAttribute;
            const std::string left = i == selected_ ? "[" : " ";
            const std::string right = i == selected_ ? "]" : " ";
            PrintField(screen_, SwatchRow(i), SlotCol(i), 1, bracketAttribute, left);
            PrintSwatch(screen_, SwatchRow(i), SlotCol(i) + 1, 3,
                        swatches_[static_cast<std::size_t>(i)]);
            PrintField(screen_, SwatchRow(i), SlotCol(i) + 4, 1, bracketAttribute, right);
        }
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            const bool focused = FieldIndex() == static_cast<int>(f);
            PrintField(screen_, kFieldRow, kFieldCols[f], kFieldWidth,
                       focused ? kFocusedFieldAttribute : kFieldAttribute, fields_[f]);
        }
        const Rgb current = Current();
        PrintSwatch(screen_, kPreviewRow, kPreviewCol, 12, current);
        PrintField(screen_, kPreviewRow, kPreviewCol + 14, 20, kPanelAttribute,
                   ColourReferenceText(current));
        PrintField(screen_, kOkButton.top + 1, kOkButton.left + 4, 2,
                   focus_ == Focus::Ok ? kFocusAttribute : kPanelAttribute, "OK");
        PrintField(screen_, kCancelButton.top + 1, kCancelButton.left + 2, 6,
                   focus_ == Focus::Cancel ? kFocusAttribute : kPanelAttribute, "Cancel");
        if (const int field = FieldIndex(); field >= 0) {
            const auto col = kFieldCols[static_cast<std::size_t>(field)] +
                             static_cast<int>(fields_[static_cast<std::size_t>(field)].size());
            screen_.console().Locate(
                kFieldRow, std::min(col, kFieldCols[static_cast<std::size_t>(field)] + 2));
            screen_.console().SetCursorVisible(true);
        } else {
            screen_.console().SetCursorVisible(false);
        }
    }

    Screen& screen_;
    std::array<Rgb, kSwatchCount> swatches_{};
    std::array<std::string, 3> fields_;
    int selected_ = -1;
    Focus focus_ = Focus::Swatches;
    bool freshField_ = false;
};

}  // namespace

std::string ColourReferenceText(Rgb colour) {
    return std::to_string(ColourReference(colour));
}

int NearestConsoleColour(Rgb colour) {
    int nearest = 0;
    int best = -1;
    for (std::size_t i = 0; i < kConsolePalette.size(); ++i) {
        const Rgb& p = kConsolePalette[i];
        const int distance = (p.red - colour.red) * (p.red - colour.red) +
                             (p.green - colour.green) * (p.green - colour.green) +
                             (p.blue - colour.blue) * (p.blue - colour.blue);
        if (best < 0 || distance < best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

std::array<std::uint32_t, 16> CustomColours(std::int64_t timeOfDayMs) {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(timeOfDayMs));
    std::uniform_int_distribution<std::uint32_t> draw(0, 0xFFFFFF);
    std::array<std::uint32_t, 16> colours{};
    for (auto& colour : colours) colour = draw(generator);
    return colours;
}

std::optional<std::string> ChooseColour(Screen& screen) {
    const DialogCover cover(screen.console(), kColourChooser.Rect());
    ColourChooser chooser(screen, CustomColours(screen.console().clock().TimeOfDayMs()));
    return chooser.Run();
}

}  // namespace gridlet
