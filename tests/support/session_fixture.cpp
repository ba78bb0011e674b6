#include "support/session_fixture.h"

namespace kvrm::test {

void SessionFixture::PlugMouse(uint8_t variant_code) {
  mouse = &bus.AddMouse(variant_code,
                        SimulatorStartImage(variant_code >= 0x40 ? "4210C" : "4230C"));
}

void SessionFixture::Tick() {
  const PresenceTimer timer = scheduler.IsEnabled(PresenceTimer::kDevTimerFirst)
                                  ? PresenceTimer::kDevTimerFirst
                                  : PresenceTimer::kDevTimer;
  clock.SleepMilliseconds(IntervalMs(timer));
  session.DevTimerTimer();
}

void SessionFixture::StartWithMouse(uint8_t variant_code) {
  PlugMouse(variant_code);
  session.Start();
  Tick();
  ASSERT_TRUE(session.DevicePresent());
  bus.ClearLog();
  observer.events.clear();
}

int SessionFixture::CountSent(const std::string& prefix) {
  int n = 0;
  for (const auto& r : bus.Log()) {
    if (FormatSimReport(r).starts_with(prefix)) ++n;
  }
  return n;
}

}  // namespace kvrm::test
