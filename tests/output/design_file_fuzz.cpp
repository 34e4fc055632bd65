// libFuzzer entry for the design file reader: any bytes, read as a design file, must be refused
// with a run-time error or give a design that shows on the console, builds, and is saved again in
// a file that reads back the same. An input starting with byte 0 is the whole file; any other
// gets a screen image and its line end in front, so that the fuzzer works on the sections.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "output/compose_program.h"
#include "output/design_file.h"
#include "output/kept_sections.h"
#include "output/open_design.h"
#include "platform/basic_error.h"

namespace {

using namespace gridlet;

std::string FileFrom(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!bytes.empty() && bytes[0] == '\0') return bytes.substr(1);
    std::string image(kScreenImageSize, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 13 % 251);
    return image + "\r\n" + bytes;
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DesignFileContents contents;
    try {
        contents = DecodeDesignFile(FileFrom(data, size));
    } catch (const BasicError& error) {
        Check(error.number() == kErrorInputPastEnd);
        return 0;
    }
    Check(contents.screenImage.size() == kScreenImageSize);

    // One console and design for all runs: opening a file puts back every field it stores.
    static MemoryBackend backend;
    static VirtualClock clock;
    static Console console(backend, clock);
    static Screen screen(console);
    static auto design = std::make_unique<Design>();
    static PassState pass;
    static MemoryClipboard clipboard;
    static const ProgramEnvironment environment;  // no outside programs
    static Context context{console, screen, *design, pass, clipboard, environment, ComposeProgram};
    ApplyDesignFile(context, contents);
    console.Flush();

    const SectionTable kept = SectionsToKeep(*design);
    if (!UnkeptCharacters(kept).empty()) return 0;
    std::string image;
    screen.SaveScreen(image);
    const DesignFileContents again = DecodeDesignFile(EncodeDesignFile(image, kept));
    Check(again.screenImage == image);
    for (int i = 1; i <= kSectionsRead; ++i) {
        Check(again.sections.At(i) == kept.At(i));
    }
    return 0;
}
