// Presence and reading: the mouse found, read, dropped and found again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace kvrm::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

SimInterfaceSpec Keyboard(const std::string& path) {
  SimInterfaceSpec spec;
  spec.path = path;
  spec.vendor_id = 0x046D;
  spec.product_id = 0xC31C;
  spec.capabilities = {9, 2, 0};
  return spec;
}

class PresenceTest : public SessionFixture {};

TEST_F(PresenceTest, StartWithTheMouseReadsItOnTheFirstTick) {
  PlugMouse();
  mouse->memory()[0x38] = 0x2D;
  StoreSectionChecksum(std::span(mouse->memory()).first(layout::kVendorLength));
  session.Start();
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
  Tick();
  EXPECT_TRUE(session.DevicePresent());
  EXPECT_EQ(session.chip_variant(), ChipVariant::k4210C);
  EXPECT_EQ(CountSent("> 40 09 00 00 08 00"), 1);
  EXPECT_EQ(session.data_buf(), mouse->memory());
  EXPECT_EQ(session.copies().vendor[0x38], 0x2D);
  EXPECT_FALSE(scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimer));
  EXPECT_FALSE(session.refresh_in_progress());
  EXPECT_FALSE(session.no_device_state());
  EXPECT_THAT(observer.events, Contains("ready"));
  EXPECT_THAT(observer.events, Not(Contains("no-device message")));
  EXPECT_EQ(observer.events.back(), "unlock");

  // Ticks with an unchanged count leave the mouse alone.
  bus.ClearLog();
  for (int i = 0; i < 5; ++i) Tick();
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(PresenceTest, StartWithoutTheMouseShowsTheMessageOnceThenFindsItWhenPlugged) {
  bus.AddInterface(Keyboard("kbd"));
  session.Start();
  Tick();
  Tick();
  EXPECT_EQ(observer.Count("no-device message"), 1);
  EXPECT_TRUE(session.no_device_state());
  EXPECT_FALSE(session.DevicePresent());
  PlugMouse();
  Tick();
  EXPECT_TRUE(session.DevicePresent());
  EXPECT_EQ(session.data_buf(), mouse->memory());
  EXPECT_FALSE(session.no_device_state());
}

TEST_F(PresenceTest, UnpluggingAnUnrelatedDeviceDropsTheMouseUntilTheCountRises) {
  bus.AddInterface(Keyboard("kbd"));
  StartWithMouse();
  bus.Unplug("kbd");
  Tick();
  EXPECT_FALSE(session.DevicePresent());
  EXPECT_EQ(observer.Count("no-device message"), 1);
  EXPECT_EQ(session.chip_variant(), ChipVariant::kNone);
  Tick();
  EXPECT_FALSE(session.DevicePresent());
  bus.Plug("kbd");
  Tick();
  EXPECT_TRUE(session.DevicePresent());
}

TEST_F(PresenceTest, PluggingAnotherDeviceReadsTheMouseAgain) {
  StartWithMouse();
  bus.AddInterface(Keyboard("kbd"));
  Tick();
  EXPECT_EQ(CountSent("> 40 09 00 00 08 00"), 1);
  EXPECT_TRUE(session.DevicePresent());
}

TEST_F(PresenceTest, FlickeringCountsAreIgnored) {
  StartWithMouse();
  bus.AddInterface(Keyboard("kbd"));
  // Five samples of two counts each; only the first pair is stable.
  bus.ScriptCounts({2, 2, 1, 2, 2, 1, 1, 2, 2, 1});
  Tick();
  EXPECT_TRUE(bus.Log().empty());
  EXPECT_EQ(session.last_hid_count(), 1);
  Tick();
  EXPECT_EQ(CountSent("> 40 09 00 00 08 00"), 1);
  EXPECT_EQ(session.last_hid_count(), 2);
}

TEST_F(PresenceTest, UnplugDuringTheReadLeavesDefaultsThenTheNoDeviceState) {
  PlugMouse();
  session.Start();
  // Probe (2 transfers), identify (2), read header (1), then 10 replies: the
  // first 70 bytes arrive, the rest reads as 0xFF.
  bus.ArmFaults({.unplug_mouse_after = 15});
  Tick();
  SectionCopies& copies = session.copies();
  EXPECT_EQ(session.data_buf()[69], mouse->memory()[69]);
  EXPECT_EQ(session.data_buf()[70], 0xFF);
  EXPECT_TRUE(SectionChecksumValid(copies.vendor));
  EXPECT_TRUE(SectionChecksumValid(copies.user));
  UserSection default_user{};
  BuildUserDefault(default_user, session.default_inputs());
  EXPECT_TRUE(std::equal(copies.user.begin(), copies.user.end() - 1, default_user.begin()));
  EXPECT_THAT(observer.events, Contains("ready"));
  Tick();
  EXPECT_FALSE(session.DevicePresent());
  EXPECT_EQ(observer.Count("no-device message"), 1);
}

TEST_F(PresenceTest, IdentifyCodeAndIcTypeChooseOrRefuseTheVariant) {
  struct Case {
    uint8_t code;
    int ic_type;
    ChipVariant expected;
  };
  for (const Case& c : {Case{0x40, 2, ChipVariant::kNone}, Case{0x3F, 1, ChipVariant::kNone},
                        Case{0x3F, 0, ChipVariant::k4230C}, Case{0x40, 1, ChipVariant::k4210C},
                        Case{0xFF, 0, ChipVariant::k4210C}}) {
    VirtualClock c_clock;
    SimulatedHidBus c_bus{c_clock};
    CountingBusyWindow c_busy;
    ManualScheduler c_scheduler;
    RecordingObserver c_observer;
    DeviceSession s{c_bus, c_clock, c_busy, c_scheduler, c_observer};
    c_bus.AddMouse(c.code, SimulatorStartImage("4210C"));
    s.set_ic_config_type(c.ic_type);
    s.Start();
    s.DevTimerTimer();
    EXPECT_EQ(s.chip_variant(), c.expected) << int{c.code} << " " << c.ic_type;
    const bool refused = c.expected == ChipVariant::kNone;
    EXPECT_EQ(c_observer.Count("no-device message"), refused ? 1 : 0);
    EXPECT_EQ(c_observer.Count("ready"), refused ? 0 : 1);
    EXPECT_TRUE(c_scheduler.IsEnabled(PresenceTimer::kDevTimer));
    EXPECT_FALSE(c_scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
  }
}

TEST_F(PresenceTest, ProfileKeyReportTicksThenRefreshesAndUnticks) {
  StartWithMouse();
  session.HandleInputReport(std::vector<uint8_t>{0x42, 0, 0, 0x08, 0, 0, 0, 0});
  EXPECT_THAT(observer.events, ElementsAre("tick 3"));
  const int64_t before = clock.NowMicroseconds();
  session.HandleInputReport(std::vector<uint8_t>{0x42, 0, 0, 0x00, 0, 0, 0, 0});
  EXPECT_THAT(observer.events, ElementsAre("tick 3", "profile status", "untick 3"));
  EXPECT_EQ(clock.NowMicroseconds() - before, 200'000 + 2 * 500);
  EXPECT_EQ(CountSent("> 40 06 00 16 00 01 00 00"), 2);
  EXPECT_EQ(CountSent("> 40 06 00 18 00 01 00 00"), 2);
}

TEST_F(PresenceTest, RestartShowsTheNoDeviceStateThenReadsTheMouseAgain) {
  StartWithMouse();
  session.RestartAndRefind();
  EXPECT_EQ(mouse->restarts(), 1);
  EXPECT_EQ(observer.Count("no-device message"), 1);
  EXPECT_TRUE(session.DevicePresent());
  EXPECT_EQ(CountSent("> 40 09 00 00 08 00"), 1);
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimer));
}

TEST_F(PresenceTest, AMouseThatDoesNotComeBackAfterARestartIsStillFoundLater) {
  StartWithMouse();
  bus.set_restart_delay_ms(60'000);
  session.RestartAndRefind();
  EXPECT_FALSE(session.DevicePresent());
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
  clock.SleepMilliseconds(60'000);
  Tick();
  EXPECT_TRUE(session.DevicePresent());
}

TEST_F(PresenceTest, FillingThePagesSendsNothing) {
  PlugMouse();
  observer.on_refresh = [&] {
    const uint8_t speed[] = {0x10};
    EXPECT_FALSE(session.WriteField(0x38, speed));
    session.WriteProfileSections();
  };
  session.Start();
  Tick();
  EXPECT_EQ(CountSent("> 40 05"), 0);
  EXPECT_EQ(CountSent("> 40 07"), 0);
}

}  // namespace
}  // namespace kvrm::test
