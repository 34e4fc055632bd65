#include "output/compose_program.h"

#include "codegen/printer_code.h"
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
        sections[11] = movePreviewStatement + backLayerCode;
        return;
    }
    sections[11] = backLayerCode;
    if (movePreviewStatement.find("GRAPHIC LINE STEP") != std::string::npos) {
        sections[26] = movePreviewStatement;
    } else {
        sections[33] = movePreviewStatement;
    }
}

bool AnyRequestIs(const AreaRequests& r, int value) {
    return r.codeViewRequest == value || r.previewRequest == value || r.buildRequest == value;
}

}  // namespace

SectionTable ComposeSections(const Design& design, const AreaRequests& requests,
                             int moveToBackRequest, const std::string& movePreviewStatement) {
    SectionTable sections{};
    sections[1] = design.globalDecls + "\r\n";
    sections[2] = design.typeDecls;
    sections[3] = DoStringRoutine(design.doStringBody);
    sections[4] = design.supportFunctions;
    sections[5] = design.subHeader;
    sections[6] = "   LOCAL hwin AS LONG \r\n\r\n";
    sections[7] = design.localDecls;
    sections[8] = design.windowCode;
    sections[9] = design.windowBackgroundCode;
    sections[10] = design.backgroundPaintCode;
    PlaceMoveMenuStatements(design.backLayerCode, moveToBackRequest, movePreviewStatement,
                            sections);
    sections[12] = design.boxCode;
    sections[14] = design.polygonCode;
    sections[16] = design.ellipseCode;
    sections[18] = design.starCode;
    sections[24] = design.lineCode;
    sections[27] = design.arcCode;
    sections[28] = design.pieCode;
    sections[29] = design.paintCode;
    sections[30] = design.bitmapCode;
    sections[32] = design.textCode;

    if (AnyRequestIs(requests, 1)) {
        sections[44] = " END SUB \r\n\r\n";
    } else if (AnyRequestIs(requests, 2)) {
        sections = ConvertToPrinterCode(std::move(sections));
    }
    return sections;
}

std::string JoinSections(const SectionTable& sections, int last) {
    std::string text;
    for (int i = 1; i <= last; ++i) text += sections[static_cast<std::size_t>(i)];
    return text;
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
