#pragma once

#include <array>
#include <string>
#include <string_view>

#include "image/section_copies.h"
#include "keys/key_code.h"
#include "keys/key_names.h"

namespace kvrm {

inline constexpr int kMinFireRepeat = 2;
inline constexpr int kMaxFireRepeat = 15;
inline constexpr int kMinFireInterval = 1;
inline constexpr int kMaxFireInterval = 4094;

using FireKeySettings = std::array<FireKeySetting, kFireKeyCount>;

// Repeat count and interval of the three fire keys as the fire key block holds
// them (repeat - 1 at byte 2 + 3k, interval high and low byte after it). The
// block has no continuous flags; they come from the codes (RefreshFireKey).
FireKeySettings FireKeySettingsFromBlock(const FireKeyBlock& block);

// What an edit shows after a change and the value the settings take from it.
struct FireKeyEdit {
  std::string text;
  int value = 0;
};

// Only digits and backspace reach the repeat and interval edits.
bool FireKeyEditAccepts(char c);

// Empty gives 2, above 15 gives 15, 0 gives 2. A 1 stays in the edit, as the
// user may be typing 10..15, but the value taken is 2, so the mouse never gets a
// repeat count below the 2 that the caption promises. Text that is not a number
// keeps the previous value.
FireKeyEdit RepeatEditChanged(std::string_view text, int previous);
// Leaving the edit turns a remaining 1 into 2.
FireKeyEdit RepeatEditLeft(std::string_view text, int previous);
// Empty or 0 gives 1, above 4094 gives 4094; text that is not a number keeps
// the previous value.
FireKeyEdit IntervalEditChanged(std::string_view text, int previous);

struct FireKeyUpdate {
  FireKeySettings fire_keys;  // the new remembered settings
  FireKeyBlock block;
  ProfileKeyCodes profiles;
};

// Applies the edited settings to the block and to every slot named Fire Key k.
// names must come from the codes with the remembered settings before the edit,
// so that the slots are still recognised; a continuous bit that naming copied
// (names.fire_key_continuous) replaces the edit's. The caller then writes the
// profile sections and the fire key block.
FireKeyUpdate SettingFireKey(const FireKeySettings& edits, const KeyNames& names,
                             const ProfileKeyCodes& profiles, const FireKeyBlock& block);

// The settings shown for the active profile (0..2): each slot named Fire Key k
// sets that key's continuous flag, repeat and interval from its code; the last
// such slot wins. An active profile outside 0..2 changes nothing.
FireKeySettings RefreshFireKey(const FireKeySettings& shown, int active_profile,
                               const KeyNames& names, const ProfileKeyCodes& profiles);

}  // namespace kvrm
