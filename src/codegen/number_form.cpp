#include "codegen/number_form.h"

namespace gridlet {

std::string S(std::int64_t value) {
    std::string text = value < 0 ? "" : " ";
    text += std::to_string(value);
    return text;
}

std::string T(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace gridlet
