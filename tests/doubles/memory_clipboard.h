#pragma once
// A clipboard that keeps the text it is given, and says whether it took it as told.

#include <string>

#include "platform/clipboard.h"

namespace gridlet {

class MemoryClipboard : public Clipboard {
  public:
    void Empty() override { text.clear(); }
    bool SetText(const std::string& value) override {
        text = value;
        return reachable;
    }
    std::string text;
    bool reachable = true;  // what SetText reports
};

}  // namespace gridlet
