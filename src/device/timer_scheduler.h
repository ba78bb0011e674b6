#pragma once

#include <map>

namespace kvrm {

// The two presence timers. The window drives them with its own timers; tests
// and the command-line tool with ManualScheduler.
enum class PresenceTimer {
  kDevTimer,       // 3500 ms, once the mouse has been read
  kDevTimerFirst,  // 50 ms, until the first successful read
};

inline constexpr int kDevTimerIntervalMs = 3500;
inline constexpr int kDevTimerFirstIntervalMs = 50;

constexpr int IntervalMs(PresenceTimer t) {
  return t == PresenceTimer::kDevTimer ? kDevTimerIntervalMs : kDevTimerFirstIntervalMs;
}

class TimerScheduler {
 public:
  virtual ~TimerScheduler() = default;
  virtual void SetEnabled(PresenceTimer timer, bool enabled) = 0;
  virtual bool IsEnabled(PresenceTimer timer) const = 0;
};

// Timers that only remember whether they run; the caller fires the ticks.
class ManualScheduler : public TimerScheduler {
 public:
  void SetEnabled(PresenceTimer timer, bool enabled) override { enabled_[timer] = enabled; }
  bool IsEnabled(PresenceTimer timer) const override {
    const auto it = enabled_.find(timer);
    return it != enabled_.end() && it->second;
  }

 private:
  std::map<PresenceTimer, bool> enabled_;
};

}  // namespace kvrm
