#include "model/object_order.h"

#include <utility>

#include "model/design_changes.h"

namespace gridlet {
namespace {

// The object moved to the end of the list with its block going to destination.
bool MoveToEnd(Design& design, std::size_t index, Destination destination) {
    const DesignObject& before = design.objects.at(index);
    const std::size_t last = design.objects.size() - 1;
    if (index == last && before.destination == destination) return false;
    DesignObject after = before;
    after.destination = destination;
    MakeChange(design, {index, before, last, std::move(after)});
    return true;
}

}  // namespace

bool CanGoToBack(const DesignObject& object) {
    return object.kind != ObjectKind::LineStep && object.kind != ObjectKind::StringVariable &&
           object.destination != Destination::Background && !object.keptAsWritten &&
           !object.leftover;
}

bool SendToBack(Design& design, std::size_t index) {
    if (!CanGoToBack(design.objects.at(index))) return false;
    return MoveToEnd(design, index, Destination::BackLayer);
}

bool BringToFront(Design& design, std::size_t index) {
    if (design.objects.at(index).destination != Destination::BackLayer) return false;
    return MoveToEnd(design, index, Destination::Kind);
}

bool DeleteObject(Design& design, std::size_t index) {
    const DesignObject& object = design.objects.at(index);
    if (object.leftover) return false;
    if (object.kind != ObjectKind::StringVariable || object.keptAsWritten) {
        MakeChange(design, {index, object, 0, std::nullopt});
        return true;
    }
    DesignObject leftover;
    leftover.number = object.number;
    leftover.kind = ObjectKind::StringVariable;
    leftover.block = object.values.fontHead;
    leftover.leftover = true;
    MakeChange(design, {index, object, index, std::move(leftover)});
    return true;
}

}  // namespace gridlet
