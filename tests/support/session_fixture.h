#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include <string>
#include <vector>

#include "device/timer_scheduler.h"
#include "image/device_session.h"
#include "sim/simulated_bus.h"
#include "support/sim_fixture.h"

namespace kvrm::test {

// Remembers what the session asked of the window, one word per request.
class RecordingObserver : public SessionObserver {
 public:
  void LockPages() override { events.push_back("lock"); }
  void UnlockPages() override { events.push_back("unlock"); }
  void ShowMessage(std::string_view key) override { events.push_back("message " + std::string(key)); }
  void ShowNoDeviceMessage() override { events.push_back("no-device message"); }
  void ShowFixedMessage(const std::string& text) override { events.push_back("fixed " + text); }
  void ShowNoDeviceState() override { events.push_back("no-device state"); }
  void ShowDeviceReady() override { events.push_back("ready"); }
  void RefreshPages() override {
    events.push_back("refresh");
    if (on_refresh) on_refresh();
  }
  void SetTestButton(TestButton button, bool ticked) override {
    events.push_back(std::string(ticked ? "tick " : "untick ") +
                     std::to_string(static_cast<int>(button)));
  }
  void RefreshCurrentDpiStatus() override { events.push_back("dpi status"); }
  void RefreshCurrentProfileStatus() override { events.push_back("profile status"); }

  int Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
  }

  std::vector<std::string> events;
  std::function<void()> on_refresh;
};

// A device session over the simulated bus, its timers fired by hand.
class SessionFixture : public ::testing::Test {
 protected:
  // The mouse starts in factory configuration 1 of its variant.
  void PlugMouse(uint8_t variant_code = kVariantCode4210C);
  // One tick of whichever presence timer runs; the virtual clock moves on by its interval.
  void Tick();
  // Plugs the mouse in and ticks until it has been read.
  void StartWithMouse(uint8_t variant_code = kVariantCode4210C);
  int CountSent(const std::string& prefix);
  void SetUp() override;
  void TearDown() override;

  VirtualClock clock;
  SimulatedHidBus bus{clock};
  CountingBusyWindow busy;
  ManualScheduler scheduler;
  RecordingObserver observer;
  DeviceSession session{bus, clock, busy, scheduler, observer};
  // A fresh folder per test, holding the backups.
  std::filesystem::path data_folder;
  std::unique_ptr<BackupStore> backups;
  SimulatedMouse* mouse = nullptr;
};

}  // namespace kvrm::test
