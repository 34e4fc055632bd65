#include "output/preview_picture.h"

#include <algorithm>

#include "platform/cell_text.h"

namespace gridlet {
namespace {

constexpr int kMaxNotDrawnRows = 8;
constexpr int kTitleForeground = 0;  // black on light grey, as the hint row
constexpr int kTitleBackground = 7;
constexpr int kListForeground = 14;  // yellow on black
constexpr int kBackground = 0;

std::string Fitted(std::string row) {
    row.resize(kScreenWidth, ' ');
    return row;
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string PreviewTitle(const RenderResult& result, const std::string& pngName) {
    std::string title;
    switch (result.kind) {
        case PictureKind::Window:
            title = " Graphic window, ";
            break;
        case PictureKind::PrinterPage:
            title = " Printed page, ";
            break;
        case PictureKind::None:
            return " The program opens no graphic window: nothing to show - any key or click "
                   "closes";
    }
    title += std::to_string(result.image.width);
    title += " x ";
    title += std::to_string(result.image.height);
    title += " pixels - ";
    title += pngName;
    title += " - any key or click closes";
    return title;
}

std::vector<std::string> NotDrawnRows(const std::vector<NotDrawn>& notDrawn, int maxRows) {
    std::vector<std::string> rows;
    const auto count = static_cast<int>(notDrawn.size());
    const int shown = count > maxRows ? maxRows - 1 : count;
    for (int i = 0; i < shown; ++i) {
        const NotDrawn& entry = notDrawn[static_cast<std::size_t>(i)];
        std::string row = " not drawn";
        if (entry.line > 0) {
            row += ", line ";
            row += std::to_string(entry.line);
        }
        row += " (";
        row += entry.reason;
        row += ")";
        const std::string statement = WithoutLeadingBlanks(entry.text);
        if (!statement.empty()) row += ": " + statement;
        rows.push_back(CellText(row).substr(0, kScreenWidth));
    }
    if (shown < count) {
        rows.push_back(" ... and " + std::to_string(count - shown) + " more not drawn");
    }
    return rows;
}

void ShowPreviewPicture(Context& context, const RenderResult& result, const std::string& pngName) {
    Screen& screen = context.screen;
    std::string saved;
    screen.SaveScreen(saved);

    const std::vector<std::string> list = NotDrawnRows(result.notDrawn, kMaxNotDrawnRows);
    const int listTop = kScreenHeight + 1 - static_cast<int>(list.size());
    screen.PrintAt(1, 1, kTitleForeground, kTitleBackground, Fitted(PreviewTitle(result, pngName)));
    for (int row = 2; row <= kScreenHeight; ++row) {
        const int index = row - listTop;
        const std::string text = index >= 0 ? list[static_cast<std::size_t>(index)] : "";
        screen.PrintAt(row, 1, kListForeground, kBackground, Fitted(text));
    }
    // The picture keeps off the bottom row, where a terminal would scroll after an image.
    const CellRect area{2, 1, std::min(listTop, kScreenHeight) - 1, kScreenWidth};
    const RgbImage& image = result.image;
    context.console.ShowPicture({image.width, image.height, image.pixels}, area);
    screen.RestoreScreen(saved);
}

}  // namespace gridlet
