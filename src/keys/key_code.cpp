#include "keys/key_code.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "image/profile_codes.h"

namespace kvrm {
namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

// How a menu item's code is built.
enum class TagRule {
  kFixed,         // the code as given
  kComboFlag,     // b0..b2 as given, b3 the function's combo flag
  kAim,           // 05, aim level index, 00, 00
  kFireKey,       // the rapid-fire code of a fire key
  kFireMacroKey,  // the fire macro key of the chip
};

struct TagEntry {
  KeyTag tag;
  TagRule rule;
  KeyCode code;
  int parameter;  // ComboFunction or fire key index
};

constexpr TagEntry Fixed(int tag, std::string_view control, std::string_view key,
                         std::string_view english, KeyCode code) {
  return {{tag, control, key, english}, TagRule::kFixed, code, 0};
}

constexpr TagEntry WithFlag(int tag, std::string_view control, std::string_view key,
                            std::string_view english, KeyCode code, ComboFunction function) {
  return {{tag, control, key, english}, TagRule::kComboFlag, code, static_cast<int>(function)};
}

constexpr TagEntry Rule(int tag, std::string_view control, std::string_view key,
                        std::string_view english, TagRule rule, int parameter = 0) {
  return {{tag, control, key, english}, rule, {}, parameter};
}

constexpr TagEntry kTagEntries[] = {
    Fixed(900, "Key_Left", "Str210", "Left Click", {0x01, 0x01, 0x00, 0x00}),
    Fixed(901, "Key_Right", "Str211", "Right Click", {0x01, 0x02, 0x00, 0x00}),
    WithFlag(902, "Key_Middle", "Str212", "Middle Click", {0x01, 0x04, 0x00, 0x00},
             ComboFunction::kMiddle),
    WithFlag(903, "Key_B4", "Str213", "Backward", {0x01, 0x08, 0x00, 0x00},
             ComboFunction::kBackward),
    WithFlag(904, "Key_B5", "Str214", "Forward", {0x01, 0x10, 0x00, 0x00}, ComboFunction::kForward),
    Rule(1000, "Key_AIM", "Str260", "AIM Key", TagRule::kAim),
    Fixed(1001, "Key_LEDMode", "Str261", "LED Mode", {0x0E, 0x00, 0x00, 0x00}),
    Fixed(1002, "Key_LEDSwitch", "Str262", "LED Switch", {0x08, 0x00, 0x00, 0x00}),
    Fixed(1003, "Key_BtnEFT", "Str263", "Button Effect Switch", {0x08, 0x01, 0x00, 0x00}),
    Fixed(1004, "Key_ReportRate", "Str264", "Report Rate", {0x0C, 0x00, 0x00, 0x00}),
    Rule(1005, "Key_FireMacroKey", "Str265", "Fire Macro Key", TagRule::kFireMacroKey),
    Fixed(1006, "Key_FireMacroOff", "Str266", "Fire Macro Off", {0x0B, 0x8F, 0x00, 0x00}),
    Fixed(1007, "Key_KeyOff", "Str277", "Key Off", {0x00, 0x00, 0x00, 0x00}),
    Fixed(1100, "Key_PlayPause", "Str270", "Play/Pause", {0x03, 0x00, 0xCD, 0x00}),
    Fixed(1101, "Key_Stop", "Str271", "Stop", {0x03, 0x00, 0xB7, 0x00}),
    Fixed(1102, "Key_PreviousTrack", "Str272", "Previous Track", {0x03, 0x00, 0xB6, 0x00}),
    Fixed(1103, "Key_NextTrack", "Str273", "Next Track", {0x03, 0x00, 0xB5, 0x00}),
    Fixed(1104, "Key_VolumePlus", "Str274", "Volume Up", {0x03, 0x00, 0xE9, 0x00}),
    Fixed(1105, "Key_VolumeMinus", "Str275", "Volume Down", {0x03, 0x00, 0xEA, 0x00}),
    Fixed(1106, "Key_Mute", "Str276", "Mute", {0x03, 0x00, 0xE2, 0x00}),
    Fixed(1200, "Key_WWWHome", "Str280", "Home", {0x03, 0x02, 0x23, 0x00}),
    Fixed(1201, "Key_WWWSearch", "Str281", "Search", {0x03, 0x02, 0x21, 0x00}),
    Fixed(1202, "Key_WWWBack", "Str282", "WWW Back", {0x03, 0x02, 0x24, 0x00}),
    Fixed(1203, "Key_WWWForward", "Str283", "WWW Forward", {0x03, 0x02, 0x25, 0x00}),
    Fixed(1204, "Key_WWWStop", "Str284", "Stop", {0x03, 0x02, 0x26, 0x00}),
    Fixed(1205, "Key_WWWRefresh", "Str285", "Refresh", {0x03, 0x02, 0x27, 0x00}),
    Fixed(1206, "Key_WWWFavorites", "Str286", "Favorites", {0x03, 0x02, 0x2A, 0x00}),
    Fixed(1300, "Key_Computer", "Str290", "My Computer", {0x03, 0x01, 0x94, 0x00}),
    Fixed(1301, "Key_Calculator", "Str291", "Calculator", {0x03, 0x01, 0x92, 0x00}),
    Fixed(1302, "Key_EMail", "Str292", "E-Mail", {0x03, 0x01, 0x8A, 0x00}),
    Fixed(1303, "Key_Desktop", "Str293", "Desktop", {0x02, 0x08, 0x07, 0x00}),
    WithFlag(2000, "Key_CPI", "Str221", "DPI Loop", {0x09, 0x00, 0x00, 0x00},
             ComboFunction::kDpiLoop),
    WithFlag(2001, "Key_CPII", "Str222", "DPI +", {0x09, 0x01, 0x00, 0x00}, ComboFunction::kDpiUp),
    WithFlag(2002, "Key_CPID", "Str223", "DPI -", {0x09, 0x02, 0x00, 0x00},
             ComboFunction::kDpiDown),
    Rule(2100, "Key_Fire1", "Str231", "Fire Key1", TagRule::kFireKey, 0),
    Rule(2101, "Key_Fire2", "Str232", "Fire Key2", TagRule::kFireKey, 1),
    Rule(2102, "Key_Fire3", "Str233", "Fire Key3", TagRule::kFireKey, 2),
    Fixed(2200, "Key_PowerDown", "Str241", "Power Down", {0x04, 0x01, 0x00, 0x00}),
    Fixed(2201, "Key_Sleep", "Str242", "Sleep", {0x04, 0x02, 0x00, 0x00}),
    Fixed(2202, "Key_WakeUp", "Str243", "Wake Up", {0x04, 0x03, 0x00, 0x00}),
    Fixed(2300, "Key_Profile1", "Str251", "Office Mode", {0x07, 0x80, 0x00, 0x00}),
    Fixed(2301, "Key_Profile2", "Str252", "Game Mode", {0x07, 0x81, 0x00, 0x00}),
    Fixed(2302, "Key_Profile3", "Str253", "Third Mode", {0x07, 0x82, 0x00, 0x00}),
    Fixed(2303, "Key_Profile", "Str254", "KB Switch Loop", {0x07, 0x00, 0x00, 0x00}),
    Fixed(2400, "Key_AdjustXYFn", "Str268", "Adjust XY Fn", {0x0A, 0x00, 0x00, 0x00}),
    Fixed(2401, "Key_AdjustXYSwitch", "Str269", "Adjust XY Switch", {0x0A, 0x01, 0x00, 0x00}),
};

constexpr std::array<KeyTag, std::size(kTagEntries)> MakeKeyTags() {
  std::array<KeyTag, std::size(kTagEntries)> tags{};
  for (size_t i = 0; i < tags.size(); ++i) tags[i] = kTagEntries[i].tag;
  return tags;
}

constexpr auto kKeyTags = MakeKeyTags();

const TagEntry* FindTagEntry(int tag) {
  for (const TagEntry& entry : kTagEntries) {
    if (entry.tag.tag == tag) return &entry;
  }
  return nullptr;
}

// Codes named by comparing the whole code, in naming order within each group.
struct ExactName {
  KeyCode code;
  std::string_view key;
};

constexpr ExactName kLightAndRateNames[] = {
    {{0x0E, 0x00, 0x00, 0x00}, "Str261"},
    {{0x08, 0x00, 0x00, 0x00}, "Str262"},
    {{0x08, 0x01, 0x00, 0x00}, "Str263"},
    {{0x0C, 0x00, 0x00, 0x00}, "Str264"},
};

constexpr KeyCode kFireMacroKeyCodes[] = {
    {0x10, 0x07, 0x10, 0xFF},
    {0x10, 0x70, 0x00, 0xFF},
    {0x10, 0x06, 0xA0, 0xFF},
};

constexpr ExactName kPowerNames[] = {
    {{0x04, 0x01, 0x00, 0x00}, "Str241"},
    {{0x04, 0x02, 0x00, 0x00}, "Str242"},
    {{0x04, 0x03, 0x00, 0x00}, "Str243"},
};

constexpr ExactName kConsumerNames[] = {
    {{0x03, 0x00, 0xCD, 0x00}, "Str270"}, {{0x03, 0x00, 0xB7, 0x00}, "Str271"},
    {{0x03, 0x00, 0xB6, 0x00}, "Str272"}, {{0x03, 0x00, 0xB5, 0x00}, "Str273"},
    {{0x03, 0x00, 0xE9, 0x00}, "Str274"}, {{0x03, 0x00, 0xEA, 0x00}, "Str275"},
    {{0x03, 0x00, 0xE2, 0x00}, "Str276"}, {{0x03, 0x02, 0x23, 0x00}, "Str280"},
    {{0x03, 0x02, 0x21, 0x00}, "Str281"}, {{0x03, 0x02, 0x24, 0x00}, "Str282"},
    {{0x03, 0x02, 0x25, 0x00}, "Str283"}, {{0x03, 0x02, 0x26, 0x00}, "Str284"},
    {{0x03, 0x02, 0x27, 0x00}, "Str285"}, {{0x03, 0x02, 0x2A, 0x00}, "Str286"},
    {{0x03, 0x01, 0x94, 0x00}, "Str290"}, {{0x03, 0x01, 0x92, 0x00}, "Str291"},
    {{0x03, 0x01, 0x8A, 0x00}, "Str292"}, {{0x02, 0x08, 0x07, 0x00}, "Str293"},
};

constexpr ExactName kAdjustAndFireOffNames[] = {
    {{0x0A, 0x00, 0x00, 0x00}, "Str268"},
    {{0x0A, 0x01, 0x00, 0x00}, "Str269"},
    {{0x0B, 0x8F, 0x00, 0x00}, "Str266"},
};

// Gun presets by b1 without the keep-left bit 10, and the record counts each
// preset may play.
struct GunPresetName {
  uint8_t preset;
  uint8_t max_records;
  std::string_view key;
};

constexpr GunPresetName kGunPresetNames[] = {
    {0, 1, "Str600"}, {1, 1, "Str601"}, {2, 1, "Str602"}, {3, 1, "Str603"},
    {4, 1, "Str604"}, {5, 2, "Str605"}, {7, 3, "Str606"},
};

std::string_view FindExact(std::span<const ExactName> table, KeyCode code) {
  for (const ExactName& entry : table) {
    if (entry.code == code) return entry.key;
  }
  return {};
}

KeyName FromKey(std::string_view key, const LanguageTable& texts) {
  KeyName name;
  name.key = key;
  name.text = texts.Text(key);
  return name;
}

KeyName NameRapidFire(KeyCode code, const KeyNamingState& state, const LanguageTable& texts) {
  static constexpr std::string_view kFireKeyNames[kFireKeyCount] = {"Str231", "Str232", "Str233"};
  const int repeat = (code.b1() % 16) + 1;
  const int interval = code.b2() * 256 + code.b3();
  for (int k = 0; k < kFireKeyCount; ++k) {
    const FireKeySetting& fire_key = state.fire_keys[k];
    if (fire_key.repeat != repeat || fire_key.interval != interval) continue;
    KeyName name = FromKey(kFireKeyNames[k], texts);
    if (!state.suppress_continuous_copy) {
      name.continuity = FireKeyContinuity{k, (code.b1() & 0x80) != 0};
    }
    return name;
  }
  return {};
}

KeyName NameProfileSwitch(KeyCode code, const LanguageTable& texts) {
  if (code.b1() == 0x00) return FromKey("Str254", texts);
  static constexpr std::string_view kProfileNames[3] = {"Str251", "Str252", "Str253"};
  const int profile = (code.b1() & 0x87) - 0x80;
  if (profile < 0 || profile > 2) return {};
  KeyName name = FromKey(kProfileNames[profile], texts);
  const int colour = code.b2() >> 4;
  if (colour <= 9) name.profile_colour = EngineerProfileColour{profile, colour};
  if (colour == 15) name.profile_colour = EngineerProfileColour{profile, 10};
  return name;
}

KeyName NameFireMacro(KeyCode code, const KeyNamingState& state, const LanguageTable& texts) {
  KeyName name;
  auto same_head = [&](KeyCode other) {
    return other.b0() == code.b0() && other.b1() == code.b1() && other.b2() == code.b2();
  };
  if (state.fire_macro_file_loaded) {
    for (int n = 0; n < kFireMacroSlots; ++n) {
      if (same_head(state.fire_macro_codes[n])) name.text = "Fire Macro" + std::to_string(n + 1);
    }
    if (!name.text.empty()) {
      name.fire_macro_or_gun = true;
      return name;
    }
  }
  // A gun preset keeps its name with a fire macro file loaded: the file's codes
  // only take precedence where they start the same way.
  const uint8_t preset = static_cast<uint8_t>(code.b1() & ~0x10);
  if ((code.b1() & 0xE0) != 0) return name;
  for (const GunPresetName& gun : kGunPresetNames) {
    if (gun.preset == preset && code.b2() >= 1 && code.b2() <= gun.max_records) {
      name = FromKey(gun.key, texts);
      name.fire_macro_or_gun = true;
      return name;
    }
  }
  return name;
}

KeyName NameMacro(KeyCode code, const KeyNamingState& state) {
  const uint16_t address = static_cast<uint16_t>(code.b1() << 8 | code.b2());
  KeyName name;
  for (const DeviceMacroRef& macro : state.device_macros) {
    if (macro.record_length != 0 && macro.address == address) name.text = macro.name;
  }
  return name;
}

struct CombinationModifier {
  uint8_t bit;
  std::string_view name;
};

constexpr CombinationModifier kModifierNames[] = {
    {kModifierCtrl, "Ctrl"},
    {kModifierShift, "Shift"},
    {kModifierAlt, "Alt"},
    {kModifierWin, "Win"},
};

}  // namespace

std::string FormatKeyCode(KeyCode code) {
  return CodeText(code.bytes);
}

std::optional<KeyCode> ParseKeyCode(std::string_view text) {
  const std::optional<CodeBytes> bytes = ParseCodeText(text);
  if (!bytes) return std::nullopt;
  KeyCode code;
  code.bytes = *bytes;
  return code;
}

KeyCode RapidFireCode(const FireKeySetting& setting) {
  const int b1 = setting.repeat + (setting.continuous ? 143 : 15);
  return {0x06, static_cast<uint8_t>(b1 & 0xFF),
          static_cast<uint8_t>((setting.interval >> 8) & 0xFF),
          static_cast<uint8_t>(setting.interval & 0xFF)};
}

KeyName KeyCodeToName(KeyCode code, const KeyNamingState& state, const LanguageTable& texts) {
  const uint8_t b0 = code.b0();
  if (code == KeyCode{}) return FromKey("Str277", texts);
  if (code == KeyCode{0x01, 0x01, 0x00, 0x00}) return FromKey("Str210", texts);
  if (code == KeyCode{0x01, 0x02, 0x00, 0x00}) return FromKey("Str211", texts);
  if (b0 == 0x01) {
    if (code.b1() == kButtonMiddle) return FromKey("Str212", texts);
    if (code.b1() == kButtonBackward) return FromKey("Str213", texts);
    if (code.b1() == kButtonForward) return FromKey("Str214", texts);
  }
  if (b0 == 0x05) return FromKey("Str260", texts);
  if (std::string_view key = FindExact(kLightAndRateNames, code); !key.empty()) {
    return FromKey(key, texts);
  }
  if (std::ranges::find(kFireMacroKeyCodes, code) != std::end(kFireMacroKeyCodes)) {
    return FromKey("Str265", texts);
  }
  if (b0 == 0x09) {
    if (code.b1() == 0x00) return FromKey("Str221", texts);
    if (code.b1() == 0x01) return FromKey("Str222", texts);
    if (code.b1() == 0x02) return FromKey("Str223", texts);
  }
  if (b0 == 0x06) return NameRapidFire(code, state, texts);
  if (std::string_view key = FindExact(kPowerNames, code); !key.empty()) {
    return FromKey(key, texts);
  }
  if (b0 == 0x07) return NameProfileSwitch(code, texts);
  if (std::string_view key = FindExact(kConsumerNames, code); !key.empty()) {
    return FromKey(key, texts);
  }
  if (std::string_view key = FindExact(kAdjustAndFireOffNames, code); !key.empty()) {
    return FromKey(key, texts);
  }
  if (b0 == 0x02) {
    KeyName name;
    name.text = FormatKeyCombination(code);
    if (name.text.empty()) return FromKey("Str205", texts);
    return name;
  }
  if (b0 == 0x0B) return NameFireMacro(code, state, texts);
  if (b0 == 0x10) return NameMacro(code, state);
  return {};
}

std::span<const KeyTag> KeyTags() {
  return kKeyTags;
}

const KeyTag* FindKeyTag(int tag) {
  const TagEntry* entry = FindTagEntry(tag);
  return entry ? &kKeyTags[entry - kTagEntries] : nullptr;
}

std::optional<int> KeyTagForName(std::string_view name) {
  name = Trim(name);
  for (const KeyTag& tag : kKeyTags) {
    if (EqualsIgnoreCase(tag.english_name, name)) return tag.tag;
  }
  for (const KeyTag& tag : kKeyTags) {
    std::string_view control = tag.control;
    if (EqualsIgnoreCase(control, name)) return tag.tag;
    control.remove_prefix(std::string_view("Key_").size());
    if (EqualsIgnoreCase(control, name)) return tag.tag;
  }
  return std::nullopt;
}

KeyCode FireMacroKeyCode(ChipVariant variant) {
  return variant == ChipVariant::k4230C ? KeyCode{0x10, 0x06, 0xA0, 0xFF}
                                        : KeyCode{0x10, 0x07, 0x10, 0xFF};
}

std::optional<KeyCode> KeyCodeForTag(int tag, const KeyNamingState& state) {
  const TagEntry* entry = FindTagEntry(tag);
  if (entry == nullptr) return std::nullopt;
  KeyCode code = entry->code;
  switch (entry->rule) {
    case TagRule::kFixed:
      break;
    case TagRule::kComboFlag:
      code.bytes[3] = state.combo_flags[entry->parameter];
      break;
    case TagRule::kAim:
      code = {0x05, static_cast<uint8_t>(state.aim_level_index), 0x00, 0x00};
      break;
    case TagRule::kFireKey:
      code = RapidFireCode(state.fire_keys[entry->parameter]);
      break;
    case TagRule::kFireMacroKey:
      code = FireMacroKeyCode(state.variant);
      break;
  }
  return code;
}

std::string_view HidUsageName(uint8_t usage) {
  return UsageName(usage);
}

std::optional<uint8_t> HidUsageForName(std::string_view name) {
  for (int usage = 0; usage <= 0xFF; ++usage) {
    const std::string_view known = UsageName(static_cast<uint8_t>(usage));
    if (!known.empty() && EqualsIgnoreCase(known, name)) return static_cast<uint8_t>(usage);
  }
  return std::nullopt;
}

std::string FormatKeyCombination(KeyCode code) {
  std::string text;
  auto append = [&text](std::string_view part) {
    if (!text.empty()) text += '+';
    text += part;
  };
  for (const CombinationModifier& modifier : kModifierNames) {
    if (code.b1() & modifier.bit) append(modifier.name);
  }
  if (code.b2() != 0) append(HidUsageName(code.b2()));
  if (code.b3() != 0) append(HidUsageName(code.b3()));
  return text;
}

std::optional<KeyCode> ParseKeyCombination(std::string_view text, std::string* error) {
  auto fail = [error](std::string message) -> std::optional<KeyCode> {
    if (error) *error = std::move(message);
    return std::nullopt;
  };
  if (Trim(text).empty()) return fail("empty key combination");
  KeyCode code{static_cast<uint8_t>(KeyCategory::kKeyboard), 0x00, 0x00, 0x00};
  int keys = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('+', start), text.size());
    const std::string_view part = Trim(text.substr(start, end - start));
    start = end + 1;
    if (part.empty()) return fail("missing key name in \"" + std::string(text) + "\"");
    auto modifier = std::ranges::find_if(kModifierNames, [part](const CombinationModifier& m) {
      return EqualsIgnoreCase(m.name, part);
    });
    if (modifier != std::end(kModifierNames)) {
      code.bytes[1] |= modifier->bit;
      continue;
    }
    const std::optional<uint8_t> usage = HidUsageForName(part);
    if (!usage) return fail("unknown key \"" + std::string(part) + "\"");
    if (keys == 2) return fail("a key combination holds at most two keys besides the modifiers");
    code.bytes[2 + keys] = *usage;
    ++keys;
  }
  return code;
}

}  // namespace kvrm
