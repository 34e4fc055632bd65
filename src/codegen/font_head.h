#pragma once
// The statements that set colour and font before a text or a string variable is printed.

#include <optional>
#include <string>
#include <string_view>

#include "model/properties.h"

namespace gridlet {

// The point size the character height stands for at 96 dots per inch (the chooser's own
// conversion), to the nearest integer with halves to even.
int FontSize(const LogicalFont& record);

// 1 for bold, plus 2 italic, 4 underline, 8 strike-out; any weight but 400 and 700 gives 1.
int FontStyle(const LogicalFont& record);

// 255 for Consolas and Lucida Console, whatever the record says; else the record's.
int FontCharSet(const LogicalFont& record);

// The font the text-entry dialog shows and the column limit reads.
ChosenTextFont ChosenFontOf(const LogicalFont& record);

// fontHead for the chosen font: a colour line in place of what it held when there is an edge
// colour, then the FONT NEW and GRAPHIC SET FONT lines.
std::string FontHeadFor(const LogicalFont& record, std::string fontHead, std::string_view edgeColor,
                        std::string_view fillColor);

// The font record a head's FONT NEW line was written from: face, size as a character height,
// style as weight and effects, character set and width. Nothing when the head has no such line.
std::optional<LogicalFont> FontRecordOf(std::string_view fontHead);

// Whether a font head holds a FONT NEW line; one that does not is replaced by a default.
bool HasFontNew(std::string_view fontHead);

// The default heads when no font was chosen: Lucida console 10 pt, black on white for a text,
// no colour line for a string variable.
extern const std::string_view kTextDefaultFontHead;
extern const std::string_view kStringDefaultFontHead;

}  // namespace gridlet
