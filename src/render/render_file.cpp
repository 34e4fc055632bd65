#include "render/render_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/cp1252.h"
#include "platform/cp437.h"
#include "platform/escape_controls.h"
#include "render/png_file.h"
#include "render/tokenizer.h"

namespace gridlet {
namespace {

// Far more than any program the designer writes; a file without end stops here.
constexpr std::size_t kLargestProgram = 64 * 1024 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw RenderFileError("cannot read " + path + ": " + std::strerror(errno));
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw RenderFileError("cannot read " + path + ": " + std::strerror(EISDIR));
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        const auto count = static_cast<std::size_t>(file.gcount());
        if (text.size() + count > kLargestProgram)
            throw RenderFileError("cannot read " + path + ": a program is at most 64 MiB");
        text.append(buffer, count);
    }
    if (file.bad()) throw RenderFileError("cannot read " + path + ": " + std::strerror(errno));
    return text;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (DecodeUtf8(text, pos) == 0xFFFD &&
            text.substr(start, pos - start) != kReplacementCharacter)
            return false;
    }
    return true;
}

// Text from a terminal's clipboard is UTF-8; anything that is not, the generated code's
// Windows-1252.
std::string AsWindows1252(std::string text) {
    if (!IsUtf8(text)) return text;
    if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
    return Utf8ToCp1252(text);
}

bool OpensThePicture(const NotDrawn& entry) {
    const std::string statement = Upper(entry.text);
    return (statement.starts_with("GRAPHIC WINDOW") &&
            !statement.starts_with("GRAPHIC WINDOW END")) ||
           statement.starts_with("XPRINT ATTACH");
}

// The statement that should have made the picture and failed, or what the program lacks.
std::string WhyNoPicture(const std::vector<NotDrawn>& notDrawn) {
    for (const NotDrawn& entry : notDrawn) {
        if (OpensThePicture(entry)) {
            return "line " + std::to_string(entry.line) + ", " + entry.text + " (" + entry.reason +
                   ")";
        }
    }
    for (const NotDrawn& entry : notDrawn) {
        if (entry.line == 0) return entry.reason;
    }
    return "the program opens no graphic window and attaches no printer";
}

}  // namespace

std::vector<NotDrawn> RenderProgramFile(const std::string& programPath,
                                        const std::string& pngPath) {
    RenderResult result = RenderProgram(AsWindows1252(ReadWhole(programPath)));
    if (result.kind == PictureKind::None) {
        throw RenderFileError("there is no picture to write: " +
                              Cp1252ToUtf8(WhyNoPicture(result.notDrawn)));
    }
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
