#include "model/design_changes.h"

#include <utility>

#include "model/accumulators.h"
#include "model/room_for_one.h"

namespace gridlet {
namespace {

// The list changed by change, then the accumulators written; the list is put back as it was when
// writing fails.
template <typename Change, typename Back>
void ChangeList(Design& design, Change change, Back back) {
    change(design.objects);
    try {
        WriteAccumulators(design);
    } catch (...) {
        back(design.objects);
        throw;
    }
}

// Moves the newest change of one list to the other, once the design has gone through it.
bool Step(Design& design, std::vector<ObjectChange>& from, std::vector<ObjectChange>& to,
          bool undo) {
    if (from.empty()) return false;
    MakeRoomForOne(to);
    const ObjectChange& change = from.back();
    const auto forward = [&change](std::vector<DesignObject>& objects) {
        ApplyChange(objects, change);
    };
    const auto backward = [&change](std::vector<DesignObject>& objects) {
        RevertChange(objects, change);
    };
    if (undo) {
        ChangeList(design, backward, forward);
    } else {
        ChangeList(design, forward, backward);
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
    return true;
}

}  // namespace

void RecordPlacement(Design& design, DesignObject object, std::optional<DesignObject> leftover) {
    const std::size_t index = design.objects.size();
    ObjectChange change{index, std::move(leftover), index, object};
    MakeRoomForOne(design.objects);
    MakeRoomForOne(design.history.done);
    ChangeList(
        design,
        [&object](std::vector<DesignObject>& objects) { objects.push_back(std::move(object)); },
        [](std::vector<DesignObject>& objects) { objects.pop_back(); });
    design.history.done.push_back(std::move(change));
    design.history.undone.clear();
}

void MakeChange(Design& design, ObjectChange change) {
    MakeRoomForOne(design.history.done);
    ChangeList(
        design, [&change](std::vector<DesignObject>& objects) { ApplyChange(objects, change); },
        [&change](std::vector<DesignObject>& objects) { RevertChange(objects, change); });
    design.history.done.push_back(std::move(change));
    design.history.undone.clear();
}

bool UndoChange(Design& design) {
    return Step(design, design.history.done, design.history.undone, true);
}

bool RedoChange(Design& design) {
    return Step(design, design.history.undone, design.history.done, false);
}

}  // namespace gridlet
