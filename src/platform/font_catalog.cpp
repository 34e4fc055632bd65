#include "platform/font_catalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

#include "platform/text_case.h"

namespace gridlet {
namespace {

// What the default GUI font is asked for when fontconfig finds nothing at all.
constexpr const char* kFallbackFamily = "sans-serif";

std::string FamilyOf(FcPattern* pattern) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch || family == nullptr)
        return {};
    return reinterpret_cast<const char*>(family);
}

}  // namespace

std::vector<std::string> FontconfigCatalog::Families() const {
    std::vector<std::string> families;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (fonts) {
        for (int i = 0; i < fonts->nfont; ++i) {
            std::string family = FamilyOf(fonts->fonts[i]);
            if (!family.empty()) families.push_back(std::move(family));
        }
    }
    std::sort(families.begin(), families.end(),
              [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

std::string FontconfigCatalog::DefaultGuiFamily() const {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>(kFallbackFamily)), FcPatternDestroy);
    if (!pattern) return kFallbackFamily;
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(
        FcFontMatch(nullptr, pattern.get(), &result), FcPatternDestroy);
    const std::string family = match ? FamilyOf(match.get()) : std::string();
    return family.empty() ? kFallbackFamily : family;
}

}  // namespace gridlet
