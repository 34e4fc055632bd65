#pragma once
// Puts a part of the state back as it was when a scope ends, however it ends: the objects panel's
// changes run between commands, and the next command starts from what the last one left.

#include <utility>

namespace gridlet {

template <typename Part>
class KeptOnExit {
  public:
    explicit KeptOnExit(Part& part) : part_(part), kept_(part) {}
    KeptOnExit(const KeptOnExit&) = delete;
    KeptOnExit& operator=(const KeptOnExit&) = delete;
    ~KeptOnExit() { part_ = std::move(kept_); }

  private:
    Part& part_;
    Part kept_;
};

}  // namespace gridlet
