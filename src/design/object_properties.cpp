#include "design/object_properties.h"

#include <utility>

#include "codegen/font_head.h"
#include "codegen/local_decls.h"
#include "design/arc_menu.h"
#include "design/kept_on_exit.h"
#include "design/object_block.h"
#include "design/tool_course.h"
#include "dialogs/font_chooser.h"
#include "dialogs/properties_menu.h"
#include "dialogs/text_entry.h"
#include "model/design_changes.h"

namespace gridlet {
namespace {

PropertiesTarget TargetOf(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Box:
            return PropertiesTarget::Rectangle;
        case ObjectKind::Ellipse:
            return PropertiesTarget::Ellipse;
        case ObjectKind::Polygon:
            return PropertiesTarget::Polygon;
        case ObjectKind::Star:
            return PropertiesTarget::Star;
        case ObjectKind::Line:
            return PropertiesTarget::Line;
        case ObjectKind::Arc:
            return PropertiesTarget::Arc;
        case ObjectKind::Pie:
            return PropertiesTarget::Pie;
        case ObjectKind::Paint:
            return PropertiesTarget::Paint;
        case ObjectKind::PaintReplace:
            return PropertiesTarget::PaintReplace;
        // A variable is printed as a text is: colours, no style, corners or width.
        case ObjectKind::Text:
        case ObjectKind::StringVariable:
            return PropertiesTarget::Text;
        case ObjectKind::LineStep:
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            break;
    }
    return PropertiesTarget::None;
}

Properties PropertiesMenuOn(Context& context, ObjectKind kind, const Properties& properties) {
    context.pass.current.properties = properties;
    context.pass.current.target = TargetOf(kind);
    OpenPropertiesMenu(context);
    return context.pass.current.properties;
}

// The arc menu sets the angles it is given clicks for; the others stay.
void ChooseAngles(Context& context, ObjectValues& values) {
    PendingObject& pending = context.pass.pending;
    pending.arcStart.clear();
    pending.arcEnd.clear();
    ArcMenu(context);
    if (!pending.arcStart.empty()) values.arcStart = pending.arcStart;
    if (!pending.arcEnd.empty()) values.arcEnd = pending.arcEnd;
}

// The font head for a font and colours, as the right strip's Text builds it; the head the object
// has stays while neither changed, so that a look at the dialogs changes no code.
std::string FontHead(const ObjectValues& old, const LogicalFont& record,
                     const Properties& properties) {
    std::string head = FontHeadFor(record, {}, properties.edgeColor, properties.fillColor);
    const auto oldRecord = FontRecordOf(old.fontHead);
    if (oldRecord &&
        head == FontHeadFor(*oldRecord, {}, old.properties.edgeColor, old.properties.fillColor)) {
        return old.fontHead;
    }
    return head;
}

// The font chooser on the object's font, then the properties menu for its colours; gives the
// font chosen.
LogicalFont ChooseFontAndColours(Context& context, DesignObject& object) {
    ObjectValues& values = object.values;
    LogicalFont record = FontRecordOf(values.fontHead).value_or(DefaultGuiFont(SystemFonts()));
    ChangeTextFont(context.screen, record);
    const Properties properties = PropertiesMenuOn(context, object.kind, values.properties);
    values.fontHead = FontHead(values, record, properties);
    values.properties = properties;
    context.design.localDecls = AddFontLocals(context.design.localDecls);
    return record;
}

void ChooseTextValues(Context& context, DesignObject& object) {
    const LogicalFont record = ChooseFontAndColours(context, object);
    ObjectValues& values = object.values;
    const std::string text =
        EnterText(context.screen, object.mark.area, ChosenFontOf(record), values.text);
    if (!text.empty()) values.text = text;
    context.design.localDecls = AddTextLocals(context.design.localDecls);
}

// The properties menu, with the defaults and the support the tool of the kind adds.
void ChooseDrawingValues(Context& context, DesignObject& object) {
    Design& design = context.design;
    ObjectValues& values = object.values;
    if (object.kind == ObjectKind::Arc || object.kind == ObjectKind::Pie)
        ChooseAngles(context, values);
    values.properties = PropertiesMenuOn(context, object.kind, values.properties);
    if (object.kind == ObjectKind::Star) {
        DefaultStarPoints(values.properties);
        DefaultStarEdge(values.properties);
        AddSupport(design, AddStarSupport);
        design.localDecls = AddStarLocals(design.localDecls);
    } else if (object.kind == ObjectKind::Polygon) {
        DefaultPolygonSides(values.properties);
        AddSupport(design, AddPolygonSupport);
        design.localDecls = AddPolygonLocals(design.localDecls);
    }
}

}  // namespace

bool HasProperties(const DesignObject& object) {
    return TargetOf(object.kind) != PropertiesTarget::None && !object.keptAsWritten &&
           !object.leftover;
}

bool EditObjectProperties(Context& context, std::size_t index) {
    Design& design = context.design;
    const DesignObject before = design.objects.at(index);
    if (!HasProperties(before)) {
        context.console.Beep();
        return false;
    }
    const KeptOnExit<CurrentProperties> current(context.pass.current);
    const KeptOnExit<PendingObject> pending(context.pass.pending);
    DesignObject after = before;
    switch (before.kind) {
        case ObjectKind::Text:
            ChooseTextValues(context, after);
            break;
        case ObjectKind::StringVariable:
            ChooseFontAndColours(context, after);
            break;
        default:
            ChooseDrawingValues(context, after);
            break;
    }
    if (after.values == before.values) return false;
    // A line's colour and width reach its code only as the move menu rebuilds it.
    if (after.kind == ObjectKind::Line) after.rebuilt = true;
    after.block = BuildObjectBlock(after);
    MakeChange(design, {index, before, index, std::move(after)});
    return true;
}

}  // namespace gridlet
