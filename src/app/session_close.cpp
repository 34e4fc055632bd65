#include "app/session_close.h"

#include "output/design_file.h"
#include "output/kept_sections.h"
#include "output/recovery_file.h"

namespace gridlet {

std::vector<std::string> CloseSession(Context& context, const SessionEnd& end,
                                      const std::vector<std::string>& folders) {
    std::vector<std::string> lines;
    if (!end.message.empty()) lines.push_back(end.message);
    if (!DesignHoldsAnything(context.design)) return lines;
    // The pass's screen has no rubber band or dialog of an unfinished command on it.
    std::string image = context.pass.snapshot;
    if (image.size() != kScreenImageSize) context.screen.SaveScreen(image);
    const RecoveryResult kept = KeepRecoveredDesign(context.design, image, folders);
    std::string line =
        kept.path.empty() ? "the design could not be kept: " : "the design was kept in ";
    line += kept.path.empty() ? kept.error : kept.path;
    lines.push_back(line);
    return lines;
}

}  // namespace gridlet
