#include "output/main_function.h"

#include "output/compose_program.h"

namespace gridlet {
namespace {

void AddMainFunction(SectionTable& sections, const Design& design) {
    sections[45] = " FUNCTION PBMAIN () as long\r\n";
    sections[46] = "    GraficWin \r\n";
    sections[47] = design.mainAssignments;
    sections[48] = design.doStringBody.empty() ? "" : "    DoString\r\n";
    sections[49] = "    Graphic Waitkey$\r\n";
    sections[50] = "    Graphic Window End\r\n";
    sections[51] = " END FUNCTION \r\n";
}

}  // namespace

std::string CompleteProgram(SectionTable& sections, const Design& design) {
    AddMainFunction(sections, design);
    return JoinSections(sections, 51);
}

}  // namespace gridlet
