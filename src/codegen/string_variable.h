#pragma once
// The lines a string variable adds: its GLOBAL declaration, its demonstration value in PBMAIN and
// the part of DoString that prints it.

#include <cstdint>
#include <string>
#include <string_view>

namespace gridlet {

std::string StringGlobalLine(std::string_view name);

// The n-th variable placed gets the value 100 times n, as a quoted text.
std::string StringAssignmentLine(std::string_view name, std::int32_t stringCounter);

// Colours, position and the print of the variable itself, unquoted.
std::string StringPositionPart(std::string_view edgeColor, std::string_view fillColor,
                               std::int32_t x1, std::int32_t y1, std::string_view name);

}  // namespace gridlet
