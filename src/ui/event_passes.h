#pragma once

namespace kvrm::ui {

// The message-loop passes that run inside an operation of the mouse (the busy
// window between packets, the pauses of the protocol, a modal message). They
// paint and run timers but hold the user's input back; work from other threads
// and presence ticks wait while one is open, so none of them lands in the
// middle of a transfer.
class EventPasses {
 public:
  // Marks a nested message loop for as long as it lives.
  class Scope {
   public:
    explicit Scope(EventPasses& passes) : passes_(passes) { ++passes_.depth_; }
    ~Scope() { --passes_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    EventPasses& passes_;
  };

  // One pass over the pending events.
  void RunOnce();
  // Keeps the window painting for that long without spinning.
  void RunFor(int milliseconds);
  bool nested() const { return depth_ > 0; }

 private:
  int depth_ = 0;
};

}  // namespace kvrm::ui
