#include "platform/input_decoder.h"

#include <array>
#include <charconv>
#include <optional>

#include "platform/console.h"
#include "platform/cp1252.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

constexpr char kEsc = '\x1b';

// One piece of the byte stream: how many bytes it takes and the event it stands for, if any.
struct Token {
    std::size_t length;
    std::optional<InputEvent> event;
};

InputEvent PlainKey(unsigned char byte) {
    if (byte == '\n') return KeyEvent('\r');
    if (byte == 127) return KeyEvent('\b');
    return KeyEvent(static_cast<char>(byte));
}

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot start one.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// A character typed outside ASCII, as its Windows-1252 byte ("?" when it has none).
std::optional<Token> Utf8Key(std::string_view text) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(text[0]));
    const InputEvent unknown = KeyEvent('?');
    if (length == 0) return Token{1, unknown};
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size()) return std::nullopt;
        if (!IsContinuation(text[i])) return Token{i, unknown};
    }
    return Token{length, KeyEvent(Utf8ToCp1252(text.substr(0, length)).at(0))};
}

// Parameters and intermediates, then one final byte; nullopt while the final byte is missing.
// A stray control byte ends the sequence early, and is read again as input of its own.
std::optional<std::size_t> ControlSequenceEnd(std::string_view text, std::size_t start) {
    for (std::size_t i = start; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x40 && byte <= 0x7E) return i + 1;
        if (byte < 0x20 || byte > 0x3F) return i;
    }
    return std::nullopt;
}

// Length of the escape sequence at the start of text; nullopt while it is unfinished.
std::optional<std::size_t> EscapeSequenceLength(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    const char kind = text[1];
    if (kind == '[' && text.size() >= 3 && text[2] == '[') {
        if (text.size() < 4) return std::nullopt;
        return 4;  // the Linux console's function keys: ESC [ [ letter
    }
    if (kind == '[' || kind == 'O') return ControlSequenceEnd(text, 2);
    const std::size_t utf8 = Utf8Length(static_cast<unsigned char>(kind));
    if (utf8 == 0) return 2;  // Alt with a key
    if (text.size() < 1 + utf8) return std::nullopt;
    return 1 + utf8;
}

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// ESC [ < b ; x ; y M (press or motion) or m (release).
std::optional<InputEvent> MouseReport(std::string_view sequence) {
    std::array<int, 3> numbers{};
    std::string_view params = sequence.substr(3, sequence.size() - 4);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t semi = std::min(params.find(';'), params.size());
        const auto number = ParseNumber(params.substr(0, semi));
        if (!number) return std::nullopt;
        numbers[i] = *number;
        params.remove_prefix(std::min(semi + 1, params.size()));
    }
    if (!params.empty()) return std::nullopt;
    const auto [code, col, row] = numbers;
    constexpr int kMotionBit = 32;
    constexpr int kWheelOrExtraBits = 64 | 128;
    if (code & kWheelOrExtraBits) return std::nullopt;
    if (code & kMotionBit) return MoveEvent(row, col);
    static constexpr std::array<int, 3> kButtons = {kLeftButton, kMiddleButton, kRightButton};
    const int button = code & 3;
    if (button == 3) return std::nullopt;  // an old-style release without its button
    const int kind = sequence.back() == 'M' ? kPress : kRelease;
    return MouseEvent(kind, kButtons[static_cast<std::size_t>(button)], row, col);
}

std::optional<InputEvent> EscapeSequenceEvent(std::string_view sequence,
                                              std::string_view terminfoF1) {
    if (sequence.size() >= 4 && sequence.substr(0, 3) == "\x1b[<" &&
        (sequence.back() == 'M' || sequence.back() == 'm')) {
        return MouseReport(sequence);
    }
    if (sequence == "\x1bOP" || sequence == "\x1b[11~" || sequence == "\x1b[[A" ||
        (!terminfoF1.empty() && sequence == terminfoF1)) {
        return ExtendedKeyEvent(kScanF1);
    }
    if (sequence.size() == 3 && (sequence[1] == '[' || sequence[1] == 'O')) {
        switch (sequence[2]) {
            case 'A':
                return ExtendedKeyEvent(kScanUp);
            case 'B':
                return ExtendedKeyEvent(kScanDown);
            case 'C':
                return ExtendedKeyEvent(kScanRight);
            case 'D':
                return ExtendedKeyEvent(kScanLeft);
        }
    }
    return std::nullopt;  // a key the program has no use for
}

// The token at the start of text; nullopt while its bytes are not all there.
std::optional<Token> NextToken(std::string_view text, std::string_view terminfoF1) {
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= 0x80) return Utf8Key(text);
    if (first != kEsc) return Token{1, PlainKey(first)};
    if (text.size() >= 2 && text[1] == kEsc) return Token{1, KeyEvent(kEscKey)};
    const auto length = EscapeSequenceLength(text);
    if (!length) return std::nullopt;
    return Token{*length, EscapeSequenceEvent(text.substr(0, *length), terminfoF1)};
}

}  // namespace

InputDecoder::InputDecoder(std::string terminfoF1) : terminfoF1_(std::move(terminfoF1)) {}

std::vector<InputEvent> InputDecoder::Feed(std::string_view bytes) {
    pending_ += bytes;
    std::vector<InputEvent> events;
    std::size_t pos = 0;
    while (pos < pending_.size()) {
        const std::optional<Token> token =
            NextToken(std::string_view(pending_).substr(pos), terminfoF1_);
        if (!token) break;
        if (token->event) events.push_back(*token->event);
        pos += token->length;
    }
    pending_.erase(0, pos);
    return events;
}

std::optional<InputEvent> InputDecoder::FlushPendingEscape() {
    if (!EscapePending()) return std::nullopt;
    pending_.clear();
    return KeyEvent(kEscKey);
}

}  // namespace gridlet
