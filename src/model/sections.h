#pragma once
// The sections of a composed program, joined in the order of their numbers; a design file keeps
// section n on line n + 1. The numbers not named stay empty.

#include <array>
#include <cstddef>
#include <string>

namespace gridlet {

enum class Section : int {
    GlobalDecls = 1,      // the string variables' GLOBAL lines and a line end
    TypeDecls = 2,        // the TYPE blocks of the star and polygon support
    DoStringRoutine = 3,  // SUB DoString with the string variables' statements, when any
    SupportFunctions = 4,
    SubHeader = 5,     // SUB GraficWin ()
    WindowHandle = 6,  // LOCAL hwin, or the printer's XPRINT ATTACH
    LocalDecls = 7,
    WindowCode = 8,        // GRAPHIC WINDOW and GRAPHIC ATTACH
    WindowBackground = 9,  // the window's colour, or the printer's scale
    BackgroundPaint = 10,  // a paint placed as the design's first object
    BackLayer = 11,        // objects sent to the back, the last sent first
    Boxes = 12,
    Polygons = 14,
    Ellipses = 16,
    Stars = 18,
    PrinterPositions = 20,  // converted for the printer, never filled
    Lines = 24,             // lines and line steps
    ShiftedLineStep = 26,   // the move menu's line step while its Preview runs
    Arcs = 27,
    Pies = 28,
    Paints = 29,
    Bitmaps = 30,
    PrinterSpare = 31,  // emptied for the printer, never filled
    Texts = 32,
    ShiftedObject = 33,  // any other object of the move menu while its Preview runs
    // Printer code closes its routine in 34 to 38; a design file keeps the window's numbers and
    // the object number in 34 to 43 instead.
    PrinterFormFeed = 34,
    PrinterAfterFormFeed = 35,
    PrinterClose = 36,
    PrinterAfterClose = 37,
    PrinterEndSub = 38,
    KeptWindowRightCol = 34,
    KeptWindowLeftCol = 35,
    KeptWindowTopRow = 36,
    KeptWindowBottomRow = 37,
    KeptWindowExists = 38,
    KeptWindowX = 39,  // written as the left column again
    KeptWindowY = 40,  // written as the top row again
    KeptWindowHeight = 41,
    KeptWindowWidth = 42,
    KeptObjectNumber = 43,
    EndSub = 44,  // graphic-window code's END SUB
    // PBMAIN, for the preview and the code view.
    MainHeader = 45,
    MainCall = 46,
    MainAssignments = 47,  // the string variables' values; a design file keeps them here too
    MainDoString = 48,
    MainWaitKey = 49,
    MainWindowEnd = 50,
    MainEnd = 51,
};

constexpr int SectionNumber(Section section) {
    return static_cast<int>(section);
}

// The last section of the routine on the clipboard, and the last of a whole program.
constexpr Section kLastRoutineSection = Section::PrinterEndSub;
constexpr Section kLastSection = Section::MainEnd;
constexpr int kSectionCount = SectionNumber(kLastSection);

// Sections 1 to kSectionCount, indexed by name, or by number where a file's line order counts.
class SectionTable {
  public:
    std::string& operator[](Section section) { return At(SectionNumber(section)); }
    const std::string& operator[](Section section) const { return At(SectionNumber(section)); }
    std::string& At(int number) { return texts_.at(static_cast<std::size_t>(number - 1)); }
    const std::string& At(int number) const {
        return texts_.at(static_cast<std::size_t>(number - 1));
    }
    bool operator==(const SectionTable&) const = default;

  private:
    std::array<std::string, kSectionCount> texts_;
};

// Sections 1 to last, in order.
std::string JoinSections(const SectionTable& sections, Section last);

}  // namespace gridlet
