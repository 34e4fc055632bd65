#include "app/standard_error.h"

#include <unistd.h>

#include "platform/escape_controls.h"
#include "platform/write_all.h"

namespace gridlet {
namespace {

// How long a line may wait for a terminal that has stopped reading.
constexpr int kSayWithinMs = 500;

}  // namespace

void Say(const std::string& line) {
    const std::string text = "gridlet: " + EscapeControls(line) + "\n";
    WriteAllWithin(STDERR_FILENO, text.data(), text.size(), kSayWithinMs);
}

void SayFault(const std::string& fault) {
    Say("a fault in the program: " + fault);
}

}  // namespace gridlet
