#include "keys/combo_keys.h"

#include <algorithm>
#include <utility>

namespace kvrm {
namespace {

// The functions whose whole code the combo rules rewrite, by name key.
struct FlaggedFunction {
  std::string_view key;
  KeyCode base;
};

constexpr FlaggedFunction kFlaggedFunctions[kComboFunctionCount] = {
    {"Str212", {0x01, kButtonMiddle, 0x00, 0x00}},  {"Str213", {0x01, kButtonBackward, 0x00, 0x00}},
    {"Str214", {0x01, kButtonForward, 0x00, 0x00}}, {"Str221", {0x09, 0x00, 0x00, 0x00}},
    {"Str222", {0x09, 0x01, 0x00, 0x00}},           {"Str223", {0x09, 0x02, 0x00, 0x00}},
};

constexpr int Index(ComboFunction function) {
  return static_cast<int>(function);
}

constexpr KeyCode kLedModeCode{0x0E, 0x00, 0x00, 0x00};
constexpr std::string_view kLedModeKey = "Str261";
constexpr std::string_view kGameModeKey = "Str252";

bool UsesRightCombo(ModeSwitchChoice choice) {
  return choice == ModeSwitchChoice::kRightBackward || choice == ModeSwitchChoice::kRightForward;
}

// The flag the chosen gesture gives fire macro and gun preset keys.
uint8_t GestureFlag(ModeSwitchChoice choice) {
  if (choice == ModeSwitchChoice::kNone) return 0x00;
  return UsesRightCombo(choice) ? kComboWithRight : kComboLongPress;
}

// Rewrites every slot named after one of the selected functions to that
// function's code with its flag.
void RewriteFunctions(ProfileKeyCodes& profiles, const KeyNames& names, const ComboFlags& flags,
                      const std::array<bool, kComboFunctionCount>& selected) {
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      for (int f = 0; f < kComboFunctionCount; ++f) {
        if (!selected[f] || names.profiles[p][s].key != kFlaggedFunctions[f].key) continue;
        profiles[p][s] = kFlaggedFunctions[f].base;
        profiles[p][s].bytes[3] = flags[f];
      }
    }
  }
}

void RewriteGunFlags(ProfileKeyCodes& profiles, const KeyNames& names, uint8_t flag,
                     GunSwitchScope scope) {
  for (int p = 0; p < kProfileCount; ++p) {
    if (scope == GunSwitchScope::kProfile2 && p != 1) continue;
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      if (names.profiles[p][s].fire_macro_or_gun) profiles[p][s].bytes[3] = flag;
    }
  }
}

std::string_view RequiredKey(int item) {
  static constexpr std::string_view kKeys[8] = {"Str213", "Str212", "Str221", "Str222",
                                                "Str223", "Str213", "Str214", ""};
  return kKeys[item - 1];
}

// Applies settings.mode_switch with switch_code as the game-mode switch code.
ComboState ApplyChoice(ComboState state, const KeyNames& names, KeyCode switch_code) {
  const ModeSwitchChoice choice = state.settings.mode_switch;
  if (UsesRightCombo(choice)) state.settings.led_mode_combo = false;
  KeyCode right_combo{};
  KeyCode long_press_combo{};
  ComboFlags flags{};
  switch (choice) {
    case ModeSwitchChoice::kNone:
      break;
    case ModeSwitchChoice::kLongPressMiddle:
      flags[Index(ComboFunction::kMiddle)] = kComboLongPress;
      long_press_combo = switch_code;
      break;
    case ModeSwitchChoice::kLongPressDpiLoop:
      flags[Index(ComboFunction::kDpiLoop)] = kComboLongPress;
      long_press_combo = switch_code;
      break;
    case ModeSwitchChoice::kLongPressDpiUp:
      flags[Index(ComboFunction::kDpiUp)] = kComboLongPress;
      long_press_combo = switch_code;
      break;
    case ModeSwitchChoice::kLongPressDpiDown:
      flags[Index(ComboFunction::kDpiDown)] = kComboLongPress;
      long_press_combo = switch_code;
      break;
    case ModeSwitchChoice::kRightBackward:
      flags[Index(ComboFunction::kBackward)] = kComboWithRight;
      right_combo = switch_code;
      break;
    case ModeSwitchChoice::kRightForward:
      flags[Index(ComboFunction::kForward)] = kComboWithRight;
      right_combo = switch_code;
      break;
  }
  if (state.settings.led_mode_combo) {
    // Developer's decision: a long-press choice leaves the LED-mode combo in
    // place (Combo Key 2 and the backward flag), as the factory images hold both
    // at once and item 1 stays shown as on.
    right_combo = kLedModeCode;
    flags[Index(ComboFunction::kBackward)] = kComboWithRight;
  }
  state.combo_keys[kRightComboKey] = right_combo;
  state.combo_keys[kLongPressComboKey] = long_press_combo;
  std::array<bool, kComboFunctionCount> all{};
  all.fill(true);
  RewriteFunctions(state.profiles, names, flags, all);
  const uint8_t gun_flag = state.settings.gun_key_switch ? GestureFlag(choice) : 0x00;
  RewriteGunFlags(state.profiles, names, gun_flag, GunSwitchScope::kAllProfiles);
  state.selectors.functions = flags;
  state.selectors.gun_selector = gun_flag;
  state.selectors.gun_flag = gun_flag;
  return state;
}

}  // namespace

KeyCode GameModeSwitchCode(int offset) {
  const int value = std::clamp(offset, 0, 0xFFF);
  return {0x07, 0xD1, static_cast<uint8_t>(0xF0 | (value >> 8)),
          static_cast<uint8_t>(value & 0xFF)};
}

bool ComboItemOn(int item, const ComboSettings& settings) {
  if (item == 1) return settings.led_mode_combo;
  if (item == 8) return settings.gun_key_switch;
  return static_cast<int>(settings.mode_switch) == item - 1;
}

std::optional<ComboState> ClickComboItem(int item, int edited_profile, const ComboState& state,
                                         const KeyNames& names, int game_mode_offset) {
  if (item < 1 || item > 8) return std::nullopt;
  ComboState next = state;
  if (item == 8) {
    if (edited_profile != 1 || !names.ProfileHasFireMacro(1)) return std::nullopt;
    next.settings.gun_key_switch = !next.settings.gun_key_switch;
    return ApplyGunKeySwitch(next, names, GunSwitchScope::kProfile2);
  }
  if (!names.ProfileHasKey(edited_profile, RequiredKey(item))) return std::nullopt;
  if (item == 1) {
    next.settings.led_mode_combo = !next.settings.led_mode_combo;
    return ApplyLedModeCombo(next, names);
  }
  const auto choice = static_cast<ModeSwitchChoice>(item - 1);
  next.settings.mode_switch =
      next.settings.mode_switch == choice ? ModeSwitchChoice::kNone : choice;
  return ApplyModeSwitchChoice(next, names, game_mode_offset);
}

ComboState ApplyLedModeCombo(ComboState state, const KeyNames& names) {
  const bool on = state.settings.led_mode_combo;
  if (!on && UsesRightCombo(state.settings.mode_switch)) {
    // Combo Key 2 and the backward flags belong to the mode switch now.
    return state;
  }
  if (on && UsesRightCombo(state.settings.mode_switch)) {
    // Developer's decision: the displaced Right + Backward / Right + Forward
    // choice is undone as if "none" had been chosen, so no forward or gun key
    // is left pressing Combo Key 2, which now switches the lighting mode.
    state.settings.mode_switch = ModeSwitchChoice::kNone;
    state = ApplyChoice(state, names, KeyCode{});
  }
  const uint8_t flag = on ? kComboWithRight : 0x00;
  state.combo_keys[kRightComboKey] = on ? kLedModeCode : KeyCode{};
  ComboFlags flags{};
  flags[Index(ComboFunction::kBackward)] = flag;
  std::array<bool, kComboFunctionCount> selected{};
  selected[Index(ComboFunction::kBackward)] = true;
  RewriteFunctions(state.profiles, names, flags, selected);
  // Developer's decision: the selectors follow the items, so a function assigned
  // from the menu afterwards gets the same flag as the slots already holding it.
  state.selectors.functions[Index(ComboFunction::kBackward)] = flag;
  return state;
}

ComboState ApplyModeSwitchChoice(ComboState state, const KeyNames& names, int game_mode_offset) {
  return ApplyChoice(std::move(state), names, GameModeSwitchCode(game_mode_offset));
}

ComboState ApplyGunKeySwitch(ComboState state, const KeyNames& names, GunSwitchScope scope) {
  const uint8_t gun_flag =
      state.settings.gun_key_switch ? GestureFlag(state.settings.mode_switch) : 0x00;
  RewriteGunFlags(state.profiles, names, gun_flag, scope);
  state.selectors.gun_selector = gun_flag;
  state.selectors.gun_flag = gun_flag;
  return state;
}

bool TLRefreshLEDModeFun(const ProfileKeyCodes& profiles, const KeyNames& names) {
  if (names.combo_keys[kRightComboKey].key != kLedModeKey) return false;
  const std::string_view backward = kFlaggedFunctions[Index(ComboFunction::kBackward)].key;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      if (names.profiles[p][s].key == backward && profiles[p][s].b3() == kComboWithRight) {
        return true;
      }
    }
  }
  return false;
}

ComboSettings TLRefreshFireFun(const ComboSettings& previous, const ProfileKeyCodes& profiles,
                               const KeyNames& names) {
  struct ChoiceTest {
    ComboFunction function;
    uint8_t flag;
    int combo_key;
    ModeSwitchChoice choice;
  };
  static constexpr ChoiceTest kTests[] = {
      {ComboFunction::kMiddle, kComboLongPress, kLongPressComboKey,
       ModeSwitchChoice::kLongPressMiddle},
      {ComboFunction::kBackward, kComboWithRight, kRightComboKey, ModeSwitchChoice::kRightBackward},
      {ComboFunction::kForward, kComboWithRight, kRightComboKey, ModeSwitchChoice::kRightForward},
      {ComboFunction::kDpiLoop, kComboLongPress, kLongPressComboKey,
       ModeSwitchChoice::kLongPressDpiLoop},
      {ComboFunction::kDpiUp, kComboLongPress, kLongPressComboKey,
       ModeSwitchChoice::kLongPressDpiUp},
      {ComboFunction::kDpiDown, kComboLongPress, kLongPressComboKey,
       ModeSwitchChoice::kLongPressDpiDown},
  };
  auto switches_mode = [&names](int combo_key) {
    return names.combo_keys[combo_key].key == kGameModeKey;
  };
  ComboSettings settings = previous;
  settings.mode_switch = ModeSwitchChoice::kNone;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      const KeyName& name = names.profiles[p][s];
      const uint8_t flag = profiles[p][s].b3();
      for (const ChoiceTest& test : kTests) {
        if (name.key == kFlaggedFunctions[Index(test.function)].key && flag == test.flag &&
            switches_mode(test.combo_key)) {
          settings.mode_switch = test.choice;
        }
      }
      if (!name.fire_macro_or_gun) continue;
      if (flag == 0x00) {
        settings.gun_key_switch = false;
      } else if (switches_mode(kRightComboKey) || switches_mode(kLongPressComboKey)) {
        settings.gun_key_switch = true;
      } else if (p == 0) {
        settings.gun_key_switch = false;
      }
    }
  }
  return settings;
}

ComboFlagSelectors RefreshFireFun(const ComboFlagSelectors& previous,
                                  const ProfileKeyCodes& profiles, const KeyNames& names) {
  static constexpr uint8_t kReadBackFlag[kComboFunctionCount] = {kComboLongPress, kComboWithRight,
                                                                 kComboWithRight, kComboLongPress,
                                                                 kComboLongPress, kComboLongPress};
  ComboFlagSelectors selectors = previous;
  selectors.gun_flag = 0x00;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      const KeyName& name = names.profiles[p][s];
      const uint8_t flag = profiles[p][s].b3();
      for (int f = 0; f < kComboFunctionCount; ++f) {
        if (name.key == kFlaggedFunctions[f].key && flag == kReadBackFlag[f]) {
          selectors.functions[f] = flag;
        }
      }
      if (name.fire_macro_or_gun) selectors.gun_flag = flag;
    }
  }
  return selectors;
}

}  // namespace kvrm
