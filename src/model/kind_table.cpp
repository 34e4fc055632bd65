#include "model/kind_table.h"

#include <stdexcept>

namespace gridlet {

const KindEntry& KindOf(ObjectKind kind) {
    for (const KindEntry& entry : kKindTable) {
        if (entry.kind == kind) return entry;
    }
    throw std::logic_error("an object kind missing from the kind table");
}

}  // namespace gridlet
