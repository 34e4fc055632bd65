#include "output/compose_program.h"

#include "codegen/printer_code.h"
#include "output/clipboard_route.h"

namespace gridlet {
namespace {

std::string DoStringRoutine(const std::string& body) {
    if (body.empty()) return {};
    return " SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n" + body +
           "     FONT END hfont\r\n End SUB\r\n\r\n";
}

// A block sent to the back goes in front of the earlier ones; a shifted line step is drawn with
// the lines, any other shifted object after everything else.
void PlaceMoveMenuStatements(const DesignState& s, SectionTable& sections) {
    if (s.moveToBackRequest != 0) {
        sections[11] = s.movePreviewStatement + s.backLayerCode;
        return;
    }
    sections[11] = s.backLayerCode;
    if (s.movePreviewStatement.find("GRAPHIC LINE STEP") != std::string::npos) {
        sections[26] = s.movePreviewStatement;
    } else {
        sections[33] = s.movePreviewStatement;
    }
}

bool AnyRequestIs(const AreaRequests& r, int value) {
    return r.codeViewRequest == value || r.previewRequest == value || r.buildRequest == value;
}

}  // namespace

SectionTable ComposeSections(const DesignState& s) {
    SectionTable sections{};
    sections[1] = s.globalDecls + "\r\n";
    sections[2] = s.typeDecls;
    sections[3] = DoStringRoutine(s.doStringBody);
    sections[4] = s.supportFunctions;
    sections[5] = s.subHeader;
    sections[6] = "   LOCAL hwin AS LONG \r\n\r\n";
    sections[7] = s.localDecls;
    sections[8] = s.windowCode;
    sections[9] = s.windowBackgroundCode;
    sections[10] = s.backgroundPaintCode;
    PlaceMoveMenuStatements(s, sections);
    sections[12] = s.boxCode;
    sections[14] = s.polygonCode;
    sections[16] = s.ellipseCode;
    sections[18] = s.starCode;
    sections[24] = s.lineCode;
    sections[27] = s.arcCode;
    sections[28] = s.pieCode;
    sections[29] = s.paintCode;
    sections[30] = s.bitmapCode;
    sections[32] = s.textCode;

    if (AnyRequestIs(s.requests, 1)) {
        sections[44] = " END SUB \r\n\r\n";
    } else if (AnyRequestIs(s.requests, 2)) {
        ConvertToPrinterCode(sections);
    }
    return sections;
}

void ComposeProgram(Context& context) {
    DesignState& state = context.state;
    state.sections = ComposeSections(state);
    if (state.requests.codeViewRequest != 0 || state.requests.previewRequest != 0) return;
    if (state.requests.buildRequest != 0) RunClipboardRoute(context);
}

}  // namespace gridlet
