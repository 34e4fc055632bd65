#include "model/sections.h"

namespace gridlet {

std::string JoinSections(const SectionTable& sections, Section last) {
    std::string text;
    for (int number = 1; number <= SectionNumber(last); ++number) text += sections.At(number);
    return text;
}

}  // namespace gridlet
