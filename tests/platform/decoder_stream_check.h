#pragma once
// The decoder's promises on any byte stream: fed whole or in pieces of any size it gives the same
// events and ends in the same state, and what it holds for an unfinished sequence stays bounded.
// Shared by the unit tests and the fuzz target.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_decoder.h"
#include "platform/input_description.h"

namespace gridlet {

inline std::string EventList(const std::vector<InputEvent>& events) {
    std::string text;
    for (const InputEvent& event : events) {
        text += Describe(event) + "|";
    }
    return text;
}

// Empty when the promises hold, else what broke. The piece sizes follow from `seed`.
inline std::string CheckDecoderStream(std::string_view stream, std::uint32_t seed) {
    InputDecoder whole;
    const std::string wholeEvents = EventList(whole.Feed(stream));
    if (whole.PendingBytes() > InputDecoder::kMaxSequence ||
        whole.PastedBytes() > InputDecoder::kMaxPaste) {
        return "the whole stream left too much";
    }

    InputDecoder pieces;
    std::vector<InputEvent> events;
    std::uint32_t random = seed;
    for (std::size_t pos = 0; pos < stream.size();) {
        random = random * 1664525u + 1013904223u;
        const std::size_t size = 1 + (random >> 24) % 17;
        for (InputEvent& event : pieces.Feed(stream.substr(pos, size))) events.push_back(event);
        if (pieces.PendingBytes() > InputDecoder::kMaxSequence ||
            pieces.PastedBytes() > InputDecoder::kMaxPaste) {
            return "a piece left too much";
        }
        pos += size;
    }
    if (EventList(events) != wholeEvents) return "pieces gave other events";
    if (pieces.EscapePending() != whole.EscapePending()) return "pieces ended in another state";
    return {};
}

}  // namespace gridlet
