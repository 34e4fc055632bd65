#pragma once
// Base64, as the terminal's clipboard and image escapes carry bytes.

#include <string>
#include <string_view>

namespace gridlet {

std::string Base64(std::string_view bytes);

}  // namespace gridlet
