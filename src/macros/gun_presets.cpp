#include "macros/gun_presets.h"

#include <algorithm>
#include <cctype>

#include "macros/macro_lines.h"

namespace kvrm {

const GunPreset& GunPresetFor(int gun) {
  return gun >= 1 && gun <= static_cast<int>(kGunPresets.size())
             ? kGunPresets[static_cast<size_t>(gun - 1)]
             : kGunPresets[0];
}

std::vector<int> GunRecords(int gun) {
  const GunPreset& preset = GunPresetFor(gun);
  std::vector<int> records;
  for (int s = 0; s < preset.record_count; ++s) records.push_back(preset.first_record + s);
  return records;
}

int GunSegments(int gun, int gun6_num, int gun7_num) {
  const GunPreset& preset = GunPresetFor(gun);
  const int configured = preset.gun == 6 ? gun6_num : preset.gun == 7 ? gun7_num : 1;
  return std::clamp(configured, 1, preset.record_count);
}

std::string GunKeyCode(int gun, bool keep_left_click, int segments, std::string_view gun_flag) {
  const GunPreset& preset = GunPresetFor(gun);
  const unsigned flags =
      (keep_left_click ? 0x10u : 0x00u) + static_cast<unsigned>(preset.first_record);
  std::string flag(gun_flag.size() == 2 ? gun_flag : "00");
  std::transform(flag.begin(), flag.end(), flag.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  return "0B" + HexField(flags, 2) +
         HexField(static_cast<unsigned>(std::clamp(segments, 1, 3)), 2) + flag;
}

}  // namespace kvrm
