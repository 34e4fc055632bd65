#pragma once
// Puts a part of the state back as it was when a scope ends, however it ends: what a menu's
// Previews change for the while it runs, and the pass's values the objects panel's changes use.

#include <utility>

namespace gridlet {

template <typename Part>
class KeptOnExit {
  public:
    explicit KeptOnExit(Part& part) : part_(part), kept_(part) {}
    KeptOnExit(const KeptOnExit&) = delete;
    KeptOnExit& operator=(const KeptOnExit&) = delete;
    ~KeptOnExit() { part_ = std::move(kept_); }
    const Part& Kept() const { return kept_; }

  private:
    Part& part_;
    Part kept_;
};

}  // namespace gridlet
