#pragma once
// The font families the font chooser offers: first the faces every Windows machine has, which
// the generated program can count on, then, under a heading, the other fonts of this machine.

#include <string>
#include <string_view>
#include <vector>

#include "platform/font_catalog.h"

namespace gridlet {

// The row between the two groups; it names no family.
extern const std::string_view kOtherFontsHeading;

class OfferedFonts : public FontCatalog {
  public:
    explicit OfferedFonts(const FontCatalog& machine) : machine_(machine) {}

    std::vector<std::string> Families() const override;
    // The target's default GUI face.
    std::string DefaultGuiFamily() const override;

  private:
    const FontCatalog& machine_;
};

}  // namespace gridlet
