#include "dialogs/system_version.h"

namespace gridlet {

std::string SystemVersion() {
    return "Unknown";
}

}  // namespace gridlet
