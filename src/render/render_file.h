#pragma once
// Renders a program file to a PNG file: the core of `gridlet --render PROGRAM.bas OUT.png`.

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/render_program.h"

namespace gridlet {

// A program that cannot be read or a picture that cannot be written.
class RenderFileError : public std::runtime_error {
  public:
    explicit RenderFileError(const std::string& message) : std::runtime_error(message) {}
};

// Reads the program (UTF-8 where it is valid UTF-8, else Windows-1252; CR LF or LF lines; at
// most 64 MiB), renders it, writes the PNG and returns the statements not drawn. Throws
// RenderFileError, which says why when there is no picture.
std::vector<NotDrawn> RenderProgramFile(const std::string& programPath, const std::string& pngPath);

// The command: the statements not drawn go to `report`, one a line, in UTF-8; a file error goes
// to `errors`. Returns the exit status: 0 when the PNG was written.
int RenderCommand(const std::string& programPath, const std::string& pngPath, std::ostream& report,
                  std::ostream& errors);

}  // namespace gridlet
