#include "dialogs/file_chooser.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "dialogs/file_chooser_art.h"
#include "dialogs/list_box.h"
#include "dialogs/path_in_code.h"
#include "interact/dialog_kit.h"
#include "platform/cell_text.h"
#include "platform/cp1252.h"
#include "platform/cp437.h"
#include "platform/dialog_cover.h"
#include "platform/message_box.h"
#include "platform/text_case.h"

namespace gridlet {
namespace fs = std::filesystem;
namespace {

constexpr const char* kTitlePrefix = "  Gridlet Beta 05 for PBwin9 ";
constexpr int kTitlePause = 200;

constexpr int kTitleRow = 5;
constexpr int kFolderRow = 7;
constexpr int kFolderCol = 21;
constexpr int kFolderWidth = 58;
constexpr int kNameRow = 32;
constexpr int kNameCol = 27;
constexpr int kNameWidth = 38;
constexpr int kTypeRow = 35;
constexpr int kTypeCol = 27;
constexpr CellRect kOkButton{31, 68, 33, 78};
constexpr CellRect kCancelButton{34, 68, 36, 78};

struct ModeSetUp {
    const char* title;
    const char* okLabel;
    const char* filterDescription;
    const char* pattern;
    bool save;
    bool intoCode;           // the chosen path is written into the generated code
    std::size_t nameBuffer;  // bytes, the closing NUL included
};

ModeSetUp SetUpFor(FileMode mode) {
    switch (mode) {
        case FileMode::OpenDesign:
            return {"Open", "  Open   ", "Open Window   (*.GDL)", "*.GDL", false, false, 8192};
        case FileMode::OpenBitmap:
            return {"Open", "  Open   ", "BitMap Files  (*.BMP)", "*.BMP", false, true, 8192};
        case FileMode::SaveDesign:
            break;
    }
    return {"Save As", "  Save   ", "Save Window   (*.GDL)", "*.GDL", true, false, 260};
}

bool NameBefore(const std::string& a, const std::string& b) {
    return LessIgnoringCase(a, b);
}

// A path as a message shows it: control characters, line breaks among them, as "?".
std::string Shown(const std::string& path) {
    std::string shown = Utf8ToCp1252(path);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return shown;
}

// The last character of a text that is UTF-8 where it can be: a lead byte and its continuation
// bytes, or a single byte that is none.
void DropLastCharacter(std::string& text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    std::size_t pos = start;
    DecodeUtf8(text, pos);
    text.erase(pos == text.size() ? start : text.size() - 1);
}

// The sub-directories, then the files that match the pattern; hidden names are left out.
std::vector<std::string> ListFolder(const fs::path& folder, const std::string& pattern) {
    std::vector<std::string> directories, files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            directories.push_back(name + "/");
        } else if (it->is_regular_file(kindError) && MatchesFilter(name, pattern)) {
            files.push_back(name);
        }
    }
    std::sort(directories.begin(), directories.end(), NameBefore);
    std::sort(files.begin(), files.end(), NameBefore);
    std::vector<std::string> shown;
    if (folder.has_relative_path()) shown.push_back("../");
    shown.insert(shown.end(), directories.begin(), directories.end());
    shown.insert(shown.end(), files.begin(), files.end());
    return shown;
}

class FileChooser {
  public:
    // Starts in the folder of startAt with its name in the field, or in the current folder.
    FileChooser(Context& context, const ModeSetUp& setUp, const std::string& startAt)
        : context_(context), setUp_(setUp), list_(10, 13, 20, 77) {
        std::error_code error;
        folder_ = fs::current_path(error);
        if (!startAt.empty()) {
            const fs::path start = fs::absolute(startAt, error).lexically_normal();
            folder_ = start.parent_path();
            name_ = start.filename().string();
        }
        Refill();
    }

    // The chosen path as the file system has it, or nothing on Cancel.
    std::optional<fs::path> Run() {
        PaintFileChooser(context_.screen);
        DrawFixedTexts();
        for (;;) {
            Draw();
            const ConsoleEvent input = ReadDialogInput(context_.console);
            const Action action = input.IsMouse() ? Click(input.row, input.col) : Key(input);
            if (action == Action::Cancel) return std::nullopt;
            if (action == Action::Accept) {
                if (auto chosen = Accept()) return chosen;
            }
        }
    }

  private:
    enum class Action { None, Accept, Cancel };

    Action Click(int row, int col) {
        if (list_.Holds(row, col)) {
            if (list_.Click(row, col)) TakeEntry(true);
        } else if (kOkButton.Contains(row, col)) {
            return Action::Accept;
        } else if (kCancelButton.Contains(row, col)) {
            return Action::Cancel;
        }
        return Action::None;
    }

    Action Key(const ConsoleEvent& input) {
        if (input.IsKey(kEscKey)) return Action::Cancel;
        if (input.IsKey(kEnterKey)) return Action::Accept;
        if (list_.MoveByKey(input)) {
            TakeEntry(false);
        } else if (input.IsKey(kBackspaceKey)) {
            if (!name_.empty()) DropLastCharacter(name_);
        } else if (const auto typed = TypedCharacter(input)) {
            const std::string character = Cp1252ToUtf8(std::string(1, *typed));
            if (name_.size() + character.size() < setUp_.nameBuffer) name_ += character;
        }
        return Action::None;
    }

    // A selected entry goes into the name field; a clicked directory is entered at once.
    void TakeEntry(bool clicked) {
        if (list_.Selected() < 0) return;
        std::string entry = list_.Items()[static_cast<std::size_t>(list_.Selected())];
        const bool directory = entry.back() == '/';
        if (directory) entry.pop_back();
        if (directory && clicked) {
            Enter(folder_ / entry);
            return;
        }
        name_ = entry;
    }

    void Enter(const fs::path& directory) {
        std::error_code error;
        const fs::path entered = fs::weakly_canonical(directory, error);
        folder_ = error ? directory.lexically_normal() : entered;
        name_.clear();
        Refill();
    }

    void Refill() { list_.SetItems(ListFolder(folder_, setUp_.pattern), -1); }

    // Carries out the checks the mode asks for; a directory named is entered instead.
    std::optional<fs::path> Accept() {
        if (name_.empty()) return std::nullopt;
        const fs::path target = (folder_ / fs::path(name_)).lexically_normal();
        std::error_code error;
        if (fs::is_directory(target, error)) {
            Enter(target);
            return std::nullopt;
        }
        const std::string shownName = Shown(target.filename().string());
        if (!fs::is_directory(target.parent_path(), error)) {
            Tell(Shown(target.parent_path().string()) +
                 "\r\nPath does not exist.\r\nCheck the path and try again.");
            return std::nullopt;
        }
        const bool exists = fs::exists(target, error);
        if (!setUp_.save) {
            if (!exists) {
                Tell(shownName + "\r\nFile not found.\r\nCheck the file name and try again.");
                return std::nullopt;
            }
            if (setUp_.intoCode && !FitsTheCode(target)) return std::nullopt;
            return target;
        }
        const std::string question =
            exists ? shownName + " already exists.\r\nDo you want to replace it?"
                   : shownName + "\r\nThis file does not exist.\r\nCreate the file?";
        if (Ask(question)) return target;
        return std::nullopt;
    }

    // False, after saying why, when the path cannot be written into the code.
    bool FitsTheCode(const fs::path& target) {
        const std::string why = WhyNotInCode(target.string());
        if (why.empty()) return true;
        Tell(Shown(target.string()) + "\r\ncannot be written into the code: " + why +
             "\r\nRename the file or its folder, or choose another.");
        return false;
    }

    void Tell(const std::string& text) {
        ShowMessageBox(context_.console, text, setUp_.title, MessageButtons::Ok,
                       MessageIcon::Information);
    }

    bool Ask(const std::string& text) {
        return ShowMessageBox(context_.console, text, setUp_.title, MessageButtons::YesNo,
                              MessageIcon::Question) == kAnswerYes;
    }

    void DrawFixedTexts() {
        const std::string title = std::string(" ") + setUp_.title + " ";
        context_.screen.PrintAt(kTitleRow, 45 - static_cast<int>(title.size()) / 2, 0, 7, title);
        PrintField(context_.screen, kOkButton.top + 1, kOkButton.left + 1, 9, kPanelAttribute,
                   setUp_.okLabel);
        PrintField(context_.screen, kTypeRow, kTypeCol, 40, kPanelAttribute,
                   setUp_.filterDescription);
    }

    void Draw() {
        std::string folder = CellText(Utf8ToCp1252(folder_.string()));
        if (folder.size() > static_cast<std::size_t>(kFolderWidth)) {
            folder =
                "..." + folder.substr(folder.size() - static_cast<std::size_t>(kFolderWidth) + 3);
        }
        PrintField(context_.screen, kFolderRow, kFolderCol, kFolderWidth, kPanelAttribute, folder);
        list_.Draw(context_.screen, kFieldAttribute, kFocusedFieldAttribute);
        // The end of a long name stays in view.
        const std::string name = CellText(Shown(name_));
        const std::size_t visible = static_cast<std::size_t>(kNameWidth) - 1;
        const std::string shown = name.size() > visible ? name.substr(name.size() - visible) : name;
        PrintField(context_.screen, kNameRow, kNameCol, kNameWidth, kFieldAttribute, shown);
        context_.console.Locate(kNameRow, kNameCol + static_cast<int>(shown.size()));
        context_.console.SetCursorVisible(true);
    }

    Context& context_;
    const ModeSetUp setUp_;
    ListBox list_;
    fs::path folder_;
    std::string name_;  // as the file system has it: typed characters go in as UTF-8
};

bool MatchesFrom(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (MatchesFrom(name.substr(skip), pattern.substr(1))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    const bool same = pattern[0] == '?' || SameIgnoringCase(pattern[0], name[0]);
    return same && MatchesFrom(name.substr(1), pattern.substr(1));
}

}  // namespace

bool MatchesFilter(std::string_view name, std::string_view pattern) {
    return MatchesFrom(name, pattern);
}

FileChoice ChooseFile(Context& context, FileMode mode, const std::string& startAt) {
    context.console.SetTitle(kTitlePrefix + CellText(context.pass.memory.lastChosenPath));
    context.console.Sleep(kTitlePause);
    context.pass.memory.lastChosenPath.clear();
    FileChoice choice;
    {
        const DialogCover cover(context.screen.console(), kFileChooser.Rect());
        FileChooser chooser(context, SetUpFor(mode), startAt);
        if (const auto chosen = chooser.Run()) {
            choice.path = chosen->string();
            choice.designPath = Utf8ToCp1252(choice.path);
            choice.result = 1;
        }
    }
    context.pass.memory.lastChosenPath = choice.designPath;
    return choice;
}

}  // namespace gridlet
