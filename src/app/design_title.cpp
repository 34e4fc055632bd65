#include "app/design_title.h"

#include <filesystem>

#include "platform/cell_text.h"
#include "platform/cp1252.h"

namespace gridlet {

std::string DesignTitle(const Design& design) {
    std::string title = "Gridlet - ";
    if (design.saved.path.empty()) {
        title += "new design";
    } else {
        const std::string name = std::filesystem::path(design.saved.path).filename().string();
        title += CellText(Utf8ToCp1252(name));
    }
    if (HasUnsavedChanges(design)) title += " *";
    return title;
}

void ShowDesignTitle(Console& console, const Design& design) {
    const std::string title = DesignTitle(design);
    if (console.Title() != title) console.SetTitle(title);
}

}  // namespace gridlet
