#include "output/outside_programs.h"

#include <filesystem>
#include <sstream>
#include <string_view>
#include <system_error>

#include "platform/files.h"
#include "platform/search_path.h"
#include "platform/text_case.h"

namespace gridlet {
namespace {

namespace fs = std::filesystem;

// The entry of that name in the folder, found as wine finds it: the exact name first, else one
// that differs only in case. Empty when there is none.
fs::path EntryIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) return folder / name;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (EqualIgnoringCase(entry->path().filename().string(), name)) return entry->path();
    }
    return {};
}

bool CompilerInstalled(const ProgramEnvironment& environment) {
    if (environment.winePrefix.empty() && environment.home.empty()) return false;
    const fs::path prefix = environment.winePrefix.empty() ? fs::path(environment.home) / ".wine"
                                                           : fs::path(environment.winePrefix);
    fs::path place = prefix / "drive_c";
    for (const std::string name : {"PBwin90", "BIN", "PBwin.EXE"}) {
        place = EntryIgnoringCase(place, name);
        if (place.empty()) return false;
    }
    return FileExists(place.string());
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace

std::string CompilerWine(const ProgramEnvironment& environment) {
    std::string wine = FindOnPath("wine", environment.searchPath);
    if (wine.empty() || !CompilerInstalled(environment)) return {};
    return wine;
}

std::string WindowsPath(const std::string& path) {
    std::string windows = "Z:";
    for (char ch : path) windows += ch == '/' ? '\\' : ch;
    return windows;
}

std::vector<std::vector<std::string>> EditorCommands(const ProgramEnvironment& environment,
                                                     const std::string& directory,
                                                     const std::string& file) {
    std::vector<std::vector<std::string>> commands;
    const std::string jfishPro = directory + "/JfishPro.exe";
    const std::string wine = FindOnPath("wine", environment.searchPath);
    if (FileExists(jfishPro) && !wine.empty())
        commands.push_back({wine, jfishPro, WindowsPath(file)});

    std::vector<std::vector<std::string>> wanted = {SplitAtBlanks(environment.visual),
                                                    SplitAtBlanks(environment.editor)};
    for (const char* name : {"sensible-editor", "editor", "nano", "vi"}) wanted.push_back({name});
    for (std::vector<std::string>& command : wanted) {
        if (command.empty()) continue;
        command[0] = FindOnPath(command[0], environment.searchPath);
        if (command[0].empty()) continue;
        command.push_back(file);
        commands.push_back(std::move(command));
    }
    return commands;
}

}  // namespace gridlet
