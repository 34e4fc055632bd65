#include "design/undo.h"

#include <string>
#include <vector>

#include "codegen/text_replace.h"
#include "interact/strip_buttons.h"
#include "model/history.h"
#include "model/kind_table.h"

namespace gridlet {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The texts that hold recorded blocks, in search order: the kinds' accumulators as the kind table
// lists them, then the blocks sent to the back and the background paint, so that those objects
// can be undone like any other.
std::vector<std::string*> SearchedTexts(Design& design) {
    std::vector<std::string*> texts;
    for (const KindEntry& kind : kKindTable) texts.push_back(&(design.*kind.accumulator));
    texts.push_back(&design.backLayerCode);
    texts.push_back(&design.backgroundPaintCode);
    return texts;
}

}  // namespace

void Undo(Context& context) {
    Design& design = context.design;
    if (design.screenHistory[0].empty()) return;
    PressButton(context.screen, RequestButton(AreaRequest::Undo));

    // An entry without code (an object sent to the back, a string variable never previewed) has
    // nothing to remove; its screen still comes back, so Undo can go on to older objects.
    const std::string block = design.codeHistory[0];
    if (block.empty()) {
        PopHistory(context);
        return;
    }
    for (std::string* text : SearchedTexts(design)) {
        if (!Contains(*text, block)) continue;
        ReplaceAll(*text, block, "");
        if (!Contains(*text, block)) PopHistory(context);
        return;
    }
    // A block no text holds any more must not stop Undo from reaching the older objects.
    PopHistory(context);
}

void PopHistory(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    context.screen.RestoreScreen(design.screenHistory[0]);
    DropNewestHistory(design);
    pass.current.lineKeepFlag = false;
}

}  // namespace gridlet
