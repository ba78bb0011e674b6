#pragma once

namespace kvrm {

// The wait window shown during transfers. The window implements it; the
// command-line tool and the tests use NullBusyWindow or a recording one.
class BusyWindow {
 public:
  virtual ~BusyWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // One pass of the message loop, so the window repaints between packets.
  virtual void ProcessEvents() = 0;
};

class NullBusyWindow : public BusyWindow {
 public:
  void Show() override {}
  void Hide() override {}
  void ProcessEvents() override {}
};

}  // namespace kvrm
