#pragma once
// Turns terminal resizes (SIGWINCH) into bytes on a pipe, so that one poll() waits for input and
// for resizes alike. One instance at a time.

namespace gridlet {

class ResizeSignal {
  public:
    ResizeSignal();
    ~ResizeSignal();
    ResizeSignal(const ResizeSignal&) = delete;
    ResizeSignal& operator=(const ResizeSignal&) = delete;

    // Readable after a resize.
    int fd() const { return readFd_; }
    // Empties the pipe; true when a resize had been signalled.
    bool Consume();

  private:
    int readFd_ = -1;
};

}  // namespace gridlet
