#include "ui/app_options.h"

#include <charconv>

namespace kvrm::ui {
namespace {

std::optional<int> ParsePage(const std::string& text) {
  int page = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), page);
  if (ec != std::errc() || end != text.data() + text.size() || page < 1 || page > 8) {
    return std::nullopt;
  }
  return page;
}

}  // namespace

std::optional<AppOptions> ParseAppOptions(const std::vector<std::string>& args,
                                          std::string* error) {
  AppOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string next = i + 1 < args.size() ? args[i + 1] : std::string();
    switch (ParseSimulationOption(arg, next, &options.simulation, error)) {
      case OptionParse::kTaken:
        continue;
      case OptionParse::kTakenWithNext:
        ++i;
        continue;
      case OptionParse::kError:
        return std::nullopt;
      case OptionParse::kNotMine:
        break;
    }
    auto value = [&](const char* name) -> std::optional<std::string> {
      if (next.empty()) {
        *error = std::string(name) + " needs a value";
        return std::nullopt;
      }
      ++i;
      return next;
    };
    if (arg == "--no-device") {
      options.no_device = true;
    } else if (arg == "--engineer") {
      options.engineer = true;
    } else if (arg == "--screenshot") {
      const auto path = value("--screenshot");
      if (!path) return std::nullopt;
      options.screenshot_path = *path;
    } else if (arg == "--page") {
      const auto text = value("--page");
      if (!text) return std::nullopt;
      const auto page = ParsePage(*text);
      if (!page) {
        *error = "--page takes a page number 1..8, not \"" + *text + "\"";
        return std::nullopt;
      }
      options.screenshot_page = *page;
    } else if (arg == "--script") {
      const auto path = value("--script");
      if (!path) return std::nullopt;
      options.script_path = *path;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else {
      *error = "unknown option " + arg + " (see kvrm-config --help)";
      return std::nullopt;
    }
  }
  options.simulation.enabled =
      !options.no_device && (options.simulation.enabled || options.unattended());
  return options;
}

const char* AppUsage() {
  return "Usage: kvrm-config [--simulate[=4210C|4230C]] [--sim-image FILE] [--sim-log FILE]\n"
         "                   [--no-device] [--engineer]\n"
         "                   [--screenshot FILE [--page N]] [--script FILE]\n\n"
         "The configuration window of the USB gaming mouse (vendor 7A5C, product 08B8).\n\n"
         "Options:\n"
         "  --simulate[=VARIANT]  talk to a simulated mouse (4210C by default)\n"
         "  --sim-image FILE      load the simulated memory from FILE, write it back at exit\n"
         "  --sim-log FILE        write every report of the simulated bus to FILE\n"
         "  --no-device           a simulated bus with no mouse on it\n"
         "  --engineer            show the header button of the engineer page\n"
         "  --screenshot FILE     once the mouse has been read, show page N (1 by default),\n"
         "  --page N              write a PNG of the window to FILE and end\n"
         "  --script FILE         run the actions of FILE against the window, then end\n\n"
         "Script actions, one a line (# starts a remark):\n"
         "  click NAME | dblclick NAME | hover NAME | leave NAME | set NAME VALUE\n"
         "  key NAME TEXT | wait MS | dump NAME | screenshot FILE | quit\n\n"
         "Environment: KVRM_REPORT_STARTUP=1 prints when the first frame after the\n"
         "mouse's read was painted, and ends.\n";
}

}  // namespace kvrm::ui
