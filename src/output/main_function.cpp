#include "output/main_function.h"

#include "output/compose_program.h"

namespace gridlet {
namespace {

void AddMainFunction(SectionTable& sections, const Design& design) {
    sections[Section::MainHeader] = " FUNCTION PBMAIN () as long\r\n";
    sections[Section::MainCall] = "    GraficWin \r\n";
    sections[Section::MainAssignments] = design.mainAssignments;
    sections[Section::MainDoString] = design.doStringBody.empty() ? "" : "    DoString\r\n";
    sections[Section::MainWaitKey] = "    Graphic Waitkey$\r\n";
    sections[Section::MainWindowEnd] = "    Graphic Window End\r\n";
    sections[Section::MainEnd] = " END FUNCTION \r\n";
}

}  // namespace

std::string CompleteProgram(SectionTable& sections, const Design& design) {
    AddMainFunction(sections, design);
    return JoinSections(sections, kLastSection);
}

}  // namespace gridlet
