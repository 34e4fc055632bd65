#include "app/design_code.h"

#include "output/clipboard_route.h"
#include "output/compose_program.h"
#include "output/kept_sections.h"

namespace gridlet {

std::optional<std::string> DesignCode(const DesignFileContents& contents, bool printer) {
    Design design;
    RestoreFromSections(contents.sections, design);
    if (design.windowExists == 0) return std::nullopt;
    const CodeForm form = printer ? CodeForm::Printer : CodeForm::GraphicWindow;
    return ClipboardText(ComposeSections(design, form), form);
}

}  // namespace gridlet
