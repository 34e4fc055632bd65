#pragma once
// Help over the main screen, with every screen it shows kept by how many scripted events were
// still to come, so a flow can be checked at each of its steps.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "all_images.h"
#include "help/show_help.h"
#include "support/console_fixture.h"
#include "support/image_cells.h"

namespace gridlet {

// The pages in the order of the menu's entries.
inline const std::array<const ImageInfo*, 8> kHelpPages = {
    &kHelpIntroductionPage,    &kHelpCreateWindowPage, &kHelpCreateGraphicsPage,
    &kHelpCodeViewPreviewPage, &kHelpMoveMenuPage,     &kHelpArcPieMenuPage,
    &kHelpPropertiesMenuPage,  &kHelpSalvationPage,
};

class HelpFixture : public ConsoleFixture {
  protected:
    void SetUp() override {
        PaintMainScreen(screen);
        backend.onPresent = [this](const ScreenState& s) { shown[backend.Pending()] = s.cells; };
    }

    // Runs help until the user leaves (true) or the script runs out (false).
    bool RunHelp() {
        try {
            ShowHelp(screen, pass.memory.helpSelection);
            return true;
        } catch (ScriptExhausted) {
            return false;
        }
    }

    // The screen while the program waited with this many scripted events still to come.
    const std::vector<Cell>& ShownWithLeft(std::size_t pending) { return shown.at(pending); }

    // The entry whose page the cells show, or -1.
    static int PageShown(const std::vector<Cell>& cells) {
        for (std::size_t i = 0; i < kHelpPages.size(); ++i) {
            if (CellsShow(cells, *kHelpPages[i])) return static_cast<int>(i);
        }
        return -1;
    }

    std::map<std::size_t, std::vector<Cell>> shown;
};

}  // namespace gridlet
