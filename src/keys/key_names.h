#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "image/profile_codes.h"
#include "image/section_copies.h"
#include "image/vendor_fields.h"
#include "keys/key_code.h"
#include "texts/language_table.h"

namespace kvrm {

// Slot codes [profile 0..2][slot 0..11] and the combo table [Combo Key 1..9 at 0..8].
using ProfileKeyCodes = std::array<std::array<KeyCode, kSlotsPerProfile>, kProfileCount>;
using ComboKeyCodes = std::array<KeyCode, vendor::kComboKeyCount>;

ProfileKeyCodes ProfileKeyCodesOf(const SectionCopies& copies);
ComboKeyCodes ComboKeyCodesOf(const SectionCopies& copies);
// Stores every slot and combo code into the section bytes and the code texts.
void StoreKeyCodes(const ProfileKeyCodes& profiles, const ComboKeyCodes& combo_keys,
                   SectionCopies& copies, CodeTexts& texts);

// The display names of the 36 slots and the 9 combo keys, with the side effects
// of naming them in order (slots of Profile 1, 2, 3, then Combo Keys 1..9),
// where the last naming of each kind wins.
struct KeyNames {
  std::array<std::array<KeyName, kSlotsPerProfile>, kProfileCount> profiles;
  std::array<KeyName, vendor::kComboKeyCount> combo_keys;
  std::array<std::optional<bool>, kFireKeyCount> fire_key_continuous;
  std::array<std::optional<int>, kProfileCount> profile_colour_selections;

  // Whether a slot of profile (0..2) is named by language key.
  bool ProfileHasKey(int profile, std::string_view key) const;
  // Whether a slot of profile (0..2) holds a fire macro or gun preset.
  bool ProfileHasFireMacro(int profile) const;
};

KeyNames RefreshKeyNames(const ProfileKeyCodes& profiles, const ComboKeyCodes& combo_keys,
                         const KeyNamingState& state, const LanguageTable& texts);
// Over the 45 code texts; a text that is not a code gets an empty name.
KeyNames RefreshKeyNames(const CodeTexts& code_texts, const KeyNamingState& state,
                         const LanguageTable& texts);

}  // namespace kvrm
