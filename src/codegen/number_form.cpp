#include "codegen/number_form.h"

namespace gridlet {

std::string S(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string T(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace gridlet
