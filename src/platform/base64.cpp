#include "platform/base64.h"

#include <algorithm>
#include <cstdint>

namespace gridlet {

std::string Base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            const auto byte = j < count ? static_cast<unsigned char>(bytes[i + j]) : 0u;
            group = (group << 8) | byte;
        }
        for (std::size_t j = 0; j < 4; ++j) {
            out += j <= count ? kDigits[(group >> (18 - 6 * j)) & 0x3F] : '=';
        }
    }
    return out;
}

}  // namespace gridlet
