#pragma once
// A request from outside to stop (SIGTERM, SIGHUP, SIGINT) made readable on a pipe, so that the
// waits of the main flow see it and the program can keep the design before it ends. The terminal
// is given back as soon as the request comes. One instance at a time.

namespace gridlet {

class StopRequest {
  public:
    StopRequest();
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    // Readable once a request came.
    int fd() const { return readFd_; }
    // The signal of the request, or 0 while none came.
    int Signal() const;

  private:
    int readFd_ = -1;
    int writeFd_ = -1;
};

}  // namespace gridlet
