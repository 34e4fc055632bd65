#include "design/undo.h"

#include <array>
#include <string>

#include "codegen/text_replace.h"
#include "design/history.h"
#include "screen/images.h"

namespace gridlet {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The texts that hold recorded blocks, in search order. The background paint is searched last so
// that a paint placed as the first object can be undone like any other.
std::array<std::string*, 12> SearchedTexts(DesignState& s) {
    return {&s.lineCode,    &s.bitmapCode, &s.boxCode,      &s.ellipseCode,
            &s.polygonCode, &s.textCode,   &s.starCode,     &s.paintCode,
            &s.arcCode,     &s.pieCode,    &s.doStringBody, &s.backgroundPaintCode};
}

}  // namespace

void Undo(Context& context) {
    DesignState& s = context.state;
    if (s.screenHistory[0].empty()) return;
    PaintRightUndoPressed(context.screen);
    context.console.Sleep(200);

    // An entry without code (an object sent to the back, a string variable never previewed) has
    // nothing to remove; its screen still comes back, so Undo can go on to older objects.
    const std::string block = s.codeHistory[0];
    if (block.empty()) {
        PopHistory(context);
        return;
    }
    for (std::string* text : SearchedTexts(s)) {
        if (!Contains(*text, block)) continue;
        ReplaceAll(*text, block, "");
        if (!Contains(*text, block)) PopHistory(context);
        return;
    }
}

void PopHistory(Context& context) {
    DesignState& s = context.state;
    context.screen.RestoreScreen(s.screenHistory[0]);
    DropNewestHistory(s);
    s.lineKeepFlag = false;
}

}  // namespace gridlet
