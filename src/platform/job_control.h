#pragma once
// Job control: a stop (SIGTSTP from the shell or another process, or the suspend key, which raw
// mode hands to the program) hands the terminal back as on exit before the program stops; a
// continue (SIGCONT) takes it again and makes fd() readable, so the owner paints the whole screen
// anew. One instance at a time.

#include <csignal>

#include "platform/signal_pipe.h"

namespace gridlet {

class JobControl {
  public:
    JobControl();
    ~JobControl();
    JobControl(const JobControl&) = delete;
    JobControl& operator=(const JobControl&) = delete;

    // Readable after a continue.
    int fd() const { return continued_.fd(); }
    // Empties it; true when the program had been continued.
    bool Consume() { return continued_.Consume(); }

    // The suspend key typed: stops the program's process group as the terminal does for the key
    // outside raw mode. Nothing when the program was started without job control.
    void StopAsTheSuspendKeyDoes() const;

  private:
    SignalPipe continued_;
    struct sigaction previousStop_ {};
};

}  // namespace gridlet
