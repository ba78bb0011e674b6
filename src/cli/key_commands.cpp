// kvrmctl keys, assign and combo: the button functions of the three profiles.
#include <nlohmann/json.hpp>

#include <iostream>

#include "cli/cli.h"
#include "cli/key_assignment.h"
#include "cli/setting_args.h"
#include "cli/setting_support.h"
#include "texts/language_set.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;

int Keys(Context& ctx, const std::vector<std::string>& args) {
  int only_profile = 0;
  int language = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--profile" && has_value && ParseIntIn(args[i + 1], 1, kProfileCount)) {
      only_profile = *ParseIntIn(args[++i], 1, kProfileCount);
    } else if (args[i] == "--lang" && has_value && ParseIntIn(args[i + 1], 1, kLanguageCount)) {
      language = *ParseIntIn(args[++i], 1, kLanguageCount);
    } else {
      return Fail(ctx, kUsage, "keys takes --profile 1|2|3 and --lang 1|2|3");
    }
  }
  if (!ReadMouse(ctx)) return kNoMouse;
  LanguageSet texts = LanguageSet::FromResources();
  texts.Select(language);
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  Json profiles = Json::array();
  for (int p = 0; p < kProfileCount; ++p) {
    if (only_profile != 0 && p + 1 != only_profile) continue;
    Json slots = Json::array();
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      slots.push_back({{"slot", s + 1},
                       {"code", FormatKeyCode(keys.profiles[p][s])},
                       {"name", keys.names.profiles[p][s].text}});
    }
    profiles.push_back(
        {{"profile", p + 1}, {"active", p == keys.active_profile}, {"slots", slots}});
  }
  if (ctx.json) {
    ctx.out << Json{{"profiles", profiles}}.dump(2) << "\n";
    return kOk;
  }
  for (const Json& profile : profiles) {
    ctx.out << "Profile " << profile["profile"].get<int>()
            << (profile["active"].get<bool>() ? " (active)" : "") << "\n";
    for (const Json& slot : profile["slots"]) {
      const std::string name = slot["name"].get<std::string>();
      ctx.out << (slot["slot"].get<int>() < 10 ? "   " : "  ") << slot["slot"].get<int>() << "  "
              << slot["code"].get<std::string>() << "  " << (name.empty() ? "(no name)" : name)
              << "\n";
    }
  }
  return kOk;
}

int Assign(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() < 3) return Fail(ctx, kUsage, "assign needs PROFILE, SLOT and FUNCTION");
  const std::optional<int> profile = ParseIntIn(args[0], 1, kProfileCount);
  if (!profile) return Fail(ctx, kUsage, "PROFILE must be 1, 2 or 3");
  const std::optional<int> slot = ParseIntIn(args[1], 1, kSlotsPerProfile);
  if (!slot) return Fail(ctx, kUsage, "SLOT must be 1..12");
  // Names with blanks ("DPI +") may come unquoted.
  std::string function = args[2];
  for (size_t i = 3; i < args.size(); ++i) function += " " + args[i];

  if (!ReadMouse(ctx)) return kNoMouse;
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  std::string error;
  const std::optional<KeyCode> code = ParseKeyFunction(function, keys.naming, &error);
  if (!code) return Fail(ctx, kUsage, error);
  const KeyName name = KeyCodeToName(*code, keys.naming, texts.CurrentTable());
  if (const auto refusal = AssignmentRefusal(*profile, *slot, keys.names.profiles[*profile - 1],
                                             name.key == kLeftClickKey, IsDeviceMacroCode(*code))) {
    return Fail(ctx, kFailed, *refusal + "; nothing was written");
  }
  ProfileKeyCodes profiles = keys.profiles;
  profiles[*profile - 1][*slot - 1] = *code;
  if (profiles == keys.profiles) {
    ctx.out << "Profile " << *profile << " slot " << *slot << " already holds "
            << DescribeCode(*code, keys.naming, texts.CurrentTable()) << "\n";
  }
  StoreCodeChanges(ctx, keys, profiles, keys.combo_keys, keys.naming, texts.CurrentTable());
  ctx.session.WriteProfileSections();
  return kOk;
}

// The mode-switch choices and the function each needs in some slot.
struct ModeSwitchText {
  const char* gesture;
  std::string_view required_key;
  const char* required_name;
};
constexpr ModeSwitchText kModeSwitchTexts[] = {
    {"none", "", ""},
    {"hold Middle Click", "Str212", "Middle Click"},
    {"hold DPI Loop", "Str221", "DPI Loop"},
    {"hold DPI +", "Str222", "DPI +"},
    {"hold DPI -", "Str223", "DPI -"},
    {"Right + Backward", "Str213", "Backward"},
    {"Right + Forward", "Str214", "Forward"},
};

bool AnyProfileHas(const KeyNames& names, std::string_view key) {
  for (int p = 0; p < kProfileCount; ++p) {
    if (names.ProfileHasKey(p, key)) return true;
  }
  return false;
}

bool AnyProfileHasFireMacro(const KeyNames& names) {
  for (int p = 0; p < kProfileCount; ++p) {
    if (names.ProfileHasFireMacro(p)) return true;
  }
  return false;
}

// The offset of the game-mode switch code already in Combo Key 2 or 4, so a
// new choice keeps it; otherwise the chip's fire macro record length, which the
// factory images use (18 on the 4210C, 20 on the 4230C).
int GameModeOffset(const MouseKeys& keys, const SectionCopies& copies) {
  for (int k : {kLongPressComboKey, kRightComboKey}) {
    const KeyCode code = keys.combo_keys[k];
    if (keys.names.combo_keys[k].key == "Str252" && code.b1() == 0xD1) {
      return (code.b2() & 0x0F) << 8 | code.b3();
    }
  }
  return copies.variant_layout.fire_record_length;
}

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

int ShowCombo(Context& ctx, const MouseKeys& keys, const LanguageTable& texts) {
  const int choice = static_cast<int>(keys.combo.mode_switch);
  if (ctx.json) {
    ctx.out << Json{{"led_mode_combo", keys.combo.led_mode_combo},
                    {"mode_switch", choice},
                    {"mode_switch_gesture", kModeSwitchTexts[choice].gesture},
                    {"gun_key_switch", keys.combo.gun_key_switch},
                    {"combo_key2", FormatKeyCode(keys.combo_keys[kRightComboKey])},
                    {"combo_key4", FormatKeyCode(keys.combo_keys[kLongPressComboKey])}}
                   .dump(2)
            << "\n";
    return kOk;
  }
  ctx.out << "LED-mode combo (Right + Backward switches the lighting): "
          << OnOff(keys.combo.led_mode_combo) << "\n"
          << "Mode switch: " << choice << " (" << kModeSwitchTexts[choice].gesture << ")\n"
          << "Gun key switch: " << OnOff(keys.combo.gun_key_switch) << "\n"
          << "Combo Key 2: " << DescribeCode(keys.combo_keys[kRightComboKey], keys.naming, texts)
          << "\n"
          << "Combo Key 4: "
          << DescribeCode(keys.combo_keys[kLongPressComboKey], keys.naming, texts) << "\n";
  return kOk;
}

int Combo(Context& ctx, const std::vector<std::string>& args) {
  constexpr const char* kUsageText = "combo takes led on|off, switch 0..6 or gun on|off";
  const bool setting = args.size() == 2;
  if (!args.empty() && !setting) return Fail(ctx, kUsage, kUsageText);
  std::optional<bool> on;
  std::optional<int> choice;
  if (setting && (args[0] == "led" || args[0] == "gun")) {
    on = ParseOnOff(args[1]);
    if (!on) return Fail(ctx, kUsage, args[0] + " must be on or off");
  } else if (setting && args[0] == "switch") {
    choice = ParseIntIn(args[1], 0, 6);
    if (!choice)
      return Fail(ctx, kUsage,
                  "switch must be 0..6 (0 none, 1..4 hold Middle Click, "
                  "DPI Loop, DPI +, DPI -, 5 Right + Backward, "
                  "6 Right + Forward)");
  } else if (setting) {
    return Fail(ctx, kUsage, kUsageText);
  }

  if (!ReadMouse(ctx)) return kNoMouse;
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  if (!setting) return ShowCombo(ctx, keys, texts.CurrentTable());

  ComboState state{keys.combo, keys.profiles, keys.combo_keys, keys.selectors};
  std::string changed;
  if (args[0] == "led") {
    if (*on && !AnyProfileHas(keys.names, "Str213")) {
      return Fail(ctx, kFailed, "no slot is Backward; assign Backward first");
    }
    state.settings.led_mode_combo = *on;
    state = ApplyLedModeCombo(state, keys.names);
    changed = "LED-mode combo " + OnOff(*on);
  } else if (args[0] == "switch") {
    const ModeSwitchText& text = kModeSwitchTexts[*choice];
    if (*choice != 0 && !AnyProfileHas(keys.names, text.required_key)) {
      return Fail(ctx, kFailed,
                  std::string("no slot is ") + text.required_name + "; assign " +
                      text.required_name + " first");
    }
    state.settings.mode_switch = static_cast<ModeSwitchChoice>(*choice);
    state = ApplyModeSwitchChoice(state, keys.names, GameModeOffset(keys, ctx.session.copies()));
    changed = "Mode switch " + std::to_string(*choice) + " (" + text.gesture + ")";
  } else {
    if (*on && !AnyProfileHasFireMacro(keys.names)) {
      return Fail(ctx, kFailed, "no slot holds a fire macro or gun preset");
    }
    if (*on && keys.combo.mode_switch == ModeSwitchChoice::kNone) {
      return Fail(ctx, kFailed,
                  "the gun keys take the mode-switch gesture; choose one with combo switch 1..6 "
                  "first");
    }
    state.settings.gun_key_switch = *on;
    state = ApplyGunKeySwitch(state, keys.names, GunSwitchScope::kAllProfiles);
    changed = "Gun key switch " + OnOff(*on);
  }
  if (state.settings.led_mode_combo != keys.combo.led_mode_combo && args[0] != "led") {
    changed += "; the LED-mode combo is now off";
  }
  if (state.settings.mode_switch != keys.combo.mode_switch && args[0] != "switch") {
    changed += "; the mode switch is now none";
  }
  ctx.out << changed << "\n";
  StoreCodeChanges(ctx, keys, state.profiles, state.combo_keys, keys.naming, texts.CurrentTable());
  ctx.session.WriteVendorSection();
  ctx.session.WriteProfileSections();
  return kOk;
}

}  // namespace

void AddKeyCommands(std::vector<Command>& table) {
  table.push_back({"keys", "keys [OPTIONS]", "the twelve slots of each profile",
                   "keys [--profile 1|2|3] [--lang 1|2|3]\n\n"
                   "Reads the mouse and prints the code and display name of the twelve\n"
                   "slots of each profile, or of the one --profile names, in language 1\n"
                   "(English), 2 or 3. --json prints the same as JSON.",
                   Keys});
  table.push_back({"assign", "assign PROFILE SLOT FUNC", "give a slot a function",
                   "assign PROFILE SLOT FUNCTION\n\n"
                   "Stores FUNCTION in slot SLOT (1..12) of PROFILE (1..3) and writes the three\n"
                   "profile sections. FUNCTION is a menu item's English name (\"DPI +\") or\n"
                   "control name (Key_CPII), its menu tag (2001), a key combination\n"
                   "(\"Ctrl+Shift+A\") or an 8-digit code (09010000). A key whose name is also a\n"
                   "menu item (Home) is given by its code (024A0000). Profile 1 always keeps a\n"
                   "Left Click, and no profile's only Left Click becomes a device macro.",
                   Assign});
  table.push_back({"combo", "combo [SETTING VALUE]", "the combo gestures",
                   "combo\ncombo led on|off\ncombo switch 0..6\ncombo gun on|off\n\n"
                   "Without arguments prints the three combo settings read from the codes.\n"
                   "led: Right + Backward switches the lighting mode (needs a Backward slot).\n"
                   "switch: the gesture that switches between office and game mode: 0 none,\n"
                   "1 hold Middle Click, 2 hold DPI Loop, 3 hold DPI +, 4 hold DPI -,\n"
                   "5 Right + Backward, 6 Right + Forward (needs a slot of that function).\n"
                   "gun: fire macro and gun preset keys take the same gesture. Each change\n"
                   "rewrites the codes and writes the Vendor and profile sections.",
                   Combo});
}

}  // namespace kvrm::cli
