#pragma once
// Plain substring replacement, as the generated code is edited.

#include <string>
#include <string_view>

namespace gridlet {

// Replaces every non-overlapping occurrence of `from`, scanning from the left. An empty `from`
// matches nothing.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace gridlet
