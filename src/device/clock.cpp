#include "device/clock.h"

#include <chrono>
#include <thread>

namespace kvrm {

int64_t RealClock::NowMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void RealClock::DelayMicroseconds(int64_t microseconds) {
  // Polled, not slept: a sleep overshoots by far more than the 500 us the mouse needs.
  const int64_t start = NowMicroseconds();
  while (NowMicroseconds() - start < microseconds) {
  }
}

void RealClock::SleepMilliseconds(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace kvrm
