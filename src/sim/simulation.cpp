#include "sim/simulation.h"

#include <algorithm>
#include <filesystem>

#include "common/file_io.h"
#include "common/resources.h"

namespace kvrm {
namespace {

bool ValidVariant(std::string_view v) { return v == "4210C" || v == "4230C"; }

}  // namespace

OptionParse ParseSimulationOption(std::string_view arg, std::string_view next,
                                  SimulationOptions* options, std::string* error) {
  if (arg == "--simulate") {
    options->enabled = true;
    return OptionParse::kTaken;
  }
  if (arg.starts_with("--simulate=")) {
    const std::string_view variant = arg.substr(11);
    if (!ValidVariant(variant)) {
      *error = "--simulate takes 4210C or 4230C, not \"" + std::string(variant) + "\"";
      return OptionParse::kError;
    }
    options->enabled = true;
    options->variant = std::string(variant);
    return OptionParse::kTaken;
  }
  for (auto [name, target] : {std::pair{std::string_view("--sim-image"), &options->image_path},
                              std::pair{std::string_view("--sim-log"), &options->log_path}}) {
    if (arg == name) {
      if (next.empty()) {
        *error = std::string(name) + " needs a file name";
        return OptionParse::kError;
      }
      *target = std::string(next);
      return OptionParse::kTakenWithNext;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
      *target = std::string(arg.substr(name.size() + 1));
      return OptionParse::kTaken;
    }
  }
  return OptionParse::kNotMine;
}

ConfigImage SimulatorStartImage(std::string_view variant) {
  // A new mouse leaves the factory in configuration 1.
  const std::string name = "KVRM" + std::string(variant == "4230C" ? "4230C" : "4210C") + "Data_Cfg1";
  ConfigImage image{};
  const auto resource = FindResource(kRcData, name);
  std::copy_n(resource.begin(), std::min(resource.size(), kImageSize), image.begin());
  return image;
}

Simulation::Simulation(const SimulationOptions& options, Clock& clock)
    : options_(options), bus_(clock) {}

bool Simulation::Start(std::string* error) {
  ConfigImage image = SimulatorStartImage(options_.variant);
  if (!options_.image_path.empty() && std::filesystem::exists(options_.image_path)) {
    const auto bytes = ReadWholeFile(options_.image_path, error);
    if (!bytes) return false;
    if (bytes->size() != kImageSize) {
      *error = "\"" + options_.image_path + "\" is not a 2048-byte mouse memory image";
      return false;
    }
    std::copy(bytes->begin(), bytes->end(), image.begin());
  }
  bus_.AddMouse(options_.variant == "4230C" ? kVariantCode4230C : kVariantCode4210C, image);
  return true;
}

bool Simulation::Finish(std::string* error) {
  bool ok = true;
  if (!options_.image_path.empty() && bus_.mouse()) {
    ok = WriteFileAtomically(options_.image_path, bus_.mouse()->memory(), error) && ok;
  }
  if (!options_.log_path.empty()) {
    const std::string text = bus_.LogText();
    ok = WriteFileAtomically(options_.log_path,
                             {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, error) &&
         ok;
  }
  return ok;
}

}  // namespace kvrm
