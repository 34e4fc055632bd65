#pragma once
// The bytes of a design file (.GDL). Line 1 is the screen image, 16,560 bytes as the cell block
// read gives them; lines 2 to 52 are the sections 1 to 51, each encoded on one line; every line
// ends with CR LF. Text in, text out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"
#include "model/sections.h"
#include "platform/console.h"

namespace gridlet {

constexpr std::size_t kScreenImageSize = std::size_t{kScreenWidth} * kScreenHeight * 4;
constexpr int kSectionsWritten = kSectionCount;
constexpr int kSectionsRead = SectionNumber(Section::MainAssignments);

struct DesignFileContents {
    std::string screenImage;  // kScreenImageSize bytes
    SectionTable sections;    // 1 to kSectionsRead decoded, the others empty
};

// A section on one line: " becomes `, "," becomes ~, CR LF becomes byte 238, and an empty section
// three bytes 127. DecodeSection undoes it in the same order and drops every run of three 127s.
std::string EncodeSection(std::string_view text);
std::string DecodeSection(std::string_view line);

// screenImage must hold kScreenImageSize bytes.
std::string EncodeDesignFile(std::string_view screenImage, const SectionTable& sections);

// Line 1 is read as exactly kScreenImageSize bytes and its CR LF, since the image is raw and may
// hold any byte; then kSectionsRead lines, each ended by CR (with the LF after it) or by byte 26,
// the end of the file. Throws BasicError input past end (62) when the bytes hold less.
DesignFileContents DecodeDesignFile(std::string_view bytes);

// What a section text may hold that does not come back from a design file as it was.
enum class Unkept {
    GraveAccent,         // comes back as "
    Tilde,               // comes back as ","
    ICircumflex,         // byte 238: comes back as CR LF
    DeleteRun,           // three bytes 127: dropped
    LoneCarriageReturn,  // ends the line: the sections after it are misread
    EndOfFile,           // byte 26: the file ends there
};

// The kinds found in the sections that are read back, each once, in the order above.
std::vector<Unkept> UnkeptCharacters(const SectionTable& sections);

}  // namespace gridlet
