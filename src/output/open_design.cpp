#include "output/open_design.h"

#include <utility>

#include "design/grid_base.h"
#include "dialogs/file_chooser.h"
#include "output/kept_sections.h"
#include "output/recover_objects.h"
#include "platform/basic_error.h"
#include "platform/read_file.h"

namespace gridlet {
namespace {

// Far beyond any design made by hand; a larger file is not one and is not read into memory.
constexpr std::size_t kLargestDesignFile = 64 * 1024 * 1024;

}  // namespace

DesignFileContents ReadDesignFile(const std::string& path) {
    const std::string bytes = ReadFileBytes(path, kLargestDesignFile);
    try {
        return DecodeDesignFile(bytes);
    } catch (const BasicError& error) {
        throw BasicError(error.number(), path + ": " + error.what());
    }
}

void ApplyDesignFile(Context& context, const DesignFileContents& contents) {
    Design& design = context.design;
    RestoreFromSections(contents.sections, design);
    RecoveredObjects recovered = RecoverObjects(context.screen, design, contents.screenImage);
    design.objects = std::move(recovered.objects);
    design.history = std::move(recovered.history);
    design.gridBase = GridBaseOf(context.screen, design, contents.screenImage);
}

void OpenDesignAtStart(Context& context) {
    const std::string chosen = ChooseFile(context, FileMode::OpenDesign).path;
    if (chosen.empty()) return;
    ApplyDesignFile(context, ReadDesignFile(chosen));
}

}  // namespace gridlet
