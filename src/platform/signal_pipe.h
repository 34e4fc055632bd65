#pragma once
// Turns a signal (a resize, a continue after a stop) into bytes on a pipe, so that one poll()
// waits for input and for signals alike. One instance per signal at a time.

namespace gridlet {

class SignalPipe {
  public:
    // action, when given, runs in the signal handler before the pipe is written, so it must be
    // async-signal-safe.
    explicit SignalPipe(int signal, void (*action)() = nullptr);
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    // Readable after the signal came.
    int fd() const { return readFd_; }
    // Empties the pipe; true when the signal had come.
    bool Consume();

  private:
    int signal_;
    int readFd_ = -1;
};

}  // namespace gridlet
