#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "device/command_layer.h"
#include "device/device_link.h"
#include "device/hid_backend.h"

namespace kvrm::cli {

enum ExitCode { kOk = 0, kNoMouse = 1, kUsage = 2, kFailed = 3 };

// What every command works with: the HID bus (real or simulated) and the link
// and command layer over it.
struct Context {
  HidBackend& backend;
  DeviceLink& link;
  CommandLayer& commands;
  bool json = false;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  std::string name;
  std::string usage;    // "read FILE"
  std::string summary;  // one line for the tool's help
  std::string help;     // the command's own --help text
  std::function<int(Context&, const std::vector<std::string>& args)> run;
};

// Each group of commands adds itself to the table.
void AddDeviceCommands(std::vector<Command>& table);

// Prints "kvrmctl: MESSAGE" on stderr and returns code.
int Fail(Context& ctx, int code, const std::string& message);

// Finds the mouse among the accepted ids; false (with the message) when absent.
bool OpenMouse(Context& ctx);

}  // namespace kvrm::cli
