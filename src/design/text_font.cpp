#include "design/text_font.h"

#include "codegen/font_head.h"
#include "codegen/local_decls.h"
#include "dialogs/font_chooser.h"
#include "dialogs/properties_menu.h"

namespace gridlet {

void BuildFontHead(Context& context) {
    PassState& pass = context.pass;
    pass.current.font.chosen = ChosenFontOf(pass.current.font.record);
    context.design.localDecls = AddFontLocals(context.design.localDecls);
    pass.current.font.fontHead =
        FontHeadFor(pass.current.font.record, pass.current.font.fontHead,
                    pass.current.properties.edgeColor, pass.current.properties.fillColor);
}

void ChooseFontHead(Context& context) {
    ChooseTextFont(context.screen, context.pass.current.font.record);
    BuildFontHead(context);
}

void TextPropertiesSetUp(Context& context) {
    ChooseTextFont(context.screen, context.pass.current.font.record);
    OpenPropertiesMenu(context);
    BuildFontHead(context);
}

}  // namespace gridlet
