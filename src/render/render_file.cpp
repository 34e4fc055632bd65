#include "render/render_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/cp1252.h"
#include "platform/escape_controls.h"
#include "render/png_file.h"

namespace gridlet {
namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw RenderFileError("cannot read " + path + ": " + std::strerror(errno));
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw RenderFileError("cannot read " + path + ": " + std::strerror(EISDIR));
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) throw RenderFileError("cannot read " + path + ": " + std::strerror(errno));
    return text.str();
}

}  // namespace

std::vector<NotDrawn> RenderProgramFile(const std::string& programPath,
                                        const std::string& pngPath) {
    RenderResult result = RenderProgram(ReadWhole(programPath));
    const std::string failure = WritePng(result.image, pngPath);
    if (!failure.empty()) throw RenderFileError("cannot write " + pngPath + ": " + failure);
    return std::move(result.notDrawn);
}

int RenderCommand(const std::string& programPath, const std::string& pngPath, std::ostream& report,
                  std::ostream& errors) {
    try {
        for (const NotDrawn& entry : RenderProgramFile(programPath, pngPath)) {
            report << "not drawn";
            if (entry.line > 0) report << ", line " << entry.line;
            report << ": " << Cp1252ToUtf8(entry.text) << (entry.text.empty() ? "" : " ") << "("
                   << Cp1252ToUtf8(entry.reason) << ")\n";
        }
        return 0;
    } catch (const RenderFileError& error) {
        errors << "gridlet: " << EscapeControls(error.what())
               << "\n";  // control characters in a name escaped
        return 1;
    }
}

}  // namespace gridlet
