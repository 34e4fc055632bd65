#include "platform/target_faces.h"

#include <algorithm>

#include "platform/text_case.h"

namespace gridlet {
namespace {

// The compatible faces come from fonts-liberation2 and fonts-crosextra-carlito and -caladea.
constexpr TargetFace kTargetFaces[] = {
    {"Arial", "Liberation Sans", FaceKind::Sans},
    {"Arial Black", "", FaceKind::Sans},
    {"Calibri", "Carlito", FaceKind::Sans},
    {"Cambria", "Caladea", FaceKind::Serif},
    {"Comic Sans MS", "", FaceKind::Sans},
    {"Consolas", "", FaceKind::Mono},
    {"Courier", "", FaceKind::Mono},
    {"Courier New", "Liberation Mono", FaceKind::Mono},
    {"Fixedsys", "", FaceKind::Mono},
    {"Georgia", "", FaceKind::Serif},
    {"Impact", "", FaceKind::Sans},
    {"Lucida Console", "", FaceKind::Mono},
    {"Lucida Sans Unicode", "", FaceKind::Sans},
    {"Microsoft Sans Serif", "", FaceKind::Sans},
    {"MS Sans Serif", "", FaceKind::Sans},
    {"MS Serif", "", FaceKind::Serif},
    {"Palatino Linotype", "", FaceKind::Serif},
    {"Segoe UI", "", FaceKind::Sans},
    {"Tahoma", "", FaceKind::Sans},
    {"Terminal", "", FaceKind::Mono},
    {"Times New Roman", "Liberation Serif", FaceKind::Serif},
    {"Trebuchet MS", "", FaceKind::Sans},
    {"Verdana", "", FaceKind::Sans},
};

}  // namespace

std::span<const TargetFace> TargetFaces() {
    return kTargetFaces;
}

const TargetFace* FindTargetFace(std::string_view name) {
    const auto* found = std::ranges::find_if(kTargetFaces, [name](const TargetFace& face) {
        return EqualIgnoringCase(face.name, name);
    });
    return found == std::end(kTargetFaces) ? nullptr : found;
}

}  // namespace gridlet
