#pragma once

#include <atomic>
#include <cstdint>

namespace kvrm {

// Pauses and time for the protocol and the presence timers. The real clock waits;
// the virtual one only moves its time on, so tests of the protocol take no time;
// the window's clock keeps the window painting while it waits.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowMicroseconds() = 0;
  // The 500 microsecond wait after each fetched reply: a busy wait on the real clock.
  virtual void DelayMicroseconds(int64_t microseconds) = 0;
  virtual void SleepMilliseconds(int milliseconds) = 0;
};

class RealClock : public Clock {
 public:
  int64_t NowMicroseconds() override;
  void DelayMicroseconds(int64_t microseconds) override;
  void SleepMilliseconds(int milliseconds) override;
};

class VirtualClock : public Clock {
 public:
  int64_t NowMicroseconds() override { return now_.load(); }
  void DelayMicroseconds(int64_t microseconds) override { now_ += microseconds; }
  void SleepMilliseconds(int milliseconds) override { now_ += int64_t{milliseconds} * 1000; }
  void Advance(int64_t microseconds) { now_ += microseconds; }

 private:
  std::atomic<int64_t> now_{0};
};

}  // namespace kvrm
