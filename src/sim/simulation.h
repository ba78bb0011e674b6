#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "device/clock.h"
#include "sim/simulated_bus.h"

namespace kvrm {

// The command-line options that put the simulated mouse in place of the real
// HID bus: --simulate[=4210C|4230C], --sim-image FILE, --sim-log FILE.
struct SimulationOptions {
  bool enabled = false;
  std::string variant = "4210C";
  std::string image_path;
  std::string log_path;
};

enum class OptionParse { kNotMine, kTaken, kTakenWithNext, kError };

// Looks at argument arg (next is the one after it, or empty); on kError, error
// says why in one line.
OptionParse ParseSimulationOption(std::string_view arg, std::string_view next,
                                  SimulationOptions* options, std::string* error);

// The image a simulated mouse of that variant starts from: factory configuration 1.
ConfigImage SimulatorStartImage(std::string_view variant);

// A simulated bus with the mouse plugged in, its memory taken from --sim-image
// when that file exists; Finish writes the memory and the report log back.
class Simulation {
 public:
  Simulation(const SimulationOptions& options, Clock& clock);
  bool Start(std::string* error);
  bool Finish(std::string* error);
  SimulatedHidBus& bus() { return bus_; }

 private:
  SimulationOptions options_;
  SimulatedHidBus bus_;
};

}  // namespace kvrm
