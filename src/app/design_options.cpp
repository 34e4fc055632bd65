#include "app/design_options.h"

#include "output/clipboard_route.h"
#include "output/compose_program.h"
#include "output/kept_sections.h"

namespace gridlet {
namespace {

DesignOptions Refused(const std::string& why, const std::string& what = {}) {
    DesignOptions refused;
    refused.action = DesignOptions::Action::Refuse;
    refused.refusal = why;
    refused.refusal += what;
    return refused;
}

}  // namespace

DesignOptions ParseDesignOptions(const std::vector<std::string>& arguments) {
    DesignOptions options;
    bool code = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.action = DesignOptions::Action::Help;
            return options;
        }
        if (argument == "--code") {
            code = true;
        } else if (argument == "--printer") {
            options.printer = true;
        } else if (!argument.empty() && argument[0] == '-') {
            return Refused("unknown option ", argument);
        } else if (!options.designPath.empty()) {
            return Refused("one design file at a time");
        } else {
            options.designPath = argument;
        }
    }
    if (options.printer && !code) return Refused("--printer goes with --code");
    if (code && options.designPath.empty()) return Refused("--code needs a design file");
    if (code) options.action = DesignOptions::Action::PrintCode;
    return options;
}

std::string UsageText() {
    return "Usage: gridlet [FILE.GDL]\n"
           "       gridlet --code [--printer] FILE.GDL\n"
           "\n"
           "Gridlet designs BASIC graphic-window code with the mouse, in a terminal of 90 x 46\n"
           "characters.\n"
           "\n"
           "  FILE.GDL          open this design file at start, without asking\n"
           "  --code FILE.GDL   print the code Build would put on the clipboard for the design\n"
           "                    (CR LF line ends) and exit\n"
           "  --printer         with --code: printer code, as Build gives it for a right click\n"
           "  --help            show this help and exit\n";
}

std::optional<std::string> DesignCode(const DesignFileContents& contents, bool printer) {
    Design design;
    RestoreFromSections(contents.sections, design);
    if (design.windowExists == 0) return std::nullopt;
    AreaRequests build;
    build.buildRequest = printer ? 2 : 1;
    return ClipboardText(ComposeSections(design, build, 0, {}), build.buildRequest);
}

}  // namespace gridlet
