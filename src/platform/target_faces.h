#pragma once
// The font faces every Windows machine has, which a generated program can name, and the Debian
// faces that draw them in the preview.

#include <span>
#include <string_view>

namespace gridlet {

enum class FaceKind { Sans, Serif, Mono };

struct TargetFace {
    std::string_view name;        // as Windows names it
    std::string_view compatible;  // a Debian face with the same metrics; empty when none
    FaceKind kind;                // what stands in for it where neither is installed
};

// In the order of their names.
std::span<const TargetFace> TargetFaces();

// The face of that name, in any case; none for a face the target may not have.
const TargetFace* FindTargetFace(std::string_view name);

}  // namespace gridlet
