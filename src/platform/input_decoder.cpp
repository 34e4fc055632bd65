#include "platform/input_decoder.h"

#include <array>
#include <charconv>
#include <optional>

#include "platform/cp1252.h"
#include "platform/input_events.h"
#include "platform/keys.h"

namespace gridlet {
namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr unsigned char kBell = 0x07;
// What follows an Esc to start a sequence of text, as terminals answer queries.
constexpr std::string_view kTextIntroducers = "]P_^X";
// Around a paste, once the terminal's bracketed paste mode is on.
constexpr std::string_view kPasteStart = "\x1b[200~";
constexpr std::string_view kPasteEnd = "\x1b[201~";

InputEvent PlainKey(unsigned char byte) {
    if (byte == '\n') return KeyEvent('\r');
    if (byte == 127) return KeyEvent('\b');
    return KeyEvent(static_cast<char>(byte));
}

// Length of the UTF-8 sequence a lead byte starts, overlong forms included (they decode to "?");
// 0 for a byte that cannot start one.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 0;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsFinalByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0x7E;
}

// Parameter and intermediate bytes.
bool IsInnerByte(unsigned char byte) {
    return byte >= 0x20 && byte <= 0x3F;
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
    constexpr int kShiftBit = 4;
    constexpr int kMotionBit = 32;
    constexpr int kWheelOrExtraBits = 64 | 128;
    if (code & kWheelOrExtraBits) return std::nullopt;
    const bool shift = (code & kShiftBit) != 0;
    if (code & kMotionBit) return MouseInput{kMove, 0, shift, row, col};
    static constexpr std::array<int, 3> kButtons = {kLeftButton, kMiddleButton, kRightButton};
    const int button = code & 3;
    if (button == 3) return std::nullopt;  // an old-style release without its button
    const MouseEventKind kind = sequence.back() == 'M' ? kPress : kRelease;
    return MouseInput{kind, kButtons[static_cast<std::size_t>(button)], shift, row, col};
}

struct KeySequence {
    std::string_view bytes;
    int scanCode;
};

// The forms xterm, its kin and the Linux console send for the extended keys the program knows.
constexpr KeySequence kKeySequences[] = {
    {"\x1bOP", kScanF1},   {"\x1b[11~", kScanF1},    {"\x1b[[A", kScanF1},
    {"\x1bOQ", kScanF2},   {"\x1b[12~", kScanF2},    {"\x1b[[B", kScanF2},
    {"\x1bOR", kScanF3},   {"\x1b[13~", kScanF3},    {"\x1b[[C", kScanF3},
    {"\x1b[A", kScanUp},   {"\x1bOA", kScanUp},      {"\x1b[B", kScanDown},
    {"\x1bOB", kScanDown}, {"\x1b[C", kScanRight},   {"\x1bOC", kScanRight},
    {"\x1b[D", kScanLeft}, {"\x1bOD", kScanLeft},    {"\x1b[H", kScanHome},
    {"\x1bOH", kScanHome}, {"\x1b[1~", kScanHome},   {"\x1b[7~", kScanHome},
    {"\x1b[F", kScanEnd},  {"\x1bOF", kScanEnd},     {"\x1b[4~", kScanEnd},
    {"\x1b[8~", kScanEnd}, {"\x1b[3~", kScanDelete}, {"\x1b[24~", kScanF12},
};

std::optional<InputEvent> EscapeSequenceEvent(std::string_view sequence,
                                              std::string_view terminfoF1) {
    if (sequence.size() >= 4 && sequence.substr(0, 3) == "\x1b[<" &&
        (sequence.back() == 'M' || sequence.back() == 'm')) {
        return MouseReport(sequence);
    }
    if (!terminfoF1.empty() && sequence == terminfoF1) return ExtendedKeyEvent(kScanF1);
    for (const KeySequence& key : kKeySequences) {
        if (sequence == key.bytes) return ExtendedKeyEvent(key.scanCode);
    }
    return std::nullopt;  // a key the program has no use for
}

// Esc and a letter: Alt with the letter. Alt with any other key means nothing here.
std::optional<InputEvent> AltKeyEvent(unsigned char key) {
    const int scanCode = AltLetterScanCode(static_cast<char>(key));
    if (scanCode == 0) return std::nullopt;
    return ExtendedKeyEvent(scanCode);
}

}  // namespace

InputDecoder::InputDecoder(std::string terminfoF1) : terminfoF1_(std::move(terminfoF1)) {}

std::vector<InputEvent> InputDecoder::Feed(std::string_view bytes) {
    std::vector<InputEvent> events;
    for (char byte : bytes) Take(static_cast<unsigned char>(byte), events);
    return events;
}

std::optional<InputEvent> InputDecoder::FlushPendingEscape() {
    if (!EscapePending()) return std::nullopt;
    sequence_.clear();
    state_ = State::Ground;
    return KeyEvent(kEscKey);
}

void InputDecoder::Take(unsigned char byte, std::vector<InputEvent>& events) {
    switch (state_) {
        case State::Ground:
            return TakeInGround(byte, events);
        case State::Escape:
            return TakeAfterEscape(byte, events);
        case State::ControlSequence:
        case State::LinuxKey:
        case State::Dropping:
            return TakeInSequence(byte, events);
        case State::Character:
        case State::AltCharacter:
            return TakeInCharacter(byte, events);
        case State::Text:
            if (byte == kEsc) return Start(State::Escape, byte);  // ST, or a new sequence
            if (byte == kBell) Finish(std::nullopt, events);
            return;
        case State::Paste:
            return TakeInPaste(byte, events);
    }
}

void InputDecoder::TakeInGround(unsigned char byte, std::vector<InputEvent>& events) {
    if (byte == kEsc) return Start(State::Escape, byte);
    if (byte < 0x80) return events.push_back(PlainKey(byte));
    characterLength_ = Utf8Length(byte);
    if (characterLength_ == 0) return events.push_back(KeyEvent('?'));
    Start(State::Character, byte);
}

void InputDecoder::TakeAfterEscape(unsigned char byte, std::vector<InputEvent>& events) {
    if (byte == kEsc) {
        events.push_back(KeyEvent(kEscKey));  // the first one stood alone
        return;
    }
    if (kTextIntroducers.find(static_cast<char>(byte)) != std::string_view::npos) {
        sequence_.clear();  // its text is never needed, so none is kept
        state_ = State::Text;
        return;
    }
    sequence_ += static_cast<char>(byte);
    if (byte == '[' || byte == 'O') {
        state_ = State::ControlSequence;
        return;
    }
    characterLength_ = Utf8Length(byte);
    if (characterLength_ > 0) {
        state_ = State::AltCharacter;
        return;
    }
    Finish(AltKeyEvent(byte), events);
}

void InputDecoder::TakeInSequence(unsigned char byte, std::vector<InputEvent>& events) {
    if (!IsFinalByte(byte) && !IsInnerByte(byte)) {
        // A control byte (an Esc above all) cuts the sequence short and is read by itself.
        Finish(std::nullopt, events);
        return TakeInGround(byte, events);
    }
    if (state_ == State::Dropping) {
        if (IsFinalByte(byte)) Finish(std::nullopt, events);
        return;
    }
    if (state_ == State::ControlSequence && byte == '[' && sequence_ == "\x1b[") {
        sequence_ += '[';
        state_ = State::LinuxKey;  // the Linux console's function keys: ESC [ [ letter
        return;
    }
    if (state_ == State::LinuxKey || IsFinalByte(byte)) {
        sequence_ += static_cast<char>(byte);
        if (sequence_ == kPasteStart) return StartPaste();
        return Finish(EscapeSequenceEvent(sequence_, terminfoF1_), events);
    }
    if (sequence_.size() >= kMaxSequence) {
        sequence_.clear();
        state_ = State::Dropping;
        return;
    }
    sequence_ += static_cast<char>(byte);
}

void InputDecoder::TakeInCharacter(unsigned char byte, std::vector<InputEvent>& events) {
    const bool typed = state_ == State::Character;
    if (!IsContinuation(byte)) {
        // Cut short: a typed lead byte counts as an unknown character, the next byte by itself.
        Finish(typed ? std::optional(KeyEvent('?')) : std::nullopt, events);
        return TakeInGround(byte, events);
    }
    sequence_ += static_cast<char>(byte);
    const std::size_t held = typed ? sequence_.size() : sequence_.size() - 1;
    if (held < characterLength_) return;
    if (!typed) return Finish(std::nullopt, events);
    Finish(KeyEvent(Utf8ToCp1252(sequence_).at(0)), events);
}

void InputDecoder::StartPaste() {
    sequence_.clear();
    pasted_.clear();
    pasteEndMatched_ = 0;
    state_ = State::Paste;
}

// Everything up to the end mark is text, Esc and line ends included; the end mark holds one Esc,
// at its start, so a mark broken off gives back the bytes it took and a new Esc starts it again.
void InputDecoder::TakeInPaste(unsigned char byte, std::vector<InputEvent>& events) {
    if (byte == static_cast<unsigned char>(kPasteEnd[pasteEndMatched_])) {
        if (++pasteEndMatched_ < kPasteEnd.size()) return;
        if (!pasted_.empty()) events.push_back(PasteEvent(Utf8ToCp1252(pasted_)));
        pasted_.clear();
        return Finish(std::nullopt, events);
    }
    KeepPasted(kPasteEnd.substr(0, pasteEndMatched_));
    if (byte == kEsc) {
        pasteEndMatched_ = 1;
        return;
    }
    pasteEndMatched_ = 0;
    const char ch = static_cast<char>(byte);
    KeepPasted({&ch, 1});
}

void InputDecoder::KeepPasted(std::string_view bytes) {
    pasted_.append(bytes.substr(0, kMaxPaste - std::min(kMaxPaste, pasted_.size())));
}

void InputDecoder::Start(State state, unsigned char byte) {
    sequence_.assign(1, static_cast<char>(byte));
    state_ = state;
}

void InputDecoder::Finish(std::optional<InputEvent> event, std::vector<InputEvent>& events) {
    if (event) events.push_back(std::move(*event));
    sequence_.clear();
    state_ = State::Ground;
}

}  // namespace gridlet
