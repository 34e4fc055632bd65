#pragma once
// The font families installed on the system, as the font chooser offers them.

#include <string>
#include <vector>

namespace gridlet {

class FontCatalog {
  public:
    virtual ~FontCatalog() = default;
    // Family names (UTF-8) in the order offered, each once.
    virtual std::vector<std::string> Families() const = 0;
    // The family that stands for the desktop's default GUI font.
    virtual std::string DefaultGuiFamily() const = 0;
};

// Asks fontconfig; its families are sorted.
class FontconfigCatalog : public FontCatalog {
  public:
    std::vector<std::string> Families() const override;
    std::string DefaultGuiFamily() const override;
};

}  // namespace gridlet
