#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "keys/key_code.h"
#include "keys/key_names.h"

namespace kvrm {

// Combo flag values (b3) the key assignment page uses, and the combo key each
// one performs.
inline constexpr uint8_t kComboWithRight = 0x02;  // pressed with the right button: Combo Key 2
inline constexpr uint8_t kComboLongPress = 0x08;  // held for the long-press time: Combo Key 4
inline constexpr int kRightComboKey = 1;          // index of Combo Key 2
inline constexpr int kLongPressComboKey = 3;      // index of Combo Key 4
inline constexpr int kDefaultGameModeOffset = 0x18;

enum class ModeSwitchChoice {
  kNone = 0,
  kLongPressMiddle = 1,
  kLongPressDpiLoop = 2,
  kLongPressDpiUp = 3,
  kLongPressDpiDown = 4,
  kRightBackward = 5,
  kRightForward = 6,
};

// The three combo settings; the mouse holds only the codes and the combo
// table, from which they are derived after every load.
struct ComboSettings {
  bool led_mode_combo = false;  // Right + Backward switches the lighting mode
  ModeSwitchChoice mode_switch = ModeSwitchChoice::kNone;
  bool gun_key_switch = false;  // fire macro and gun keys carry the mode-switch gesture too
};

// The engineer page's per-function flag selectors, its gun selector, and the
// gun flag that new gun preset codes get.
struct ComboFlagSelectors {
  ComboFlags functions{};
  uint8_t gun_selector = 0;
  uint8_t gun_flag = 0;
};

// What the combo rules read and rewrite.
struct ComboState {
  ComboSettings settings;
  ProfileKeyCodes profiles{};
  ComboKeyCodes combo_keys{};
  ComboFlagSelectors selectors;
};

// 07 D1 F0 offset: switch to Profile 2 (Game Mode) with return to zero and the
// specified colour. An offset above FF keeps its bits 11..8 in b2, where every
// profile-switch code carries them, instead of being cut to two digits.
KeyCode GameModeSwitchCode(int offset);

// Whether check item 1..8 of the key assignment page shows "CbS_E".
bool ComboItemOn(int item, const ComboSettings& settings);

// A click on check item 1..8 while profile (0..2) is being edited: nullopt when
// the profile has no slot the item needs (nothing changes, nothing is written);
// otherwise the new state, which the caller stores and writes: Vendor section,
// then profile sections. names are those of state's codes.
std::optional<ComboState> ClickComboItem(int item, int edited_profile, const ComboState& state,
                                         const KeyNames& names, int game_mode_offset);

// Applies settings.led_mode_combo to the codes (the engineer selector's change).
ComboState ApplyLedModeCombo(ComboState state, const KeyNames& names);
// Applies settings.mode_switch to the codes (the engineer selector's change).
ComboState ApplyModeSwitchChoice(ComboState state, const KeyNames& names, int game_mode_offset);

enum class GunSwitchScope { kAllProfiles, kProfile2 };
// Applies settings.gun_key_switch to the fire macro and gun preset slots.
ComboState ApplyGunKeySwitch(ComboState state, const KeyNames& names, GunSwitchScope scope);

// Reading the settings back from loaded codes, in this order.
bool TLRefreshLEDModeFun(const ProfileKeyCodes& profiles, const KeyNames& names);
// Derives the mode-switch choice and the gun key switch; the LED-mode combo is
// taken from previous, and so is the gun key switch where no slot decides it.
ComboSettings TLRefreshFireFun(const ComboSettings& previous, const ProfileKeyCodes& profiles,
                               const KeyNames& names);
// Derives the per-function selectors (a selector without a matching slot keeps
// its value) and the gun flag (00 without a fire macro or gun slot).
ComboFlagSelectors RefreshFireFun(const ComboFlagSelectors& previous,
                                  const ProfileKeyCodes& profiles, const KeyNames& names);

}  // namespace kvrm
