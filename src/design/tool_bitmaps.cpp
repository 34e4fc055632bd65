#include "design/tool_bitmaps.h"

#include <string>

#include "codegen/number_form.h"
#include "design/grid_markers.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/file_chooser.h"
#include "model/command_codes.h"
#include "model/pixel_mapping.h"
#include "platform/bitmap_file.h"
#include "platform/message_box.h"

namespace gridlet {
namespace {

const char* const kQuestionCaption = "Guess what";

// Upper case of a Windows-1252 text: ASCII, the accented letters and the four with a separate
// capital.
std::string UpperCase(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            c = static_cast<char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            c = static_cast<char>(byte - 0x10);
        } else if (byte == 0xFF) {
            c = '\x9F';
        }
    }
    return text;
}

// False, with the pass's screen written back, when the user chose no file.
bool TakeBitmapFile(Context& context) {
    PassState& pass = context.pass;
    const FileChoice choice = ChooseFile(context, FileMode::OpenBitmap);
    if (choice.result == 0) {
        AbandonCommand(context.screen, context.pass);
        return false;
    }
    pass.pending.bitmapPath = choice.designPath;
    pass.pending.bitmapName = BitmapFileName(pass.pending.bitmapPath);
    const BitmapSize size = ReadBitmapSize(choice.path);
    pass.pending.bitmapWidth = size.width;
    pass.pending.bitmapHeight = size.height;
    return true;
}

// False, after telling the user, when the bitmap could not be read or has no width.
bool BitmapHasWidth(Context& context) {
    PassState& pass = context.pass;
    if (pass.pending.bitmapWidth != 0) return true;
    ShowMessageBox(context.console,
                   "Something seems to be wrong with your BMP file. \r\n\r\n"
                   "Is it located in the Program's directory?\r\n\r\n"
                   "The name might be spelled wrong.         \r\n\r\n" +
                       UpperCase(pass.pending.bitmapName) + " is reporting zero for width.",
                   kQuestionCaption, MessageButtons::Ok, MessageIcon::None);
    AbandonCommand(context.screen, context.pass);
    return false;
}

// Yes or No to moving the bitmap so that it fits; No abandons the command.
bool AgreesToFit(Context& context, const std::string& question) {
    if (ShowMessageBox(context.console, question, kQuestionCaption, MessageButtons::YesNo,
                       MessageIcon::None) == kAnswerYes) {
        return true;
    }
    AbandonCommand(context.screen, context.pass);
    return false;
}

bool FitHeight(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (design.windowHeight >= pass.pending.bitmapHeight) return true;
    const std::int32_t up =
        pass.pending.y1 + kRowHeight - (design.windowHeight - pass.pending.bitmapHeight);
    if (!AgreesToFit(context,
                     "Not enough height to contain the full BMP \r\n\r\n"
                     "Do you want to adjust it to fit?\r\n\r\n"
                     "It will move up about " +
                         S(up) + " pixels if you do.\r\n")) {
        return false;
    }
    pass.pending.y1 = design.windowHeight - pass.pending.bitmapHeight - 21;
    pass.area.AreaTop = Nearest(
        static_cast<double>(kRowHeight * design.windowTopRow + pass.pending.y1) / kRowHeight);
    return true;
}

bool FitWidth(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (design.windowWidth >= pass.pending.bitmapWidth) return true;
    const std::int32_t left = pass.pending.x1 - (design.windowWidth - pass.pending.bitmapWidth);
    if (!AgreesToFit(context,
                     "Not enough width to contain the full BMP \r\n\r\n"
                     "Do you want to adjust it to fit?\r\n\r\n"
                     "It will move left about " +
                         S(left) + " pixels if you do.\r\n")) {
        return false;
    }
    pass.pending.x1 = design.windowWidth - pass.pending.bitmapWidth;
    pass.pending.y1 = PixelY(pass.area.AreaTop, design.windowTopRow, kNearOffset.oy);
    const double column = static_cast<double>(kColumnWidth);
    pass.area.AreaLeft = Nearest((column * design.windowLeftCol + pass.pending.x1) / column);
    return true;
}

// The marker covers the cells the bitmap itself covers, whatever area was marked.
void CoverBitmapCells(PassState& pass) {
    const CellRect cells = BitmapCells(pass.area.AreaTop, pass.area.AreaLeft,
                                       pass.pending.bitmapWidth, pass.pending.bitmapHeight);
    pass.area.AreaBottom = cells.bottom;
    pass.area.AreaRight = cells.right;
}

void RecordBitmap(Context& context, ObjectKind kind) {
    RecordObject(context, kind,
                 {.kind = MarkKind::OutlineAndName,
                  .area = context.pass.area.Rect(),
                  .name = context.pass.pending.bitmapName});
}

bool StartBitmapTool(Context& context, std::int16_t command) {
    PressToolButton(context.screen, command);
    ++context.design.objectNumber;
    return GraphicWindowExists(context) && AreaHasTwoColumns(context) && TakeBitmapFile(context);
}

}  // namespace

std::string BitmapFileName(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

CellRect BitmapCells(int top, int left, std::int32_t width, std::int32_t height) {
    const double column = static_cast<double>(kColumnWidth);
    const std::int32_t rows = Nearest(static_cast<double>(height) / kRowHeight - 1);
    const std::int32_t columns = Nearest(width / column - 1);
    return {top, left, top + rows + (kRowHeight * (1.0 + rows) < height ? 1 : 0),
            left + columns + (column * (1 + columns) < width ? 1 : 0)};
}

void StretchedBitmapTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (!StartBitmapTool(context, kBmpStretchedCommand) || !BitmapHasWidth(context)) return;
    MapCorners(design, pass.area, pass.pending, kNearOffset);
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::StretchedBitmap);
    RecordBitmap(context, ObjectKind::StretchedBitmap);
}

void NaturalBitmapTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (!StartBitmapTool(context, kBmpCommand)) return;
    MapFirstPoint(design, pass.area, pass.pending);
    if (!FitHeight(context) || !FitWidth(context)) return;
    LiftNegativeY1(pass.pending);
    // The render statement takes the far corner; the bitmap's own size puts it there.
    pass.pending.x2 = pass.pending.x1 + pass.pending.bitmapWidth;
    pass.pending.y2 = pass.pending.y1 + pass.pending.bitmapHeight;
    BuildPendingStatement(context.pass.pending, context.pass.current.properties,
                          context.design.objectNumber, ObjectKind::NaturalBitmap);
    MoveMenuAs(context, MoveMenuMode::NaturalBitmap, RebuildAs(ObjectKind::NaturalBitmap));
    CoverBitmapCells(pass);
    RecordBitmap(context, ObjectKind::NaturalBitmap);
}

}  // namespace gridlet
