#pragma once
// The message box, drawn in the console over whatever it covers and removed when answered.

#include <string>

#include "platform/console.h"

namespace gridlet {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Question, Information };

constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Shows text (lines split at CR LF) under the caption and waits for a button, by mouse or key
// (Enter takes the first button; Y, N and O are accelerators). Returns 1, 6 or 7. The cells it
// covered, the mouse event selection, the text colour and the cursor are as they were after it.
int ShowMessageBox(Console& console, const std::string& text, const std::string& caption,
                   MessageButtons buttons, MessageIcon icon);

}  // namespace gridlet
