#pragma once
// Why a statement was not drawn; thrown while a statement runs and caught per statement, so one
// bad statement never stops the picture.

#include <stdexcept>
#include <string>

namespace gridlet {

class RenderError : public std::runtime_error {
  public:
    explicit RenderError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace gridlet
