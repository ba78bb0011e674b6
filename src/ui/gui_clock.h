#pragma once

#include "device/clock.h"
#include "ui/event_passes.h"

namespace kvrm::ui {

// The clock of the window: its pauses keep the window painting and answering,
// while the short waits after each reply stay busy waits.
class GuiClock : public Clock {
 public:
  explicit GuiClock(EventPasses& passes) : passes_(passes) {}
  int64_t NowMicroseconds() override { return real_.NowMicroseconds(); }
  void DelayMicroseconds(int64_t microseconds) override { real_.DelayMicroseconds(microseconds); }
  void SleepMilliseconds(int milliseconds) override { passes_.RunFor(milliseconds); }

 private:
  EventPasses& passes_;
  RealClock real_;
};

}  // namespace kvrm::ui
