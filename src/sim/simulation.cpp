#include "sim/simulation.h"

#include <filesystem>

#include "common/file_io.h"

namespace kvrm {
namespace {

bool ValidVariant(std::string_view v) { return v == "4210C" || v == "4230C"; }

void StoreChecksum(ConfigImage& image, int begin, int checksum) {
  uint8_t sum = 0;
  for (int a = begin; a < checksum; ++a) sum += image[static_cast<size_t>(a)];
  image[static_cast<size_t>(checksum)] = sum ^ 0x5A;
}

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

ConfigImage SimulatorStartImage(std::string_view) {
  ConfigImage image{};
  image[0] = 0x7A;
  image[1] = 0x5C;
  image[2] = 0x08;
  image[3] = 0xB8;
  StoreChecksum(image, 0, 163);
  StoreChecksum(image, 164, 191);
  StoreChecksum(image, 192, 240);
  StoreChecksum(image, 241, 289);
  StoreChecksum(image, 290, 338);
  image[495] = 0xE0;
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
