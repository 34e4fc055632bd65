// libFuzzer entry for the input decoder: any byte stream, fed whole and in pieces, must give the
// same events with bounded memory and no crash. The first four bytes choose the piece sizes.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/decoder_stream_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t seed = 0;
    const std::size_t seedBytes = size < sizeof seed ? size : sizeof seed;
    std::memcpy(&seed, data, seedBytes);
    const std::string_view stream(reinterpret_cast<const char*>(data) + seedBytes,
                                  size - seedBytes);
    if (!gridlet::CheckDecoderStream(stream, seed).empty()) std::abort();
    return 0;
}
