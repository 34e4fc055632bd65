#pragma once
// The parts of a generated program that the tests and the benchmark put their statements into.

#include <fstream>
#include <sstream>
#include <string>

namespace gridlet {

inline std::string FileText(const std::string& relativePath) {
    std::ifstream file(std::string(GRIDLET_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The TYPE blocks and support functions of a generated program with stars and polygons.
inline std::string SupportFunctions() {
    const std::string program = FileText("tests/e2e/expected/all_tools.bas");
    return program.substr(0, program.find(" SUB GraficWin"));
}

}  // namespace gridlet
