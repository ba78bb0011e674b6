#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "device/command_layer.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "image/device_session.h"

namespace kvrm::cli {

enum ExitCode { kOk = 0, kNoMouse = 1, kUsage = 2, kFailed = 3 };

// What every command works with: the HID bus (real or simulated) and the
// device session over it.
struct Context {
  HidBackend& backend;
  DeviceSession& session;
  bool json = false;
  std::ostream& out;
  std::ostream& err;
  // Messages the session showed while the command ran, in the user's words.
  std::vector<std::string>& messages;

  DeviceLink& link() { return session.link(); }
  CommandLayer& commands() { return session.commands(); }
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

// Finds, identifies and reads the mouse as the window does when it arrives;
// false (with the message) when no usable mouse is there.
bool ReadMouse(Context& ctx);

// Prints the messages the session showed on stderr and forgets them; true if
// there were any.
bool ReportMessages(Context& ctx);

void AddImageCommands(std::vector<Command>& table);
void AddKeyCommands(std::vector<Command>& table);
void AddSettingCommands(std::vector<Command>& table);
void AddLightingCommands(std::vector<Command>& table);
void AddMacroCommands(std::vector<Command>& table);
void AddFireCommands(std::vector<Command>& table);

}  // namespace kvrm::cli
