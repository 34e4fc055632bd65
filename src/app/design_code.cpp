#include "app/design_code.h"

#include "output/clipboard_route.h"
#include "output/compose_program.h"
#include "output/kept_sections.h"

namespace gridlet {

std::optional<std::string> DesignCode(const DesignFileContents& contents, bool printer) {
    Design design;
    RestoreFromSections(contents.sections, design);
    if (design.windowExists == 0) return std::nullopt;
    AreaRequests build;
    build.buildRequest = printer ? 2 : 1;
    return ClipboardText(ComposeSections(design, build, 0, {}), build.buildRequest);
}

}  // namespace gridlet
