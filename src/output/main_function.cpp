#include "output/main_function.h"

namespace gridlet {

void AddMainFunction(SectionTable& sections, const Design& design) {
    sections[45] = " FUNCTION PBMAIN () as long\r\n";
    sections[46] = "    GraficWin \r\n";
    sections[47] = design.mainAssignments;
    sections[48] = design.doStringBody.empty() ? "" : "    DoString\r\n";
    sections[49] = "    Graphic Waitkey$\r\n";
    sections[50] = "    Graphic Window End\r\n";
    sections[51] = " END FUNCTION \r\n";
}

}  // namespace gridlet
