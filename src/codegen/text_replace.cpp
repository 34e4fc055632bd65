#include "codegen/text_replace.h"

namespace gridlet {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string::npos;
         found = text.find(from, start)) {
        result.append(text, start, found - start);
        result.append(to);
        start = found + from.size();
    }
    if (start == 0) return;
    result.append(text, start);
    text = std::move(result);
}

}  // namespace gridlet
