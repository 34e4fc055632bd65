#pragma once
// Whether a design has changed since it was last saved or opened, and the file it belongs to.
// Undoing or redoing back to the state saved counts as no change; what no undo takes back (the
// graphic window, the code of the routines) counts as a change when it differs from what it was.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace gridlet {

struct Design;

// The routines' texts that the objects do not write, in a fixed order.
inline constexpr std::size_t kRoutineTextCount = 8;

struct RoutineState {
    int windowExists = 0;
    std::array<std::string, kRoutineTextCount> texts{};

    bool operator==(const RoutineState&) const = default;
};

struct SavedState {
    // The design file as the file system names it; empty while the design has none.
    std::string path;
    // The recovery file the design was opened from; it goes once the design is saved elsewhere.
    std::string recoveredFrom;
    // The number of changes done when the design was last saved or opened; none once that state
    // has left the history, or while the design is in no file the user chose.
    std::optional<std::size_t> changesDone = 0;
    RoutineState routine;
};

// The design as it stands is the one in its file.
void MarkSaved(Design& design);

// The design as it stands is in no file the user chose, such as a recovered one.
void MarkUnsaved(Design& design);

bool HasUnsavedChanges(const Design& design);

// Before a new change drops the undone ones: a saved state among them cannot come back.
void ForgetUndoneSave(SavedState& saved, std::size_t changesDone);

}  // namespace gridlet
