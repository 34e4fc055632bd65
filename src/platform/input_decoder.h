#pragma once
// Turns the bytes a terminal sends into the program's input events: keys, the extended keys the
// program knows (F1, arrows, Home, End, Delete, Alt with a letter), SGR mouse reports and
// bracketed pastes. Bytes may arrive in any pieces; each byte is
// looked at once, and what an unfinished sequence holds stays small whatever arrives.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_event.h"

namespace gridlet {

class InputDecoder {
  public:
    // The longest sequence kept; a longer one is dropped up to its end.
    static constexpr std::size_t kMaxSequence = 256;
    // The most of a paste kept; the rest is dropped up to the paste's end.
    static constexpr std::size_t kMaxPaste = 16384;

    // terminfoF1: the terminal's own F1 sequence, when its description has one.
    explicit InputDecoder(std::string terminfoF1 = {});

    // Takes the bytes just read; gives the events they complete. An unfinished sequence waits for
    // the next bytes; an Esc always starts a new one, dropping whatever was unfinished.
    std::vector<InputEvent> Feed(std::string_view bytes);

    // A lone Esc is waiting: only the absence of further bytes tells the Esc key from the start of
    // a sequence, so the reader calls FlushPendingEscape after a short quiet time.
    bool EscapePending() const { return state_ == State::Escape; }
    std::optional<InputEvent> FlushPendingEscape();

    // Bytes held for the unfinished sequence, and for the unfinished paste.
    std::size_t PendingBytes() const { return sequence_.size(); }
    std::size_t PastedBytes() const { return pasted_.size(); }

  private:
    enum class State {
        Ground,
        Escape,           // ESC
        ControlSequence,  // ESC [ or ESC O, then parameters up to a final byte
        LinuxKey,         // ESC [ [, then one letter
        Character,        // a UTF-8 lead byte, then its continuation bytes
        AltCharacter,     // ESC and a UTF-8 character: Alt with a key
        Dropping,         // an overlong sequence, up to its final byte
        Text,             // ESC ] (OSC), P (DCS), _ (APC), ^ or X: a terminal's answer, up to BEL
                          // or ESC \ (ST)
        Paste,            // ESC [ 200 ~, then pasted text up to ESC [ 201 ~
    };

    void Take(unsigned char byte, std::vector<InputEvent>& events);
    void TakeInGround(unsigned char byte, std::vector<InputEvent>& events);
    void TakeAfterEscape(unsigned char byte, std::vector<InputEvent>& events);
    void TakeInSequence(unsigned char byte, std::vector<InputEvent>& events);
    void TakeInCharacter(unsigned char byte, std::vector<InputEvent>& events);
    void StartPaste();
    void TakeInPaste(unsigned char byte, std::vector<InputEvent>& events);
    void KeepPasted(std::string_view bytes);
    void Start(State state, unsigned char byte);
    void Finish(std::optional<InputEvent> event, std::vector<InputEvent>& events);

    State state_ = State::Ground;
    std::string sequence_;
    std::size_t characterLength_ = 0;
    std::string pasted_;
    std::size_t pasteEndMatched_ = 0;  // bytes of the paste's end mark seen so far
    std::string terminfoF1_;
};

}  // namespace gridlet
