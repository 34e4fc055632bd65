#include "dialogs/offered_fonts.h"

#include "platform/target_faces.h"

namespace gridlet {

const std::string_view kOtherFontsHeading = "-- other fonts on this machine --";

std::vector<std::string> OfferedFonts::Families() const {
    std::vector<std::string> families;
    for (const TargetFace& face : TargetFaces()) families.emplace_back(face.name);
    families.emplace_back(kOtherFontsHeading);
    for (std::string& family : machine_.Families()) {
        if (FindTargetFace(family) == nullptr) families.push_back(std::move(family));
    }
    return families;
}

std::string OfferedFonts::DefaultGuiFamily() const {
    return "MS Sans Serif";
}

}  // namespace gridlet
