#include "design/object_block.h"

#include "codegen/statement_emitter.h"
#include "codegen/string_variable.h"
#include "codegen/text_block.h"
#include "design/tool_course.h"

namespace gridlet {

std::string BuildObjectBlock(const DesignObject& object) {
    const ObjectValues& v = object.values;
    switch (object.kind) {
        case ObjectKind::Text:
            return TextBlock(v.fontHead, {v.text, v.x1, v.y1, object.number, v.lineWidth});
        case ObjectKind::StringVariable:
            if (!v.printed) return v.fontHead;
            return v.fontHead + StringPositionPart(v.properties.edgeColor, v.properties.fillColor,
                                                   v.x1, v.y1, v.name);
        default:
            return StatementBlock(StatementValuesOf(object.number, v), object.kind,
                                  object.rebuilt ? Build::Rebuild : Build::Placement);
    }
}

}  // namespace gridlet
