// Compiles .art cell pictures into constant images and their panel procedures.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cp437.h"

namespace {

constexpr int kScreenWidth = 90;
constexpr int kScreenHeight = 46;

struct Image {
    std::string name;
    int left = 0, right = 0, top = 0, bottom = 0;
    std::string bytes;
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& why) {
    std::cerr << file << ":" << line << ": " << why << "\n";
    std::exit(1);
}

std::vector<char32_t> Glyphs(const std::string& text) {
    std::vector<char32_t> out;
    std::size_t pos = 0;
    while (pos < text.size()) out.push_back(gridlet::DecodeUtf8(text, pos));
    return out;
}

// The cells of one layer line between its two bars.
std::vector<char32_t> LayerLine(const std::string& file, int lineNo, const std::string& line,
                                int width) {
    std::vector<char32_t> glyphs = Glyphs(line);
    if (glyphs.size() < 2 || glyphs.front() != U'|' || glyphs.back() != U'|') {
        Fail(file, lineNo, "a layer line must stand between two bars");
    }
    glyphs = std::vector<char32_t>(glyphs.begin() + 1, glyphs.end() - 1);
    if (static_cast<int>(glyphs.size()) != width) {
        Fail(file, lineNo,
             "line is " + std::to_string(glyphs.size()) + " cells wide, the image " +
                 std::to_string(width));
    }
    return glyphs;
}

void ReadFile(const std::string& file, std::vector<Image>& images) {
    std::ifstream in(file);
    if (!in) Fail(file, 0, "cannot be read");
    std::map<char32_t, int> legend;
    std::string line;
    int lineNo = 0;
    auto next = [&](std::string& out) {
        if (!std::getline(in, out)) Fail(file, lineNo, "ends inside an image");
        ++lineNo;
        if (!out.empty() && out.back() == '\r') out.pop_back();
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "legend") {
            std::string entry;
            while (words >> entry) {
                const auto glyphs = Glyphs(entry);
                if (glyphs.size() < 3 || glyphs[1] != U'=')
                    Fail(file, lineNo, "legend entries look like g=8A");
                legend[glyphs[0]] = std::stoi(entry.substr(entry.find('=') + 1), nullptr, 16);
            }
        } else if (keyword == "image") {
            Image image;
            if (!(words >> image.name >> image.left >> image.right >> image.top >> image.bottom)) {
                Fail(file, lineNo, "image NAME LEFT RIGHT TOP BOTTOM");
            }
            const int width = image.right - image.left + 1;
            const int height = image.bottom - image.top + 1;
            if (width <= 0 || height <= 0) Fail(file, lineNo, "empty rectangle");
            if (image.left < 1 || image.top < 1 || image.right > kScreenWidth ||
                image.bottom > kScreenHeight) {
                Fail(file, lineNo, image.name + " lies outside the 90 x 46 screen");
            }
            std::vector<std::vector<char32_t>> chars, colours;
            for (int r = 0; r < height; ++r) {
                next(line);
                chars.push_back(LayerLine(file, lineNo, line, width));
            }
            next(line);
            if (line != "=") Fail(file, lineNo, "expected = between the layers");
            for (int r = 0; r < height; ++r) {
                next(line);
                colours.push_back(LayerLine(file, lineNo, line, width));
            }
            next(line);
            if (line != "end") Fail(file, lineNo, "expected end");
            for (int r = 0; r < height; ++r) {
                for (int c = 0; c < width; ++c) {
                    const auto ch = gridlet::UnicodeToCp437(chars[r][c]);
                    if (!ch) Fail(file, lineNo, "glyph outside code page 437 in " + image.name);
                    const auto colour = legend.find(colours[r][c]);
                    if (colour == legend.end())
                        Fail(file, lineNo, "colour letter without a legend in " + image.name);
                    image.bytes += static_cast<char>(*ch);
                    image.bytes += static_cast<char>(colour->second);
                }
            }
            images.push_back(std::move(image));
        } else {
            Fail(file, lineNo, "unknown keyword " + keyword);
        }
    }
}

std::string Escaped(const std::string& bytes) {
    std::string out;
    char hex[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 40 == 0) out += i == 0 ? "\"" : "\"\n    \"";
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(bytes[i]));
        out += hex;
    }
    return out + "\"";
}

// Writes the file only when its content changes, so that what includes it is not rebuilt.
bool WriteIfChanged(const std::string& path, const std::string& content) {
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream old;
        old << in.rdbuf();
        if (in && old.str() == content) return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

std::string Header(const std::string& source, const std::vector<Image>& images) {
    std::string h = "#pragma once\n// Generated from " + source +
                    " by artc. Do not edit.\n\n#include \"screen/image_info.h\"\n"
                    "#include \"screen/screen.h\"\n\nnamespace gridlet {\n\n";
    for (const auto& image : images) {
        h += "extern const ImageInfo k" + image.name + ";\nvoid Paint" + image.name +
             "(Screen& screen);\n";
    }
    return h + "\n}  // namespace gridlet\n";
}

std::string Source(const std::string& source, const std::string& header,
                   const std::vector<Image>& images) {
    std::string c = "// Generated from " + source + " by artc. Do not edit.\n#include \"" + header +
                    "\"\n\nnamespace gridlet {\n\n";
    for (const auto& image : images) {
        c += "const ImageInfo k" + image.name + "{\"" + image.name + "\", " +
             std::to_string(image.left) + ", " + std::to_string(image.right) + ", " +
             std::to_string(image.top) + ", " + std::to_string(image.bottom) +
             ",\n    std::string_view(" + Escaped(image.bytes) + ", " +
             std::to_string(image.bytes.size()) + ")};\n\n";
        c += "void Paint" + image.name + "(Screen& screen) {\n    screen.PaintImage(k" +
             image.name + ");\n}\n\n";
    }
    return c + "}  // namespace gridlet\n";
}

// The header that names every image of the program, for the checks that go through them all.
std::string Index(const std::vector<std::string>& headers, const std::vector<Image>& images) {
    std::string h = "#pragma once\n// Generated by artc. Do not edit.\n\n#include <vector>\n\n";
    for (const auto& header : headers) h += "#include \"" + header + "\"\n";
    h += "\nnamespace gridlet {\n\ninline const std::vector<ImageInfo>& AllImages() {\n"
         "    static const std::vector<ImageInfo> all{";
    for (std::size_t i = 0; i < images.size(); ++i) h += (i ? ", k" : "k") + images[i].name;
    return h + "};\n    return all;\n}\n\n}  // namespace gridlet\n";
}

// The header the program includes for "folder/name.art": "folder/name_art.h".
std::string HeaderOf(const std::string& file) {
    const std::filesystem::path path(file);
    return (path.parent_path().filename() / (path.stem().string() + "_art.h")).string();
}

}  // namespace

// artc OUT_ROOT FILE.art: OUT_ROOT/folder/name_art.h and .cpp for the images of one file.
// artc --index OUT.h FILE.art...: one header naming every image of the files.
int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: artc OUT_DIR FILE.art | artc --index OUT.h FILE.art...\n";
        return 2;
    }
    if (std::string(argv[1]) == "--index") {
        std::vector<Image> images;
        std::vector<std::string> headers;
        for (int i = 3; i < argc; ++i) {
            ReadFile(argv[i], images);
            headers.push_back(HeaderOf(argv[i]));
        }
        return WriteIfChanged(argv[2], Index(headers, images)) ? 0 : 1;
    }
    if (argc != 3) {
        std::cerr << "usage: artc OUT_DIR FILE.art\n";
        return 2;
    }
    const std::string file = argv[2];
    std::vector<Image> images;
    ReadFile(file, images);
    const std::string header = HeaderOf(file);
    const std::string stem = std::string(argv[1]) + "/" + header.substr(0, header.size() - 2);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(stem).parent_path(), error);
    const std::string source = header.substr(0, header.size() - 6) + ".art";
    const bool written = WriteIfChanged(stem + ".h", Header(source, images)) &&
                         WriteIfChanged(stem + ".cpp", Source(source, header, images));
    return written ? 0 : 1;
}
