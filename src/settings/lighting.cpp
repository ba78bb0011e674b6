#include "settings/lighting.h"

#include <algorithm>
#include <span>

#include "settings/dpi.h"

namespace kvrm {
namespace {

constexpr int kMcuLedSectionInBlock = layout::kMcuLedOffset - layout::kPatchHeaderOffset;

LedType TypeOf(uint8_t user_byte1) {
  return user::DecodeLedByte(user_byte1).type;
}

}  // namespace

bool LedOptionOffered(LedType type, int option) {
  if (option < 1 || option > kLedOptionCount) return false;
  switch (type) {
    case LedType::kSync:
      return option <= 3;
    case LedType::kNt:
      return option != 4 && option <= 6;
    case LedType::kMcuLed:
      return true;
    case LedType::kRgb:
    case LedType::kOther:
      return option <= 6;
  }
  return false;
}

int LedOptionOf(uint8_t user_byte1) {
  const int mode = user_byte1 & 0x0F;
  return TypeOf(user_byte1) == LedType::kMcuLed ? mode : mode + 1;
}

std::optional<uint8_t> LedModeByte(uint8_t user_byte1, int option) {
  const LedType type = TypeOf(user_byte1);
  if (!LedOptionOffered(type, option)) return std::nullopt;
  const int code = type == LedType::kMcuLed ? option : option - 1;
  return static_cast<uint8_t>((user_byte1 & 0xF0) | code);
}

bool LedSpeedEnabledForOption(int option) {
  return option >= 1 && option <= 5;
}

bool LedSpeedEnabledAfterRead(uint8_t user_byte1) {
  return TypeOf(user_byte1) != LedType::kNt || (user_byte1 & 0x0F) != 0;
}

uint8_t LedSpeedValue(int step) {
  return static_cast<uint8_t>(55 - 5 * std::clamp(step, 1, kLedSpeedSteps));
}

int LedSpeedStep(uint8_t value) {
  if (value <= 5) return kLedSpeedSteps;
  return std::max(1, kLedSpeedSteps - (value - 1) / 5);
}

ByteWrite LedSpeedWrite(int step) {
  return {vendor::kStepDelayOffset, {LedSpeedValue(step)}};
}

int LedSpeedStepForSlider(int position, int width) {
  return SnapSliderIndex(position, width, kLedSpeedSteps - 1) + 1;
}

ByteWrite BaseColourWrite(int colour, const vendor::Rgb& rgb) {
  return {vendor::BaseColourOffset(colour), {rgb.red, rgb.green, rgb.blue}};
}

int McuLedStepOf(uint8_t byte0) {
  return byte0 > 7 ? 7 : 7 - byte0;
}

bool McuLedFullBrightnessOf(uint8_t byte1) {
  return (byte1 & 0x80) != 0;
}

int McuLedStepForSlider(int position, int width) {
  return SnapSliderIndex(position, width, kMcuLedSteps - 1);
}

std::optional<PatchHeaderAndMcuLed> ApplyMcuLed(LedType type, const PatchHeaderAndMcuLed& block,
                                                const McuLedSettings& settings) {
  if (type != LedType::kMcuLed) return std::nullopt;
  const int step = std::clamp(settings.step, 0, kMcuLedSteps - 1);
  const int count = std::clamp(settings.led_count, kMinMcuLedCount, kMaxMcuLedCount);
  PatchHeaderAndMcuLed result = block;
  const std::span<uint8_t> section = std::span(result).subspan(kMcuLedSectionInBlock);
  section[0] = static_cast<uint8_t>(7 - step);
  section[1] = static_cast<uint8_t>((settings.full_brightness ? 0x80 : 0x00) + (13 - count));
  StoreSectionChecksum(section);
  return result;
}

}  // namespace kvrm
