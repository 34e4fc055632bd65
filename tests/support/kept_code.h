#pragma once
// Code a design holds before a test's own objects: as a design file's code that is not read back
// as objects, kept as written.

#include <string>
#include <utility>

#include "model/accumulators.h"
#include "model/design.h"

namespace gridlet {

inline void AddKeptCode(Design& design, ObjectKind kind, std::string code) {
    DesignObject object;
    object.kind = kind;
    object.block = std::move(code);
    object.keptAsWritten = true;
    design.objects.push_back(std::move(object));
    WriteAccumulators(design);
}

}  // namespace gridlet
