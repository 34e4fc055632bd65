#include "design/drawing_tools.h"

#include "design/tool_arc_pie.h"
#include "design/tool_bitmaps.h"
#include "design/tool_lines.h"
#include "design/tool_shapes.h"
#include "design/tool_string.h"
#include "design/tool_text.h"
#include "model/command_codes.h"

namespace gridlet {

bool RunDrawingTool(Context& context, std::int16_t command) {
    switch (command) {
        case kPaintCommand:
            PaintTool(context);
            return true;
        case kStarCommand:
            StarTool(context);
            return true;
        case kArcCommand:
            ArcTool(context);
            return true;
        case kPieCommand:
            PieTool(context);
            return true;
        case kLineStepCommand:
            LineStepTool(context);
            return true;
        case kBmpStretchedCommand:
            StretchedBitmapTool(context);
            return true;
        case kBmpCommand:
            NaturalBitmapTool(context);
            return true;
        case kPolygonCommand:
            PolygonTool(context);
            return true;
        case kRectangleCommand:
            BoxTool(context);
            return true;
        case kEllipseCommand:
            EllipseTool(context);
            return true;
        case kLineCommand:
            LineTool(context);
            return true;
        case kTextCommand:
            TextTool(context);
            return true;
        case kAddStrCommand:
            StringTool(context);
            return true;
        default:
            return false;
    }
}

}  // namespace gridlet
