#pragma once
// The life of the program after start-up: one pass per user action, until the user leaves.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/picture_on_grid.h"
#include "design/select_area.h"
#include "interact/context.h"
#include "interact/strip_buttons.h"
#include "interact/wait_click.h"

namespace gridlet {

// What the error trap does with a fault of the program itself (a std::logic_error): the sanitizer
// build stops there, with the traces it needs; the program for users shows it as any error and
// keeps its text for standard error.
enum class FaultHandling { Abort, ShowAndKeep };
#ifdef GRIDLET_SANITIZE
constexpr FaultHandling kBuildFaultHandling = FaultHandling::Abort;
#else
constexpr FaultHandling kBuildFaultHandling = FaultHandling::ShowAndKeep;
#endif

class MainLoop {
  public:
    explicit MainLoop(Context& context, FaultHandling faultHandling = kBuildFaultHandling)
        : context_(context), faultHandling_(faultHandling) {}

    // Runs passes until the exit command is confirmed.
    void Run();

    // Runs a command under the loop's error trap: start-up's opening of a design.
    void RunTrapped(const std::function<void()>& command);

    // The faults the error trap showed, for standard error once the terminal is given back.
    const std::vector<std::string>& Faults() const { return faults_; }

  private:
    enum class PassEnd { Continue, Quit };

    PassEnd RunPass();
    PassEnd ActOnRequest(const AreaResult& area);
    void Press(AreaRequest request);
    std::int16_t TranslateLeftClick(const ClickResult& click);
    void RunToolCommand(std::int16_t command);
    // The error's text on row 46 for the pause, but for error 70, which keeps its own text.
    void ErrorTrap(int errorNumber, const std::string& text);
    void TrapFault(const std::string& text);

    Context& context_;
    FaultHandling faultHandling_;
    std::vector<std::string> faults_;
    PictureOnGrid pictureOnGrid_;
};

}  // namespace gridlet
