#include "support/session_fixture.h"

namespace kvrm::test {

void SessionFixture::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  data_folder = std::filesystem::path(::testing::TempDir()) / "kvrm-tests" /
                (std::string(info->test_suite_name()) + "." + info->name());
  std::filesystem::remove_all(data_folder);
  backups = std::make_unique<BackupStore>(data_folder / "backups");
  session.set_backup_store(backups.get());
}

void SessionFixture::TearDown() { std::filesystem::remove_all(data_folder); }

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
