// Compiles .art cell pictures into constant images and their panel procedures.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cp437.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: artc OUTPUT_STEM FILE.art...\n";
        return 2;
    }
    std::vector<Image> images;
    for (int i = 2; i < argc; ++i) ReadFile(argv[i], images);

    std::ofstream header(std::string(argv[1]) + ".h");
    header << "#pragma once\n// Generated from the .art files by artc. Do not edit.\n\n"
              "#include <string_view>\n#include <vector>\n\n#include \"screen/screen.h\"\n\n"
              "namespace gridlet {\n\n"
              "struct ImageInfo {\n    std::string_view name;\n    int leftCol, rightCol, topRow, "
              "bottomRow;\n"
              "    std::string_view bytes;\n};\n\n"
              "const std::vector<ImageInfo>& AllImages();\n\n";
    for (const auto& image : images) {
        header << "extern const ImageInfo k" << image.name << ";\nvoid Paint" << image.name
               << "(Screen& screen);\n";
    }
    header << "\n}  // namespace gridlet\n";

    std::ofstream source(std::string(argv[1]) + ".cpp");
    source << "// Generated from the .art files by artc. Do not edit.\n#include "
              "\"screen/images.h\"\n\n"
              "namespace gridlet {\n\n";
    for (const auto& image : images) {
        source << "const ImageInfo k" << image.name << "{\"" << image.name << "\", " << image.left
               << ", " << image.right << ", " << image.top << ", " << image.bottom
               << ",\n    std::string_view(" << Escaped(image.bytes) << ", " << image.bytes.size()
               << ")};\n\n";
        source << "void Paint" << image.name << "(Screen& screen) {\n    screen.PanelImage = k"
               << image.name << ".bytes;\n    screen.PaintPanel(" << image.left << ", "
               << image.right << ", " << image.top << ", " << image.bottom
               << ", screen.PanelImage);\n}\n\n";
    }
    source << "const std::vector<ImageInfo>& AllImages() {\n    static const "
              "std::vector<ImageInfo> all{";
    for (std::size_t i = 0; i < images.size(); ++i)
        source << (i ? ", " : "") << "k" << images[i].name;
    source << "};\n    return all;\n}\n\n}  // namespace gridlet\n";
    return header && source ? 0 : 1;
}
