#include "render/program.h"

#include <cctype>

#include "platform/trim.h"
#include "render/tokenizer.h"

namespace gridlet {
namespace {

// The first words of a line in upper case, as far as they are letters, digits, _ and $.
std::vector<std::string> LeadingWords(std::string_view line, std::size_t count) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (words.size() < count) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) ||
                                   line[i] == '_' || line[i] == '$'))
            ++i;
        if (i == start) break;
        words.push_back(Upper(line.substr(start, i - start)));
    }
    words.resize(count);
    return words;
}

}  // namespace

std::vector<ProgramLine> ReadLines(std::string_view text, int firstNumber) {
    std::vector<ProgramLine> lines;
    bool continued = false;
    int number = firstNumber - 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end), " \t\r");
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (continued) {
            lines.back().text.append(1, ' ').append(line);
        } else {
            lines.push_back({number, std::string(line)});
        }
        std::string& joined = lines.back().text;
        continued = joined.size() >= 2 && joined.ends_with(" _");
        if (continued) joined.resize(joined.size() - 2);
    }
    return lines;
}

Program ReadProgram(std::string_view text) {
    Program program;
    Routine* routine = nullptr;
    bool inType = false;
    for (ProgramLine& line : ReadLines(text)) {
        const std::vector<std::string> words = LeadingWords(line.text, 2);
        if (inType) {
            inType = !(words[0] == "END" && words[1] == "TYPE");
        } else if (routine) {
            if (words[0] == "END" && (words[1] == "SUB" || words[1] == "FUNCTION")) {
                routine->closed = true;
                routine = nullptr;
            } else {
                routine->body.push_back(std::move(line));
            }
        } else if ((words[0] == "SUB" || words[0] == "FUNCTION") && !words[1].empty()) {
            routine = &program.routines[words[1]];
            *routine = Routine{line, {}, false};
        } else if (words[0] == "TYPE" && words[1] != "SET" && !words[1].empty()) {
            inType = true;
        } else {
            program.outside.push_back(std::move(line));
        }
    }
    return program;
}

}  // namespace gridlet
