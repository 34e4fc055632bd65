#pragma once
// The help menu's entries: the row each stands on, the selection it makes and the page it shows.

#include <array>
#include <string_view>

#include "screen/image_info.h"

namespace gridlet {

struct HelpEntry {
    int row;
    std::string_view value;
    const ImageInfo& page;
};

// Every entry takes clicks on these columns of its row.
constexpr int kHelpEntryLeftCol = 31;
constexpr int kHelpEntryRightCol = 50;

const std::array<HelpEntry, 8>& HelpEntries();

}  // namespace gridlet
