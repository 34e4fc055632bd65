#pragma once
// Room for one more element, made before a change that must not fail halfway. The room grows by
// doubling, so a long run of additions copies each element a few times rather than every time.

#include <vector>

namespace gridlet {

template <typename Element>
void MakeRoomForOne(std::vector<Element>& elements) {
    if (elements.size() == elements.capacity()) elements.reserve(2 * elements.size() + 1);
}

}  // namespace gridlet
