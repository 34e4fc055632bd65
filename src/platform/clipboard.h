#pragma once
// The system clipboard.

#include <string>

namespace gridlet {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void Empty() = 0;
    // Places a Windows-1252 text (CR LF kept) as plain text; false when it is known to have
    // reached no clipboard.
    virtual bool SetText(const std::string& text) = 0;
};

}  // namespace gridlet
