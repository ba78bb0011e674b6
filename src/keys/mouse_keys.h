#pragma once

#include <vector>

#include "image/section_copies.h"
#include "keys/combo_keys.h"
#include "keys/key_code.h"
#include "keys/key_names.h"
#include "macros/custom_gun_keys.h"
#include "macros/device_macros.h"
#include "texts/language_table.h"

namespace kvrm {

// The device macros as key naming sees them: start address, length and name.
std::vector<DeviceMacroRef> DeviceMacroRefs(const DeviceMacroTable& table);

// The codes of the mouse as the pages see them after a read: the naming
// inputs, the display names and the three combo settings derived from them.
struct MouseKeys {
  ProfileKeyCodes profiles{};
  ComboKeyCodes combo_keys{};
  KeyNamingState naming;
  KeyNames names;
  ComboSettings combo;
  ComboFlagSelectors selectors;
  int active_profile = 0;  // 0..2
};

// Derives them from the section copies in the order of the whole refresh:
// fire keys from their block, names, continuous flags from the codes, aim DPI
// of the active profile, combo settings and flags. gun_keys are the custom gun
// keys of "Fire Macro.bin" (nullptr: no file loaded).
MouseKeys DeriveMouseKeys(const SectionCopies& copies, const CustomGunKeys* gun_keys,
                          const LanguageTable& texts);

}  // namespace kvrm
