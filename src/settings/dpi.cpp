#include "settings/dpi.h"

#include <algorithm>

namespace kvrm {
namespace {

constexpr std::string_view kAimKeyName = "Str260";

uint8_t LowByte(int value) {
  return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

int GetSliderRulerByX(int position, int steps, int start, int step) {
  if (position <= start) return 0;
  for (int i = 0; i < steps; ++i) {
    if (start + step * i < position && position <= start + step * (i + 1)) return i * 100;
  }
  return steps * 100;
}

int SnapSliderIndex(int position, int length, int steps) {
  if (steps <= 0) return 0;
  const int step = length / steps;
  return GetSliderRulerByX(position, steps, -(step / 2), step) / 100;
}

std::vector<bool> StepImagesLit(int count, int lit_image, bool bar_mode) {
  std::vector<bool> lit(count);
  for (int image = 1; image <= count; ++image) {
    lit[image - 1] = bar_mode ? image == lit_image : image <= lit_image;
  }
  return lit;
}

std::string GetDisplayByIndex(int n, const LanguageTable& texts) {
  if (n < 1 || n > kDpiValueCount) return {};
  return texts.Text("Str" + std::to_string(299 + n));
}

ByteWrite DpiLevelCountWrite(int count) {
  return {vendor::kDpiCountOffset, {LowByte(std::clamp(count, 1, vendor::kDpiLevelCount) - 1)}};
}

ByteWrite ActiveDpiLevelWrite(int level_index) {
  return {kActiveDpiLevelOffset, {LowByte(level_index)}};
}

ByteWrite DpiLevelColourWrite(int level, const vendor::Rgb& colour) {
  return {vendor::DpiColourOffset(level), {colour.red, colour.green, colour.blue}};
}

std::vector<ByteWrite> DpiLevelValueWrites(const VendorSection& vendor, int level,
                                           int active_level) {
  level = std::clamp(level, 1, vendor::kDpiLevelCount);
  const int offset = vendor::kDpiValuesOffset + (level - 1) / 2;
  const int nudge = active_level > 0 ? active_level - 1 : active_level + 1;
  return {
      {offset, {vendor[offset]}}, ActiveDpiLevelWrite(nudge), ActiveDpiLevelWrite(active_level)};
}

AimKeyUpdate SettingAIMKey(int level_index, const KeyNames& names,
                           const ProfileKeyCodes& profiles) {
  AimKeyUpdate update{profiles, false};
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      if (names.profiles[p][s].key != kAimKeyName) continue;
      update.profiles[p][s] = {static_cast<uint8_t>(KeyCategory::kAim), LowByte(level_index), 0x00,
                               0x00};
      update.found = true;
    }
  }
  return update;
}

AimDisplay RefreshAIMKey(int active_profile, const KeyNames& names,
                         const ProfileKeyCodes& profiles) {
  AimDisplay display;
  if (active_profile < 0 || active_profile >= kProfileCount) return display;
  for (int s = 0; s < kSlotsPerProfile; ++s) {
    if (names.profiles[active_profile][s].key != kAimKeyName) continue;
    display.has_aim_key = true;
    display.level_index = profiles[active_profile][s].b1();
  }
  return display;
}

int ReportRateOption(const VendorSection& vendor) {
  return vendor::Option(vendor, vendor::kReportRate) + 1;
}

int ReportRateHz(const VendorSection& vendor) {
  return kReportRatesHz[ReportRateOption(vendor) - 1];
}

ReportRateChange ChooseReportRate(const VendorSection& vendor, int option, int remembered_hz) {
  option = std::clamp(option, 1, 4);
  ReportRateChange change{vendor, {}, false};
  vendor::SetOption(change.vendor, vendor::kReportRate, option - 1);
  change.write = {vendor::kReportRate.offset, {change.vendor[vendor::kReportRate.offset]}};
  change.restart = kReportRatesHz[option - 1] != remembered_hz;
  return change;
}

}  // namespace kvrm
