#include "settings/fire_keys.h"

#include <algorithm>
#include <optional>

namespace kvrm {
namespace {

constexpr std::string_view kFireKeyNameKeys[kFireKeyCount] = {"Str231", "Str232", "Str233"};

// A run of digits as a number, saturating far above any limit; nullopt for
// anything else, which the edit filter keeps out but a paste can bring in.
std::optional<long> ParseDigits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), 1'000'000L);
  }
  return value;
}

FireKeyEdit Edit(int value) {
  return {std::to_string(value), value};
}

}  // namespace

FireKeySettings FireKeySettingsFromBlock(const FireKeyBlock& block) {
  FireKeySettings settings{};
  for (int k = 0; k < kFireKeyCount; ++k) {
    settings[k].repeat = block[2 + 3 * k] + 1;
    settings[k].interval = block[3 + 3 * k] * 256 + block[4 + 3 * k];
  }
  return settings;
}

bool FireKeyEditAccepts(char c) {
  return (c >= '0' && c <= '9') || c == '\b';
}

FireKeyEdit RepeatEditChanged(std::string_view text, int previous) {
  if (text.empty()) return Edit(kMinFireRepeat);
  const std::optional<long> value = ParseDigits(text);
  if (!value) return Edit(previous);
  if (*value > kMaxFireRepeat) return Edit(kMaxFireRepeat);
  if (*value == 1) return {std::string(text), kMinFireRepeat};
  if (*value < kMinFireRepeat) return Edit(kMinFireRepeat);
  return {std::string(text), static_cast<int>(*value)};
}

FireKeyEdit RepeatEditLeft(std::string_view text, int previous) {
  FireKeyEdit edit = RepeatEditChanged(text, previous);
  edit.text = std::to_string(edit.value);
  return edit;
}

FireKeyEdit IntervalEditChanged(std::string_view text, int previous) {
  if (text.empty()) return Edit(kMinFireInterval);
  const std::optional<long> value = ParseDigits(text);
  if (!value) return Edit(previous);
  if (*value < kMinFireInterval) return Edit(kMinFireInterval);
  if (*value > kMaxFireInterval) return Edit(kMaxFireInterval);
  return {std::string(text), static_cast<int>(*value)};
}

FireKeyUpdate SettingFireKey(const FireKeySettings& edits, const KeyNames& names,
                             const ProfileKeyCodes& profiles, const FireKeyBlock& block) {
  FireKeyUpdate update{edits, block, profiles};
  for (int k = 0; k < kFireKeyCount; ++k) {
    FireKeySetting& setting = update.fire_keys[k];
    // Values read from a block the tool did not write may lie outside the
    // edits' ranges; they are never written back as they are.
    setting.repeat = std::clamp(setting.repeat, kMinFireRepeat, kMaxFireRepeat);
    setting.interval = std::clamp(setting.interval, kMinFireInterval, kMaxFireInterval);
    if (names.fire_key_continuous[k]) setting.continuous = *names.fire_key_continuous[k];
    update.block[2 + 3 * k] = static_cast<uint8_t>(setting.repeat - 1);
    update.block[3 + 3 * k] = static_cast<uint8_t>(setting.interval >> 8);
    update.block[4 + 3 * k] = static_cast<uint8_t>(setting.interval & 0xFF);
    const KeyCode code = RapidFireCode(setting);
    for (int p = 0; p < kProfileCount; ++p) {
      for (int s = 0; s < kSlotsPerProfile; ++s) {
        if (names.profiles[p][s].key == kFireKeyNameKeys[k]) update.profiles[p][s] = code;
      }
    }
  }
  return update;
}

FireKeySettings RefreshFireKey(const FireKeySettings& shown, int active_profile,
                               const KeyNames& names, const ProfileKeyCodes& profiles) {
  FireKeySettings settings = shown;
  if (active_profile < 0 || active_profile >= kProfileCount) return settings;
  for (int s = 0; s < kSlotsPerProfile; ++s) {
    const auto key = std::ranges::find(kFireKeyNameKeys, names.profiles[active_profile][s].key);
    if (key == std::end(kFireKeyNameKeys)) continue;
    const KeyCode code = profiles[active_profile][s];
    FireKeySetting& setting = settings[key - std::begin(kFireKeyNameKeys)];
    setting.continuous = (code.b1() & 0x80) != 0;
    setting.repeat = (code.b1() % 16) + 1;
    setting.interval = code.b2() * 256 + code.b3();
  }
  return settings;
}

}  // namespace kvrm
