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
void PlaceMoveMenuStatements(const std::string& backLayerCode, int moveToBackRequest,
                             const std::string& movePreviewStatement, SectionTable& sections) {
    if (moveToBackRequest != 0) {
        sections[Section::BackLayer] = movePreviewStatement + backLayerCode;
        return;
    }
    sections[Section::BackLayer] = backLayerCode;
    if (movePreviewStatement.find("GRAPHIC LINE STEP") != std::string::npos) {
        sections[Section::ShiftedLineStep] = movePreviewStatement;
    } else {
        sections[Section::ShiftedObject] = movePreviewStatement;
    }
}

bool AnyRequestIs(const AreaRequests& r, int value) {
    return r.codeViewRequest == value || r.previewRequest == value || r.buildRequest == value;
}

}  // namespace

SectionTable ComposeSections(const Design& design, const AreaRequests& requests,
                             int moveToBackRequest, const std::string& movePreviewStatement) {
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
    PlaceMoveMenuStatements(design.backLayerCode, moveToBackRequest, movePreviewStatement,
                            sections);
    for (const KindEntry& kind : kKindTable) {
        // The string variables' statements are in their routine, composed above.
        if (kind.section != Section::DoStringRoutine)
            sections[kind.section] = design.*kind.accumulator;
    }

    if (AnyRequestIs(requests, 1)) {
        sections[Section::EndSub] = " END SUB \r\n\r\n";
    } else if (AnyRequestIs(requests, 2)) {
        sections = ConvertToPrinterCode(std::move(sections));
    }
    return sections;
}

void ComposeProgram(Context& context) {
    Design& design = context.design;
    const PassState& pass = context.pass;
    design.sections =
        ComposeSections(design, pass.requests, pass.moveToBackRequest, pass.movePreviewStatement);
    if (pass.requests.codeViewRequest != 0) {
        RunCodeViewRoute(context);
    } else if (pass.requests.previewRequest != 0) {
        RunPreviewRoute(context);
    } else if (pass.requests.buildRequest != 0) {
        RunClipboardRoute(context);
    }
}

}  // namespace gridlet
