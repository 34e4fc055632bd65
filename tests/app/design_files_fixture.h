#pragma once
// The main screen in a temporary current folder, for flows that save and open design files, with
// the texts of every screen shown kept.

#include <filesystem>
#include <string>

#include "all_images.h"
#include "app/startup.h"
#include "support/console_fixture.h"
#include "support/run_main_loop.h"
#include "support/temp_folder.h"

namespace gridlet {

class DesignFilesFixture : public ConsoleFixture {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder.path);
        PaintMainScreen(screen);
        backend.onPresent = [this](const ScreenState& shown) {
            for (const Cell& cell : shown.cells) shownText += static_cast<char>(cell.ch);
        };
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    bool RunMainLoop() { return gridlet::RunMainLoop(context); }
    // Start-up until the script runs out; the script starts with the key that dismisses the
    // opening screen.
    void RunStartUp(const std::optional<GivenDesign>& given = std::nullopt) {
        gridlet::RunStartUp(context, given);
    }

    void MakeWindow() {
        Click(5, 20);
        Click(15, 39);
        Click(35, 5);
    }
    // Exit, YES, and Yes to " Save this Window?".
    void AskToSave() {
        backend.Script(KeyEvent(kEscKey));
        Click(18, 37);
        Type("y");
    }
    bool EverShown(const std::string& text) const {
        return shownText.find(text) != std::string::npos;
    }
    std::string FilesHere() const { return folder.Names(); }

    TempFolder folder;
    std::string shownText;  // the characters of every screen shown, one after the other

  private:
    std::filesystem::path previous_;
};

}  // namespace gridlet
