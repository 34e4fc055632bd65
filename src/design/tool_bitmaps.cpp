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

// The part of a path after its last separator.
std::string FileNameOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

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
        AbandonCommand(context);
        return false;
    }
    pass.bitmapPath = choice.designPath;
    pass.bitmapName = FileNameOf(pass.bitmapPath);
    const BitmapSize size = ReadBitmapSize(choice.path);
    pass.bitmapWidth = size.width;
    pass.bitmapHeight = size.height;
    return true;
}

// False, after telling the user, when the bitmap could not be read or has no width.
bool BitmapHasWidth(Context& context) {
    PassState& pass = context.pass;
    if (pass.bitmapWidth != 0) return true;
    ShowMessageBox(context.console,
                   "Something seems to be wrong with your BMP file. \r\n\r\n"
                   "Is it located in the Program's directory?\r\n\r\n"
                   "The name might be spelled wrong.         \r\n\r\n" +
                       UpperCase(pass.bitmapName) + " is reporting zero for width.",
                   kQuestionCaption, MessageButtons::Ok, MessageIcon::None);
    AbandonCommand(context);
    return false;
}

// Yes or No to moving the bitmap so that it fits; No abandons the command.
bool AgreesToFit(Context& context, const std::string& question) {
    if (ShowMessageBox(context.console, question, kQuestionCaption, MessageButtons::YesNo,
                       MessageIcon::None) == kAnswerYes) {
        return true;
    }
    AbandonCommand(context);
    return false;
}

bool FitHeight(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (design.windowHeight >= pass.bitmapHeight) return true;
    const std::int32_t up = pass.y1 + kRowHeight - (design.windowHeight - pass.bitmapHeight);
    if (!AgreesToFit(context,
                     "Not enough height to contain the full BMP \r\n\r\n"
                     "Do you want to adjust it to fit?\r\n\r\n"
                     "It will move up about " +
                         S(up) + " pixels if you do.\r\n")) {
        return false;
    }
    pass.y1 = design.windowHeight - pass.bitmapHeight - 21;
    pass.AreaTop =
        Nearest(static_cast<double>(kRowHeight * design.windowTopRow + pass.y1) / kRowHeight);
    return true;
}

bool FitWidth(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (design.windowWidth >= pass.bitmapWidth) return true;
    const std::int32_t left = pass.x1 - (design.windowWidth - pass.bitmapWidth);
    if (!AgreesToFit(context,
                     "Not enough width to contain the full BMP \r\n\r\n"
                     "Do you want to adjust it to fit?\r\n\r\n"
                     "It will move left about " +
                         S(left) + " pixels if you do.\r\n")) {
        return false;
    }
    pass.x1 = design.windowWidth - pass.bitmapWidth;
    pass.y1 = PixelY(pass.AreaTop, design.windowTopRow, kNearOffset.oy);
    const double column = static_cast<double>(kColumnWidth);
    pass.AreaLeft = Nearest((column * design.windowLeftCol + pass.x1) / column);
    return true;
}

// The marker covers the cells the bitmap itself covers, whatever area was marked.
void CoverBitmapCells(PassState& pass) {
    const double column = static_cast<double>(kColumnWidth);
    const std::int32_t rows = Nearest(static_cast<double>(pass.bitmapHeight) / kRowHeight - 1);
    const std::int32_t columns = Nearest(pass.bitmapWidth / column - 1);
    pass.AreaBottom = pass.AreaTop + rows + (kRowHeight * (1 + rows) < pass.bitmapHeight ? 1 : 0);
    pass.AreaRight = pass.AreaLeft + columns + (column * (1 + columns) < pass.bitmapWidth ? 1 : 0);
}

void RecordBitmap(Context& context, ObjectKind kind) {
    RecordObject(context, kind, [&context] {
        DrawOutlineAndName(context.screen, context.pass.MarkedArea(), context.pass.bitmapName);
    });
}

bool StartBitmapTool(Context& context, std::int16_t command) {
    PressToolButton(context, command);
    ++context.design.objectNumber;
    return GraphicWindowExists(context) && AreaHasTwoColumns(context) && TakeBitmapFile(context);
}

}  // namespace

void StretchedBitmapTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (!StartBitmapTool(context, kBmpStretchedCommand) || !BitmapHasWidth(context)) return;
    MapCorners(design, pass, kNearOffset);
    BuildPendingStatement(context, ObjectKind::StretchedBitmap);
    RecordBitmap(context, ObjectKind::StretchedBitmap);
}

void NaturalBitmapTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    if (!StartBitmapTool(context, kBmpCommand)) return;
    MapFirstPoint(design, pass);
    if (!FitHeight(context) || !FitWidth(context)) return;
    LiftNegativeY1(pass);
    // The render statement takes the far corner; the bitmap's own size puts it there.
    pass.x2 = pass.x1 + pass.bitmapWidth;
    pass.y2 = pass.y1 + pass.bitmapHeight;
    BuildPendingStatement(context, ObjectKind::NaturalBitmap);
    MoveMenuAs(context, &MoveMenuKinds::naturalBitmap, RebuildAs(ObjectKind::NaturalBitmap));
    CoverBitmapCells(pass);
    RecordBitmap(context, ObjectKind::NaturalBitmap);
}

}  // namespace gridlet
