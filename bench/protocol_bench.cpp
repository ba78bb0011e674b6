// Whole-image read and write against the simulated mouse on the real clock.
// The read's floor is the protocol's own wait: 293 replies x 500 us = 146.5 ms;
// "ratio" is wall time over that floor. The write has no waits at all.
#include <benchmark/benchmark.h>

#include <chrono>

#include "device/busy_window.h"
#include "device/clock.h"
#include "device/command_layer.h"
#include "device/device_link.h"
#include "sim/simulated_bus.h"
#include "sim/simulation.h"

namespace {

constexpr double kReadFloorSeconds = 293 * 500e-6;

struct Rig {
  kvrm::RealClock clock;
  kvrm::SimulatedHidBus bus{clock};
  kvrm::DeviceLink link{bus};
  kvrm::NullBusyWindow busy;
  kvrm::CommandLayer commands{link, clock, busy};
  Rig() {
    bus.AddMouse(kvrm::kVariantCode4210C, kvrm::SimulatorStartImage("4210C"));
    link.SearchAcceptedIds();
  }
};

void BM_WholeImageRead(benchmark::State& state) {
  Rig rig;
  kvrm::ConfigImage image{};
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    rig.commands.ReadBlock(0, kvrm::kImageSize, image);
    benchmark::DoNotOptimize(image);
    rig.bus.ClearLog();
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  state.counters["ratio"] = wall.count() / (kReadFloorSeconds * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WholeImageRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_WholeImageWrite(benchmark::State& state) {
  Rig rig;
  const kvrm::ConfigImage image = kvrm::SimulatorStartImage("4210C");
  for (auto _ : state) {
    rig.commands.WriteBlock(0, image);
    rig.bus.ClearLog();
  }
}
BENCHMARK(BM_WholeImageWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
