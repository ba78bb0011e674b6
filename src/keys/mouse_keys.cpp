#include "keys/mouse_keys.h"

#include "image/user_fields.h"
#include "settings/dpi.h"
#include "settings/fire_keys.h"

namespace kvrm {

std::vector<DeviceMacroRef> DeviceMacroRefs(const DeviceMacroTable& table) {
  std::vector<DeviceMacroRef> refs;
  for (const DeviceMacro& macro : table.slots) {
    refs.push_back(
        {macro.address, static_cast<uint16_t>(macro.record_length), MacroNameText(macro.name)});
  }
  return refs;
}

MouseKeys DeriveMouseKeys(const SectionCopies& copies, const CustomGunKeys* gun_keys,
                          const LanguageTable& texts) {
  MouseKeys keys;
  keys.profiles = ProfileKeyCodesOf(copies);
  keys.combo_keys = ComboKeyCodesOf(copies);
  keys.active_profile = user::ActiveProfile(copies.user);

  KeyNamingState& naming = keys.naming;
  naming.fire_keys = FireKeySettingsFromBlock(copies.fire_keys);
  naming.variant = copies.variant;
  naming.device_macros = DeviceMacroRefs(ParseMacroArea(copies.macro_area));
  if (gun_keys) {
    naming.fire_macro_file_loaded = gun_keys->loaded();
    for (int n = 0; n < kFireMacroSlots; ++n) {
      naming.fire_macro_codes[static_cast<size_t>(n)].bytes =
          gun_keys->codes()[static_cast<size_t>(n)];
    }
  }

  keys.names = RefreshKeyNames(keys.profiles, keys.combo_keys, naming, texts);
  for (int k = 0; k < kFireKeyCount; ++k) {
    if (keys.names.fire_key_continuous[static_cast<size_t>(k)]) {
      naming.fire_keys[static_cast<size_t>(k)].continuous =
          *keys.names.fire_key_continuous[static_cast<size_t>(k)];
    }
  }
  naming.fire_keys =
      RefreshFireKey(naming.fire_keys, keys.active_profile, keys.names, keys.profiles);
  const AimDisplay aim = RefreshAIMKey(keys.active_profile, keys.names, keys.profiles);
  if (aim.has_aim_key && aim.level_index < kDpiValueCount) naming.aim_level_index = aim.level_index;

  keys.combo.led_mode_combo = TLRefreshLEDModeFun(keys.profiles, keys.names);
  keys.combo = TLRefreshFireFun(keys.combo, keys.profiles, keys.names);
  keys.selectors = RefreshFireFun(keys.selectors, keys.profiles, keys.names);
  naming.combo_flags = keys.selectors.functions;
  return keys;
}

}  // namespace kvrm
