#include "design/text_font.h"

#include "codegen/font_head.h"
#include "codegen/local_decls.h"
#include "dialogs/font_chooser.h"
#include "dialogs/properties_menu.h"

namespace gridlet {

void BuildFontHead(Context& context) {
    PassState& pass = context.pass;
    pass.chosenTextFont = ChosenFontOf(pass.fontRecord);
    context.design.localDecls = AddFontLocals(context.design.localDecls);
    pass.fontHead = FontHeadFor(pass.fontRecord, pass.fontHead, pass.properties.edgeColor,
                                pass.properties.fillColor);
}

void ChooseFontHead(Context& context) {
    ChooseTextFont(context.screen, context.pass.fontRecord);
    BuildFontHead(context);
}

void TextPropertiesSetUp(Context& context) {
    ChooseTextFont(context.screen, context.pass.fontRecord);
    OpenPropertiesMenu(context);
    BuildFontHead(context);
}

}  // namespace gridlet
