#include "app/design_title.h"

#include <gtest/gtest.h>

#include <functional>

#include "design/window_command.h"
#include "model/design_changes.h"

namespace gridlet {
namespace {

DesignObject Box(std::int32_t number) {
    DesignObject object;
    object.number = number;
    object.block = "[" + std::to_string(number) + "]";
    return object;
}

void SaveAs(Design& design, const char* path) {
    design.saved.path = path;
    MarkSaved(design);
}

// The unsaved mark follows the design through changes, saves, undos and redos: back at the state
// saved it goes, and once a change drops that state from the history only a save clears it.
TEST(DesignTitle, NamesTheFileAndMarksUnsavedChanges) {
    const struct {
        const char* step;
        std::function<void(Design&)> act;
        const char* title;
    } steps[] = {
        {"start", [](Design&) {}, "Gridlet - new design"},
        {"place", [](Design& d) { RecordPlacement(d, Box(1)); }, "Gridlet - new design *"},
        {"save", [](Design& d) { SaveAs(d, "/home/u/one.GDL"); }, "Gridlet - one.GDL"},
        {"place", [](Design& d) { RecordPlacement(d, Box(2)); }, "Gridlet - one.GDL *"},
        {"undo to the save", [](Design& d) { UndoChange(d); }, "Gridlet - one.GDL"},
        {"redo", [](Design& d) { RedoChange(d); }, "Gridlet - one.GDL *"},
        {"undo past the save", [](Design& d) { UndoChange(d), UndoChange(d); },
         "Gridlet - one.GDL *"},
        {"redo to the save", [](Design& d) { RedoChange(d); }, "Gridlet - one.GDL"},
        {"undo, then a change that drops the save",
         [](Design& d) { UndoChange(d), RecordPlacement(d, Box(3)); }, "Gridlet - one.GDL *"},
        {"undo back to as many changes",
         [](Design& d) { UndoChange(d), RecordPlacement(d, Box(4)); }, "Gridlet - one.GDL *"},
        {"save", [](Design& d) { MarkSaved(d); }, "Gridlet - one.GDL"},
        {"a tool that placed nothing", [](Design& d) { ++d.objectNumber; }, "Gridlet - one.GDL"},
        {"the graphic window",
         [](Design& d) {
             CreateWindow(d, {5, 20, 30, 49}, Properties{});
         },
         "Gridlet - one.GDL *"},
        {"save elsewhere", [](Design& d) { SaveAs(d, "caf\xC3\xA9.GDL"); },
         "Gridlet - caf\x82.GDL"},
        {"a string variable's global",
         [](Design& d) { d.globalDecls += "  GLOBAL a AS STRING\r\n"; }, "Gridlet - caf\x82.GDL *"},
        {"its undo leaves the global", [](Design& d) { UndoChange(d); }, "Gridlet - caf\x82.GDL *"},
        {"opened from a recovery file",
         [](Design& d) {
             d.saved.path.clear();
             MarkUnsaved(d);
         },
         "Gridlet - new design *"},
    };
    Design design;
    for (const auto& step : steps) {
        step.act(design);
        EXPECT_EQ(DesignTitle(design), step.title) << step.step;
    }
}

}  // namespace
}  // namespace gridlet
