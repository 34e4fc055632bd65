#include "design/tool_text.h"

#include <cmath>

#include "codegen/font_head.h"
#include "codegen/local_decls.h"
#include "codegen/text_block.h"
#include "design/grid_markers.h"
#include "design/move_menu.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "dialogs/text_entry.h"
#include "model/command_codes.h"
#include "model/pixel_mapping.h"

namespace gridlet {
namespace {

// A character is taken as this much wider than its point size.
constexpr float kCharacterSpacing = 0.225f;
constexpr long double kMargin = 6;

// The command ends with nothing placed and its object number given back.
void DropText(Context& context) {
    AbandonCommand(context.screen, context.pass);
    --context.design.objectNumber;
    context.pass.pending.pendingStatement.clear();
}

}  // namespace

std::int32_t FontColumnLimit(int left, int right, float pointSize) {
    const long double perCharacter =
        static_cast<long double>(kCharacterSpacing) * pointSize + pointSize;
    if (!(perCharacter > 0)) return right;
    const long double pixels =
        static_cast<long double>(kColumnWidth) * (right - left + 1) - kMargin;
    return static_cast<std::int32_t>(std::nearbyint(left + pixels / perCharacter));
}

void BuildTextStatement(Context& context) {
    Design& design = context.design;
    const PassState& pass = context.pass;
    design.localDecls = AddTextLocals(design.localDecls);
    ObjectValues values;
    values.x1 = pass.pending.x1;
    values.y1 = pass.pending.y1;
    values.properties = pass.current.properties;
    values.text = pass.pending.enteredText;
    values.fontHead = pass.current.font.fontHead;
    values.lineWidth = pass.pending.lineLimitColumn - pass.area.AreaLeft;
    context.pass.pending.pendingStatement =
        TextBlock(values.fontHead,
                  {values.text, values.x1, values.y1, design.objectNumber, values.lineWidth});
    context.pass.pending.builtFrom = std::move(values);
    context.pass.pending.rebuilt = false;
}

void TextTool(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    // The right strip's flag lasts this one command, however it ends.
    const bool fromRightStrip = pass.current.target == PropertiesTarget::Text;
    if (fromRightStrip) pass.current.target = PropertiesTarget::None;
    PressToolButton(context.screen, kTextCommand);
    ++design.objectNumber;
    if (!GraphicWindowExists(context)) return;
    design.localDecls = AddFontLocals(design.localDecls);
    if (!HasFontNew(pass.current.font.fontHead)) pass.current.font.fontHead = kTextDefaultFontHead;
    pass.pending.x1 = PixelX(pass.area.AreaLeft, design.windowLeftCol, kTextOffset.ox);
    pass.pending.y1 = PixelY(pass.area.AreaTop, design.windowTopRow, kTextOffset.oy);

    pass.pending.enteredText =
        EnterText(context.screen, pass.area.Rect(), pass.current.font.chosen);
    if (pass.pending.enteredText.empty()) return DropText(context);
    pass.current.font.chosen.faceName.clear();
    if (fromRightStrip) {
        pass.pending.lineLimitColumn = FontColumnLimit(pass.area.AreaLeft, pass.area.AreaRight,
                                                       pass.current.font.chosen.pointSize);
        BuildTextStatement(context);  // what Move to Back sends when nothing was previewed
        MoveMenu(context, BuildTextStatement);
    } else {
        pass.pending.lineLimitColumn = pass.area.AreaRight;
    }
    // The block follows every move and column width the menu set, previewed or not; a block sent
    // to the back is there already.
    if (pass.pending.sentToBackStatement.empty()) BuildTextStatement(context);
    RecordObject(context, PendingDesignObject(context, ObjectKind::Text,
                                              {.kind = MarkKind::Text, .area = pass.area.Rect()}));
    pass.pending.enteredText.clear();
    pass.current.font.fontHead.clear();
    pass.current.properties.edgeColor.clear();
}

}  // namespace gridlet
