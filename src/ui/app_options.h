#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace kvrm::ui {

// The command line of kvrm-config.
struct AppOptions {
  SimulationOptions simulation;
  // A simulated bus without the mouse.
  bool no_device = false;
  bool engineer = false;
  std::string screenshot_path;
  int screenshot_page = 1;
  std::string script_path;
  bool help = false;

  // Runs that must end by themselves: their messages are printed, not shown.
  bool unattended() const { return !screenshot_path.empty() || !script_path.empty(); }
  bool simulated() const { return simulation.enabled || no_device; }
};

// Parses the arguments after the program name; nullopt with a one-line error.
// --screenshot and --script always run against the simulated mouse (of the
// variant --simulate names), or with --no-device against a bus without it.
std::optional<AppOptions> ParseAppOptions(const std::vector<std::string>& args, std::string* error);

const char* AppUsage();

}  // namespace kvrm::ui
