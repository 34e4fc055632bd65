#include "output/save_design.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "dialogs/file_chooser.h"
#include "model/saved_state.h"
#include "output/design_file.h"
#include "output/kept_sections.h"
#include "platform/atomic_file.h"
#include "platform/cell_text.h"
#include "platform/cp1252.h"
#include "platform/file_error.h"
#include "platform/message_box.h"
#include "platform/text_case.h"

namespace gridlet {
namespace {

constexpr char kExtension[] = ".GDL";

// A save that failed is said on the bottom row, light grey on black as the error trap's notice,
// for as long as the trap pauses; then the pass's screen is back, as after the trap.
constexpr int kNoticeRow = 46;
constexpr int kNoticeForeground = 7;
constexpr int kNoticeBackground = 0;
constexpr int kNoticePause = 3000;

// What each kind of character turns into, as the user is told (Windows-1252).
const char* UnkeptLine(Unkept kind) {
    switch (kind) {
        case Unkept::GraveAccent:
            return "  `  comes back as  \"";
        case Unkept::Tilde:
            return "  ~  comes back as  ,";
        case Unkept::ICircumflex:
            return "  \xEE  comes back as a line break";
        case Unkept::DeleteRun:
            return "  three characters 127 in a row are dropped";
        case Unkept::LoneCarriageReturn:
            return "  a carriage return alone garbles the code after it";
        case Unkept::EndOfFile:
            break;
    }
    return "  character 26 ends the file early: it cannot be opened again";
}

// True when nothing would change, or the user saves all the same.
bool AgreesToUnkept(Console& console, const std::vector<Unkept>& unkept) {
    if (unkept.empty()) return true;
    std::string text = "This design holds characters a design file does not keep:\r\n";
    for (const Unkept kind : unkept) {
        text += UnkeptLine(kind);
        text += "\r\n";
    }
    text += "Save it all the same?";
    return ShowMessageBox(console, text, "Save this Window", MessageButtons::YesNo,
                          MessageIcon::Question) == kAnswerYes;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The chooser asked about the name the user gave; a name that gets the extension here may be
// another file, which is replaced only when the user says so.
std::optional<std::string> ChooseDesignName(Context& context) {
    for (;;) {
        const std::string chosen =
            ChooseFile(context, FileMode::SaveDesign, context.design.saved.path).path;
        if (chosen.empty()) return std::nullopt;
        const std::string path = WithDesignExtension(chosen);
        if (path == chosen || !Exists(path)) return path;
        const std::string name = Utf8ToCp1252(std::filesystem::path(path).filename().string());
        if (ShowMessageBox(context.console, name + " already exists.\r\nDo you want to replace it?",
                           "Save As", MessageButtons::YesNo, MessageIcon::Question) == kAnswerYes) {
            return path;
        }
    }
}

// From now on the design is the one in the file at path. A recovery file it was opened from has
// done its work once the design is in a file of the user's.
void BelongsTo(Design& design, const std::string& path) {
    SavedState& saved = design.saved;
    std::error_code error;
    if (!saved.recoveredFrom.empty() &&
        !std::filesystem::equivalent(saved.recoveredFrom, path, error)) {
        std::filesystem::remove(saved.recoveredFrom, error);
    }
    saved.recoveredFrom.clear();
    saved.path = path;
    MarkSaved(design);
}

struct SaveOutcome {
    bool written = false;
    std::string notice;  // for row 46; empty when the user backed out
};

// Writes the design with the pass's screen as its image, to its own file or, with askName or
// while it has none, to the one the user chooses.
SaveOutcome Save(Context& context, bool askName) {
    Design& design = context.design;
    const SectionTable sections = SectionsToKeep(design);
    context.screen.RestoreScreen(context.pass.snapshot);
    std::string image;
    context.screen.SaveScreen(image);
    if (!AgreesToUnkept(context.console, UnkeptCharacters(sections))) return {};
    const std::optional<std::string> path =
        askName || design.saved.path.empty() ? ChooseDesignName(context) : design.saved.path;
    if (!path) return {};
    const std::string name = std::filesystem::path(*path).filename().string();
    try {
        WriteFileAtomically(*path, EncodeDesignFile(image, sections));
    } catch (const FileError& error) {
        return {false, " Not saved: " + name + ": " + error.reason()};
    }
    BelongsTo(design, *path);
    return {true, " Saved " + name};
}

}  // namespace

std::string WithDesignExtension(const std::string& name) {
    const std::string_view extension = kExtension;
    const bool ends =
        name.size() >= extension.size() &&
        EqualIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension);
    return ends ? name : name + kExtension;
}

bool SaveDesignOnExit(Context& context) {
    const Design& design = context.design;
    const SaveOutcome outcome =
        Save(context, design.saved.path.empty() || HasUnsavedChanges(design));
    if (outcome.written || outcome.notice.empty()) return outcome.written;
    context.screen.PrintAt(kNoticeRow, 1, kNoticeForeground, kNoticeBackground,
                           RowOfCells(outcome.notice, kScreenWidth));
    context.console.Sleep(kNoticePause);
    context.screen.RestoreScreen(context.pass.snapshot);
    return false;
}

void SaveDesignNow(Context& context, SaveTarget target) {
    const std::string notice = Save(context, target == SaveTarget::NewName).notice;
    if (!notice.empty()) context.pass.hintRowNotice = RowOfCells(notice, kScreenWidth);
}

}  // namespace gridlet
