#include "model/history.h"

#include <iterator>
#include <stdexcept>
#include <utility>

#include "model/room_for_one.h"

namespace gridlet {
namespace {

// Whatever may fail (the copy, the room for it, a place past the end) comes before the list is
// touched, so the list changes whole or not at all.
void Replace(std::vector<DesignObject>& objects, std::size_t outIndex,
             const std::optional<DesignObject>& out, std::size_t inIndex,
             const std::optional<DesignObject>& in) {
    const std::size_t remaining = objects.size() - (out ? 1 : 0);
    if ((out && outIndex >= objects.size()) || (in && inIndex > remaining)) {
        throw std::logic_error("a change past the end of the object list");
    }
    std::optional<DesignObject> copy = in;
    if (!out) MakeRoomForOne(objects);
    if (out) objects.erase(objects.begin() + static_cast<std::ptrdiff_t>(outIndex));
    if (copy)
        objects.insert(objects.begin() + static_cast<std::ptrdiff_t>(inIndex), std::move(*copy));
}

}  // namespace

void ApplyChange(std::vector<DesignObject>& objects, const ObjectChange& change) {
    Replace(objects, change.beforeIndex, change.before, change.afterIndex, change.after);
}

void RevertChange(std::vector<DesignObject>& objects, const ObjectChange& change) {
    Replace(objects, change.afterIndex, change.after, change.beforeIndex, change.before);
}

}  // namespace gridlet
