#include "output/compose_program.h"

#include "codegen/printer_code.h"
#include "model/kind_table.h"
#include "output/clipboard_route.h"
#include "output/code_view_route.h"
#include "output/preview_route.h"

namespace gridlet {
namespace {

std::string DoStringRoutine(const std::string& body) {
    if (body.empty()) return {};
    std::string routine = kDoStringOpening;
    routine += body;
    routine += kDoStringClosing;
    return routine;
}

// A block sent to the back goes in front of the earlier ones; a shifted line step is drawn with
// the lines, any other shifted object after everything else.
void PlaceMoveMenuStatements(const std::string& backLayerCode, const MovePreview& preview,
                             SectionTable& sections) {
    const std::string statement(preview.statement);
    if (preview.toBack) {
        sections[Section::BackLayer] = statement + backLayerCode;
        return;
    }
    sections[Section::BackLayer] = backLayerCode;
    if (statement.find("GRAPHIC LINE STEP") != std::string::npos) {
        sections[Section::ShiftedLineStep] = statement;
    } else {
        sections[Section::ShiftedObject] = statement;
    }
}

}  // namespace

SectionTable ComposeSections(const Design& design, CodeForm form, const MovePreview& preview) {
    SectionTable sections;
    sections[Section::GlobalDecls] = design.globalDecls + "\r\n";
    sections[Section::TypeDecls] = design.typeDecls;
    sections[Section::DoStringRoutine] = DoStringRoutine(design.doStringBody);
    sections[Section::SupportFunctions] = design.supportFunctions;
    sections[Section::SubHeader] = design.subHeader;
    sections[Section::WindowHandle] = "   LOCAL hwin AS LONG \r\n\r\n";
    sections[Section::LocalDecls] = design.localDecls;
    sections[Section::WindowCode] = design.windowCode;
    sections[Section::WindowBackground] = design.windowBackgroundCode;
    sections[Section::BackgroundPaint] = design.backgroundPaintCode;
    PlaceMoveMenuStatements(design.backLayerCode, preview, sections);
    for (const KindEntry& kind : kKindTable) {
        // The string variables' statements are in their routine, composed above.
        if (kind.section != Section::DoStringRoutine)
            sections[kind.section] = design.*kind.accumulator;
    }

    if (form == CodeForm::GraphicWindow) {
        sections[Section::EndSub] = " END SUB \r\n\r\n";
    } else {
        sections = ConvertToPrinterCode(std::move(sections));
    }
    return sections;
}

SectionTable ComposeProgram(Context& context, const OutputRequest& request) {
    const PendingObject& pending = context.pass.pending;
    const SectionTable sections = ComposeSections(
        context.design, request.form, {pending.movePreviewStatement, pending.moveToBack});
    switch (request.route) {
        case OutputRoute::CodeView:
            RunCodeViewRoute(context, sections);
            break;
        case OutputRoute::Preview:
            RunPreviewRoute(context, sections);
            break;
        case OutputRoute::Build:
            RunClipboardRoute(context, sections, request.form);
            break;
    }
    return sections;
}

}  // namespace gridlet
