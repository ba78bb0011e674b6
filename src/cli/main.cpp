// kvrmctl: the mouse's configuration from the command line.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "device/busy_window.h"
#include "device/clock.h"
#include "device/platform_hid.h"
#include "device/timer_scheduler.h"
#include "image/backup_store.h"
#include "image/device_session.h"
#include "common/data_folder.h"
#include "sim/simulation.h"
#include "texts/language_set.h"

namespace {

using kvrm::cli::Command;

// Shows the session's messages as the first language words them.
class CliObserver : public kvrm::SessionObserver {
 public:
  CliObserver(const kvrm::LanguageSet& texts, std::vector<std::string>& messages)
      : texts_(texts), messages_(messages) {}
  void ShowMessage(std::string_view key) override { messages_.push_back(texts_.LanguageText(key)); }
  void ShowNoDeviceMessage() override {
    const std::string second = texts_.LanguageText("Str101");
    messages_.push_back(texts_.LanguageText("Str100") + (second.empty() ? "" : ". " + second));
  }
  void ShowFixedMessage(const std::string& text) override { messages_.push_back(text); }

 private:
  const kvrm::LanguageSet& texts_;
  std::vector<std::string>& messages_;
};

std::vector<Command> CommandTable() {
  std::vector<Command> table;
  kvrm::cli::AddDeviceCommands(table);
  kvrm::cli::AddImageCommands(table);
  kvrm::cli::AddKeyCommands(table);
  kvrm::cli::AddSettingCommands(table);
  kvrm::cli::AddLightingCommands(table);
  kvrm::cli::AddMacroCommands(table);
  kvrm::cli::AddFireCommands(table);
  return table;
}

void PrintToolHelp(std::ostream& out, const std::vector<Command>& table) {
  out << "Usage: kvrmctl [--simulate[=4210C|4230C]] [--sim-image FILE] [--sim-log FILE]\n"
         "               [--json] COMMAND [ARGS]\n\n"
         "Configures the USB gaming mouse (vendor 7A5C, product 08B8).\n\n"
         "Options:\n"
         "  --simulate[=VARIANT]  talk to a simulated mouse (4210C by default)\n"
         "  --sim-image FILE      load the simulated memory from FILE, write it back at exit\n"
         "  --sim-log FILE        write every report of the simulated bus to FILE\n"
         "  --json                machine-readable output\n\n"
         "Commands:\n";
  for (const auto& c : table) {
    out << "  " << c.usage << std::string(c.usage.size() < 28 ? 28 - c.usage.size() : 1, ' ')
        << c.summary << "\n";
  }
  out << "\nkvrmctl COMMAND --help describes one command.\n"
         "Exit status: 0 done, 1 no mouse found, 2 usage error, 3 the operation failed.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Command> table = CommandTable();
  kvrm::SimulationOptions sim_options;
  bool json = false;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!rest.empty()) {
      rest.push_back(arg);
      continue;
    }
    std::string error;
    switch (kvrm::ParseSimulationOption(arg, i + 1 < argc ? argv[i + 1] : "", &sim_options,
                                        &error)) {
      case kvrm::OptionParse::kTaken:
        continue;
      case kvrm::OptionParse::kTakenWithNext:
        ++i;
        continue;
      case kvrm::OptionParse::kError:
        std::cerr << "kvrmctl: " << error << "\n";
        return kvrm::cli::kUsage;
      case kvrm::OptionParse::kNotMine:
        break;
    }
    if (arg == "--json") {
      json = true;
    } else if (arg == "--help" || arg == "-h") {
      PrintToolHelp(std::cout, table);
      return kvrm::cli::kOk;
    } else if (arg.starts_with("-")) {
      std::cerr << "kvrmctl: unknown option " << arg << " (see kvrmctl --help)\n";
      return kvrm::cli::kUsage;
    } else {
      rest.push_back(arg);
    }
  }
  if (rest.empty()) {
    std::cerr << "kvrmctl: no command given (see kvrmctl --help)\n";
    return kvrm::cli::kUsage;
  }
  const Command* command = nullptr;
  for (const auto& c : table) {
    if (c.name == rest[0]) command = &c;
  }
  if (!command) {
    std::cerr << "kvrmctl: unknown command \"" << rest[0] << "\" (see kvrmctl --help)\n";
    return kvrm::cli::kUsage;
  }
  const std::vector<std::string> args(rest.begin() + 1, rest.end());
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << "Usage: kvrmctl " << command->usage << "\n\n" << command->help << "\n";
      return kvrm::cli::kOk;
    }
  }

  kvrm::RealClock clock;
  kvrm::NullBusyWindow busy;
  std::unique_ptr<kvrm::HidBackend> platform;
  std::unique_ptr<kvrm::Simulation> simulation;
  kvrm::HidBackend* backend = nullptr;
  if (sim_options.enabled) {
    simulation = std::make_unique<kvrm::Simulation>(sim_options, clock);
    std::string error;
    if (!simulation->Start(&error)) {
      std::cerr << "kvrmctl: " << error << "\n";
      return kvrm::cli::kFailed;
    }
    backend = &simulation->bus();
  } else {
    platform = kvrm::MakePlatformHidBackend();
    backend = platform.get();
  }

  int code = kvrm::cli::kOk;
  {
    const kvrm::LanguageSet texts = kvrm::LanguageSet::FromResources();
    std::vector<std::string> messages;
    CliObserver observer(texts, messages);
    kvrm::ManualScheduler scheduler;
    kvrm::DeviceSession session(*backend, clock, busy, scheduler, observer);
    kvrm::BackupStore backups(kvrm::DataFolder("") / "backups");
    session.set_backup_store(&backups);
    kvrm::cli::Context ctx{*backend, session, json, std::cout, std::cerr, messages};
    code = command->run(ctx, args);
    kvrm::cli::ReportMessages(ctx);
  }
  if (simulation) {
    std::string error;
    if (!simulation->Finish(&error)) {
      std::cerr << "kvrmctl: " << error << "\n";
      if (code == kvrm::cli::kOk) code = kvrm::cli::kFailed;
    }
  }
  return code;
}
