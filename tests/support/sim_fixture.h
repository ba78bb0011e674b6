#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/busy_window.h"
#include "device/clock.h"
#include "device/command_layer.h"
#include "device/device_link.h"
#include "sim/simulated_bus.h"
#include "sim/simulation.h"

namespace kvrm::test {

// A busy window that counts what was asked of it.
class CountingBusyWindow : public BusyWindow {
 public:
  void Show() override { ++shows; }
  void Hide() override { ++hides; }
  void ProcessEvents() override { ++event_passes; }
  int shows = 0;
  int hides = 0;
  int event_passes = 0;
};

// The simulated mouse on a virtual clock, found and opened.
class SimFixture : public ::testing::Test {
 protected:
  explicit SimFixture(uint8_t variant_code = kVariantCode4210C);
  void SetUp() override;

  // Log lines of the reports since the last ClearLog, as "> 40 ..." texts.
  std::vector<std::string> LogLines();
  // Only the reports of one kind ('>' sent, '<' fetched, '!' input).
  std::vector<std::vector<uint8_t>> Reports(char kind);

  VirtualClock clock;
  SimulatedHidBus bus{clock};
  SimulatedMouse* mouse = nullptr;
  DeviceLink link{bus};
  CountingBusyWindow busy;
  CommandLayer commands{link, clock, busy};
  uint8_t variant_code_;
};

}  // namespace kvrm::test
