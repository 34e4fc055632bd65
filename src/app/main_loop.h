#pragma once
// The life of the program after start-up: one pass per user action, until the user leaves.

#include <cstdint>
#include <functional>
#include <string>

#include "app/picture_on_grid.h"
#include "design/select_area.h"
#include "interact/context.h"
#include "interact/strip_buttons.h"
#include "interact/wait_click.h"

namespace gridlet {

class MainLoop {
  public:
    explicit MainLoop(Context& context) : context_(context) {}

    // Runs passes until the exit command is confirmed.
    void Run();

    // Runs a command under the loop's error trap: start-up's opening of a design.
    void RunTrapped(const std::function<void()>& command);

  private:
    enum class PassEnd { Continue, Quit };

    PassEnd RunPass();
    PassEnd ActOnRequest(const AreaResult& area);
    void Press(AreaRequest request);
    std::int16_t TranslateLeftClick(const ClickResult& click);
    void RunToolCommand(std::int16_t command);
    // A file operation the system refused is named on row 46 with the reason, but for error 70,
    // which keeps its own text.
    void ErrorTrap(int errorNumber, const std::string& fileFailure);

    Context& context_;
    PictureOnGrid pictureOnGrid_;
};

}  // namespace gridlet
