#include "model/saved_state.h"

#include "model/design.h"

namespace gridlet {
namespace {

constexpr std::string Design::*kRoutineTexts[] = {
    &Design::typeDecls,   &Design::supportFunctions, &Design::subHeader,
    &Design::localDecls,  &Design::windowCode,       &Design::windowBackgroundCode,
    &Design::globalDecls, &Design::mainAssignments,
};
static_assert(std::size(kRoutineTexts) == kRoutineTextCount);

RoutineState RoutineOf(const Design& design) {
    RoutineState routine;
    routine.windowExists = design.windowExists;
    for (std::size_t i = 0; i < kRoutineTextCount; ++i) {
        routine.texts[i] = design.*kRoutineTexts[i];
    }
    return routine;
}

}  // namespace

void MarkSaved(Design& design) {
    design.saved.changesDone = design.history.done.size();
    design.saved.routine = RoutineOf(design);
}

void MarkUnsaved(Design& design) {
    design.saved.changesDone.reset();
    design.saved.routine = RoutineOf(design);
}

bool HasUnsavedChanges(const Design& design) {
    return design.saved.changesDone != design.history.done.size() ||
           !(design.saved.routine == RoutineOf(design));
}

void ForgetUndoneSave(SavedState& saved, std::size_t changesDone) {
    if (saved.changesDone && *saved.changesDone > changesDone) saved.changesDone.reset();
}

}  // namespace gridlet
