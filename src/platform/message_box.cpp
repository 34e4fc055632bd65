#include "platform/message_box.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cell_text.h"
#include "platform/dialog_cover.h"
#include "platform/keys.h"
#include "platform/text_case.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kBodyAttr = 0x70;         // black on light grey
constexpr std::uint8_t kLightEdgeAttr = 0x7F;    // white on light grey
constexpr std::uint8_t kShadowEdgeAttr = 0x78;   // dark grey on light grey
constexpr std::uint8_t kTitleAttr = 0x1F;        // white on blue
constexpr std::uint8_t kAcceleratorAttr = 0x74;  // red on light grey

constexpr int kMaxTextWidth = 70;
constexpr int kIconWidth = 3;
constexpr int kIconGap = 2;
constexpr int kMargin = 2;
constexpr int kButtonWidth = 9;
constexpr int kButtonGap = 2;
constexpr int kFixedRows = 7;  // title bar, blank, blank, three button rows, bottom edge

struct Button {
    std::string label;  // 7 cells, the accelerator letter third
    char accelerator;
    int answer;
    int left = 0;  // panel column of the button's left edge
};

// Breaks a line longer than the box allows at its last blank within the limit, or hard.
void AppendWrapped(std::vector<std::string>& lines, std::string line) {
    while (static_cast<int>(line.size()) > kMaxTextWidth) {
        const std::size_t blank = line.rfind(' ', kMaxTextWidth);
        const std::size_t cut = blank == std::string::npos || blank == 0 ? kMaxTextWidth : blank;
        lines.push_back(line.substr(0, cut));
        line.erase(0, blank == cut ? cut + 1 : cut);
    }
    lines.push_back(line);
}

// The text's lines, split at CR LF; a final CR LF ends the last line and adds none.
std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        AppendWrapped(lines, CellText(std::string_view(text).substr(start, stop - start)));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    if (lines.empty()) lines.emplace_back();
    lines.resize(std::min<std::size_t>(lines.size(), kScreenHeight - kFixedRows));
    return lines;
}

std::vector<Button> ButtonsOf(MessageButtons buttons) {
    if (buttons == MessageButtons::YesNo)
        return {{"  Yes  ", 'Y', kAnswerYes}, {"  No   ", 'N', kAnswerNo}};
    return {{"  OK   ", 'O', kAnswerOk}};
}

// The box's cells, composed off screen and shown with one block write.
class Panel {
  public:
    Panel(int width, int height)
        : width_(width),
          height_(height),
          cells_(static_cast<std::size_t>(width * height), Cell{' ', kBodyAttr}) {}

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<Cell>& cells() const { return cells_; }

    void Put(int row, int col, std::string_view text, std::uint8_t attr) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int c = col + static_cast<int>(i);
            if (c >= 1 && c <= width_) At(row, c) = Cell{static_cast<std::uint8_t>(text[i]), attr};
        }
    }

    // A raised frame: light at the top and left, shadow at the bottom and right.
    void Frame(int top, int left, int bottom, int right, bool withTop) {
        const auto horizontal = std::string(static_cast<std::size_t>(right - left - 1), '\xC4');
        if (withTop) {
            Put(top, left, "\xDA" + horizontal + "\xBF", kLightEdgeAttr);
            At(top, right).attr = kShadowEdgeAttr;
        }
        for (int row = top + (withTop ? 1 : 0); row < bottom; ++row) {
            Put(row, left, "\xB3", kLightEdgeAttr);
            Put(row, right, "\xB3", kShadowEdgeAttr);
        }
        Put(bottom, left, "\xC0" + horizontal + "\xD9", kShadowEdgeAttr);
        At(bottom, left).attr = kLightEdgeAttr;
    }

  private:
    Cell& At(int row, int col) {
        return cells_[static_cast<std::size_t>((row - 1) * width_ + (col - 1))];
    }

    int width_;
    int height_;
    std::vector<Cell> cells_;
};

struct Layout {
    std::vector<std::string> lines;
    std::string caption;
    std::vector<Button> buttons;
    int width = 0, height = 0;
    int top = 0, left = 0;  // screen place of the panel's top left cell
    int textCol = 0;        // panel column where the text lines start
    int buttonRow = 0;      // panel row of the buttons' top edge
};

Layout LayOut(const std::string& text, const std::string& caption, MessageButtons buttons,
              MessageIcon icon) {
    Layout layout;
    layout.lines = TextLines(text);
    layout.buttons = ButtonsOf(buttons);
    int textWidth = 0;
    for (const auto& line : layout.lines)
        textWidth = std::max(textWidth, static_cast<int>(line.size()));
    const int iconSpace = icon == MessageIcon::None ? 0 : kIconWidth + kIconGap;
    const int buttonsWidth =
        static_cast<int>(layout.buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int captionWidth = static_cast<int>(caption.size()) + 2;
    const int inner = std::max({iconSpace + textWidth, buttonsWidth, captionWidth});
    layout.width = std::min(inner + 2 * (kMargin + 1), kScreenWidth);
    layout.height = static_cast<int>(layout.lines.size()) + kFixedRows;
    layout.caption = CellText(caption).substr(0, static_cast<std::size_t>(layout.width - 2));
    layout.left = (kScreenWidth - layout.width) / 2 + 1;
    layout.top = (kScreenHeight - layout.height) / 2 + 1;
    layout.textCol = 2 + kMargin + iconSpace;
    layout.buttonRow = layout.height - 3;
    int buttonLeft = (layout.width - buttonsWidth) / 2 + 1;
    for (auto& button : layout.buttons) {
        button.left = buttonLeft;
        buttonLeft += kButtonWidth + kButtonGap;
    }
    return layout;
}

Panel Draw(const Layout& layout, MessageIcon icon) {
    Panel panel(layout.width, layout.height);
    panel.Put(1, 1, std::string(static_cast<std::size_t>(layout.width), ' '), kTitleAttr);
    panel.Put(1, 2, layout.caption, kTitleAttr);
    panel.Frame(2, 1, layout.height, layout.width, false);
    if (icon != MessageIcon::None)
        panel.Put(3, 2 + kMargin, icon == MessageIcon::Question ? " ? " : " i ", kTitleAttr);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        panel.Put(3 + static_cast<int>(i), layout.textCol, layout.lines[i], kBodyAttr);
    }
    for (const auto& button : layout.buttons) {
        panel.Frame(layout.buttonRow, button.left, layout.buttonRow + 2,
                    button.left + kButtonWidth - 1, true);
        panel.Put(layout.buttonRow + 1, button.left + 1, button.label, kBodyAttr);
        panel.Put(layout.buttonRow + 1, button.left + 3, button.label.substr(2, 1),
                  kAcceleratorAttr);
    }
    return panel;
}

// The answer of the button under a left press, or 0.
int AnswerOfClick(const Layout& layout, const ConsoleEvent& event) {
    if (!event.IsPress() || (event.buttons & kLeftButton) == 0) return 0;
    const int panelRow = event.row - layout.top + 1;
    const int panelCol = event.col - layout.left + 1;
    if (panelRow < layout.buttonRow || panelRow > layout.buttonRow + 2) return 0;
    for (const auto& button : layout.buttons) {
        if (panelCol >= button.left && panelCol < button.left + kButtonWidth) return button.answer;
    }
    return 0;
}

// Enter takes the first button; a button's letter, in either case, takes that button.
int AnswerOfKey(const Layout& layout, const ConsoleEvent& event) {
    if (event.kind != EventKind::Key || event.key.size() != 1) return 0;
    if (event.IsKey(kEnterKey)) return layout.buttons.front().answer;
    const char key = UpperCase(event.key[0]);
    for (const auto& button : layout.buttons) {
        if (key == button.accelerator) return button.answer;
    }
    return 0;
}

}  // namespace

int ShowMessageBox(Console& console, const std::string& text, const std::string& caption,
                   MessageButtons buttons, MessageIcon icon) {
    const Layout layout = LayOut(text, caption, buttons, icon);
    const int bottom = layout.top + layout.height - 1;
    const int right = layout.left + layout.width - 1;
    const CellRect rect{layout.top, layout.left, bottom, right};
    const DialogCover cover(console, rect);
    console.WriteBlock(rect, Draw(layout, icon).cells());
    console.SetMouseEvents(kLeftButton, kPress);
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        const int answer =
            event.IsMouse() ? AnswerOfClick(layout, event) : AnswerOfKey(layout, event);
        if (answer != 0) return answer;
    }
}

}  // namespace gridlet
