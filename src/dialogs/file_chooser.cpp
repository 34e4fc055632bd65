#include "dialogs/file_chooser.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "dialogs/file_chooser_art.h"
#include "dialogs/list_box.h"
#include "interact/dialog_kit.h"
#include "platform/cell_text.h"
#include "platform/cp1252.h"
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
    std::size_t nameBuffer;  // bytes, the closing NUL included
};

ModeSetUp SetUpFor(FileMode mode) {
    switch (mode) {
        case FileMode::OpenDesign:
            return {"Open", "  Open   ", "Open Window   (*.GDL)", "*.GDL", false, 8192};
        case FileMode::OpenBitmap:
            return {"Open", "  Open   ", "BitMap Files  (*.BMP)", "*.BMP", false, 8192};
        case FileMode::SaveDesign:
            break;
    }
    return {"Save As", "  Save   ", "Save Window   (*.GDL)", "*.GDL", true, 260};
}

bool NameBefore(const std::string& a, const std::string& b) {
    return LessIgnoringCase(a, b);
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
    FileChooser(Context& context, const ModeSetUp& setUp)
        : context_(context), setUp_(setUp), list_(10, 13, 20, 77) {
        std::error_code error;
        folder_ = fs::current_path(error);
        Refill();
    }

    // The chosen path (UTF-8), or nothing on Cancel.
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
            if (!name_.empty()) name_.pop_back();
        } else if (const auto typed = TypedCharacter(input);
                   typed && name_.size() + 1 < setUp_.nameBuffer) {
            name_ += *typed;
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
        name_ = Utf8ToCp1252(entry);
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
        const fs::path target = (folder_ / fs::path(Cp1252ToUtf8(name_))).lexically_normal();
        std::error_code error;
        if (fs::is_directory(target, error)) {
            Enter(target);
            return std::nullopt;
        }
        const std::string shownName = Utf8ToCp1252(target.filename().string());
        if (!fs::is_directory(target.parent_path(), error)) {
            Tell(Utf8ToCp1252(target.parent_path().string()) +
                 "\r\nPath does not exist.\r\nCheck the path and try again.");
            return std::nullopt;
        }
        const bool exists = fs::exists(target, error);
        if (!setUp_.save) {
            if (exists) return target;
            Tell(shownName + "\r\nFile not found.\r\nCheck the file name and try again.");
            return std::nullopt;
        }
        const std::string question =
            exists ? shownName + " already exists.\r\nDo you want to replace it?"
                   : shownName + "\r\nThis file does not exist.\r\nCreate the file?";
        if (Ask(question)) return target;
        return std::nullopt;
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
        const std::string name = CellText(name_);
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
    std::string name_;  // Windows-1252, as typed
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

FileChoice ChooseFile(Context& context, FileMode mode) {
    context.console.SetTitle(kTitlePrefix + CellText(context.pass.lastChosenPath));
    context.console.Sleep(kTitlePause);
    context.pass.lastChosenPath.clear();
    FileChoice choice;
    {
        const DialogCover cover(context.screen.console(), kFileChooser.Rect());
        FileChooser chooser(context, SetUpFor(mode));
        if (const auto chosen = chooser.Run()) {
            choice.path = Utf8ToCp1252(chosen->string());
            choice.result = 1;
        }
    }
    context.pass.lastChosenPath = choice.path;
    return choice;
}

}  // namespace gridlet
