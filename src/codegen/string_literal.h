#pragma once
// Text written into the generated code as a string literal.

#include <string>
#include <string_view>

namespace gridlet {

// The text between double quotes, each quote inside it doubled as the language reads it.
std::string Quoted(std::string_view text);

}  // namespace gridlet
