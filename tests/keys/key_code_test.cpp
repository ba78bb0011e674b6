#include "keys/key_code.h"

#include <gtest/gtest.h>

#include "keys/key_texts.h"

namespace kvrm {
namespace {

using testing::Code;
using testing::EnglishKeyTexts;

TEST(KeyCodeText, FormatsUppercaseAndParsesOnlyEightHexDigits) {
  EXPECT_EQ(FormatKeyCode({0x06, 0x92, 0x00, 0x3C}), "0692003C");
  EXPECT_EQ(ParseKeyCode("0e00a0ff"), (KeyCode{0x0E, 0x00, 0xA0, 0xFF}));
  EXPECT_FALSE(ParseKeyCode("0101000"));
  EXPECT_FALSE(ParseKeyCode("0101000G"));
  EXPECT_FALSE(ParseKeyCode("010100000"));
}

struct NameCase {
  const char* code;
  const char* name;
};

TEST(KeyCodeToName, FollowsTheRuleOrder) {
  const NameCase cases[] = {
      {"00000000", "Key Off"},
      {"01010000", "Left Click"},
      {"01010002", ""},  // left click only as the exact code
      {"01020000", "Right Click"},
      {"01047708", "Middle Click"},
      {"01080002", "Backward"},
      {"01100000", "Forward"},
      {"01200000", ""},
      {"05FF1234", "AIM Key"},
      {"0E000000", "LED Mode"},
      {"08000000", "LED Switch"},
      {"08010000", "Button Effect Switch"},
      {"0C000000", "Report Rate"},
      {"100710FF", "Fire Macro Key"},
      {"107000FF", "Fire Macro Key"},
      {"1006A0FF", "Fire Macro Key"},
      {"09000008", "DPI Loop"},
      {"09010002", "DPI +"},
      {"09020000", "DPI -"},
      {"09030000", ""},
      {"04030000", "Wake Up"},
      {"07000000", "KB Switch Loop"},
      {"07800000", "Office Mode"},
      {"07D10000", "Game Mode"},
      {"07830000", ""},
      {"0300E200", "Mute"},
      {"03022600", "Stop"},
      {"03018A00", "E-Mail"},
      {"02080700", "Desktop"},  // before the keyboard category
      {"02000000", "User-defined"},
      {"02030400", "Ctrl+Shift+A"},
      {"020F3D2B", "Ctrl+Shift+Alt+Win+F4+Tab"},
      {"0A010000", "Adjust XY Switch"},
      {"0B8F0000", "Fire Macro Off"},  // before the gun presets
      {"0B000108", "AKM Fire"},
      {"0B110100", "M16 Fire"},
      {"0B050200", "5.56 Fire"},
      {"0B050300", ""},
      {"0B170302", "7.62 Fire"},
      {"0B060100", ""},
      {"10020000", ""},  // no device macro at that address
      {"0F000000", ""},
  };
  const LanguageTable texts = EnglishKeyTexts();
  const KeyNamingState state;
  for (const NameCase& c : cases) {
    EXPECT_EQ(KeyCodeToName(Code(c.code), state, texts).text, c.name) << c.code;
  }
}

TEST(KeyCodeToName, RapidFireMatchesTheFirstFireKeyAndReportsItsContinuousBit) {
  const LanguageTable texts = EnglishKeyTexts();
  KeyNamingState state;
  state.fire_keys = {FireKeySetting{5, 100}, FireKeySetting{3, 60}, FireKeySetting{3, 60}};

  KeyName name = KeyCodeToName(Code("0692003C"), state, texts);
  EXPECT_EQ(name.text, "Fire Key2");
  ASSERT_TRUE(name.continuity);
  EXPECT_EQ(name.continuity->fire_key, 1);
  EXPECT_TRUE(name.continuity->continuous);

  name = KeyCodeToName(Code("06140064"), state, texts);
  EXPECT_EQ(name.text, "Fire Key1");
  EXPECT_FALSE(name.continuity->continuous);

  name = KeyCodeToName(Code("06130064"), state, texts);
  EXPECT_EQ(name.text, "");
  EXPECT_FALSE(name.continuity);

  state.suppress_continuous_copy = true;
  name = KeyCodeToName(Code("0692003C"), state, texts);
  EXPECT_EQ(name.text, "Fire Key2");
  EXPECT_FALSE(name.continuity);
}

TEST(KeyCodeToName, ProfileSwitchSelectsTheEngineerColour) {
  const LanguageTable texts = EnglishKeyTexts();
  const KeyNamingState state;
  struct Case {
    const char* code;
    std::optional<int> profile;
    int selection;
  };
  const Case cases[] = {
      {"07D1F018", 1, 10},
      {"07803000", 0, 3},
      {"0782A000", std::nullopt, 0},  // colour indexes 10..14 select nothing
      {"07000000", std::nullopt, 0},
  };
  for (const Case& c : cases) {
    const KeyName name = KeyCodeToName(Code(c.code), state, texts);
    ASSERT_EQ(name.profile_colour.has_value(), c.profile.has_value()) << c.code;
    if (!c.profile) continue;
    EXPECT_EQ(name.profile_colour->profile, *c.profile) << c.code;
    EXPECT_EQ(name.profile_colour->selection, c.selection) << c.code;
  }
}

TEST(KeyCodeToName, FireMacrosFromTheFileComeBeforeGunPresets) {
  const LanguageTable texts = EnglishKeyTexts();
  KeyNamingState state;
  state.fire_macro_file_loaded = true;
  state.fire_macro_codes[2] = Code("0B000100");
  state.fire_macro_codes[6] = Code("0B000100");

  KeyName name = KeyCodeToName(Code("0B000108"), state, texts);
  EXPECT_EQ(name.text, "Fire Macro7");
  EXPECT_TRUE(name.fire_macro_or_gun);
  EXPECT_TRUE(name.key.empty());

  // A gun preset that no stored fire macro starts like keeps its name.
  name = KeyCodeToName(Code("0B170300"), state, texts);
  EXPECT_EQ(name.text, "7.62 Fire");
  EXPECT_TRUE(name.fire_macro_or_gun);

  state.fire_macro_file_loaded = false;
  EXPECT_EQ(KeyCodeToName(Code("0B000108"), state, texts).text, "AKM Fire");
}

TEST(KeyCodeToName, MacroCodesNameTheInUseSlotAtTheirAddress) {
  const LanguageTable texts = EnglishKeyTexts();
  KeyNamingState state;
  state.device_macros = {{0x0200, 20, "Reload"}, {0x0214, 0, "Gone"}, {0x0214, 30, "Jump"}};
  EXPECT_EQ(KeyCodeToName(Code("10020000"), state, texts).text, "Reload");
  EXPECT_EQ(KeyCodeToName(Code("10021400"), state, texts).text, "Jump");
  EXPECT_EQ(KeyCodeToName(Code("10030000"), state, texts).text, "");
  // A macro named like a function is still only a macro.
  state.device_macros[0].name = "Backward";
  EXPECT_TRUE(KeyCodeToName(Code("10020000"), state, texts).key.empty());
}

TEST(KeyCodeForTag, BuildsTheParametrisedCodes) {
  KeyNamingState state;
  state.combo_flags[static_cast<int>(ComboFunction::kMiddle)] = 0x08;
  state.combo_flags[static_cast<int>(ComboFunction::kDpiUp)] = 0x02;
  state.aim_level_index = 4;
  state.fire_keys[0] = {3, 60, true};
  state.fire_keys[1] = {3, 60, false};
  state.fire_keys[2] = {15, 4094, true};
  state.variant = ChipVariant::k4210C;
  struct Case {
    int tag;
    const char* code;
  };
  const Case cases[] = {
      {900, "01010000"},  {902, "01040008"},  {903, "01080000"},  {2001, "09010002"},
      {1000, "05040000"}, {2100, "0692003C"}, {2101, "0612003C"}, {2102, "069E0FFE"},
      {1005, "100710FF"}, {2301, "07810000"}, {1303, "02080700"}, {1007, "00000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatKeyCode(*KeyCodeForTag(c.tag, state)), c.code) << c.tag;
  }
  state.variant = ChipVariant::k4230C;
  EXPECT_EQ(FormatKeyCode(*KeyCodeForTag(1005, state)), "1006A0FF");
  EXPECT_FALSE(KeyCodeForTag(999, state));
  EXPECT_FALSE(KeyCodeForTag(1, state));
}

TEST(KeyCodeForTag, EveryMenuItemIsNamedBackByItsOwnKey) {
  const LanguageTable texts = EnglishKeyTexts();
  KeyNamingState state;
  state.fire_keys = {FireKeySetting{2, 10}, FireKeySetting{3, 20}, FireKeySetting{4, 30}};
  state.variant = ChipVariant::k4230C;
  for (const KeyTag& tag : KeyTags()) {
    const KeyName name = KeyCodeToName(*KeyCodeForTag(tag.tag, state), state, texts);
    EXPECT_EQ(name.key, tag.language_key) << tag.tag;
    EXPECT_EQ(name.text, tag.english_name) << tag.tag;
  }
}

TEST(KeyTagForName, FindsEnglishAndControlNames) {
  EXPECT_EQ(KeyTagForName("DPI +"), 2001);
  EXPECT_EQ(KeyTagForName(" dpi - "), 2002);
  EXPECT_EQ(KeyTagForName("Stop"), 1101);
  EXPECT_EQ(KeyTagForName("Key_WWWStop"), 1204);
  EXPECT_EQ(KeyTagForName("wwwstop"), 1204);
  EXPECT_FALSE(KeyTagForName("Turbo"));
}

TEST(KeyCombination, FormatsAndParsesBothWays) {
  struct Case {
    const char* text;
    const char* code;
  };
  const Case cases[] = {
      {"Ctrl+Shift+A", "02030400"},         {"Win+D", "02080700"},
      {"Alt+F4+Tab", "02043D2B"},           {"Space bar", "02002C00"},
      {"Ctrl+1 (numeric pad)", "02015900"},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<KeyCode> code = ParseKeyCombination(c.text, &error);
    ASSERT_TRUE(code) << c.text << ": " << error;
    EXPECT_EQ(FormatKeyCode(*code), c.code);
    EXPECT_EQ(FormatKeyCombination(*code), c.text);
  }
  EXPECT_EQ(ParseKeyCombination(" shift + a ", nullptr), Code("02020400"));
}

TEST(KeyCombination, RefusesWhatDoesNotRead) {
  for (const char* text : {"", "Ctrl+", "A+B+C", "Ctrl+Turbo", "+A"}) {
    std::string error;
    EXPECT_FALSE(ParseKeyCombination(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  std::string error;
  ParseKeyCombination("Ctrl+Turbo", &error);
  EXPECT_NE(error.find("Turbo"), std::string::npos);
}

TEST(HidUsageNames, CoverTheKeyboardPage) {
  EXPECT_EQ(HidUsageName(0x04), "A");
  EXPECT_EQ(HidUsageName(0x27), "0");
  EXPECT_EQ(HidUsageName(0x73), "F24");
  EXPECT_EQ(HidUsageName(0x62), "0 (numeric pad)");
  EXPECT_EQ(HidUsageName(0xE7), "Win");
  EXPECT_EQ(HidUsageName(0x32), "");
  EXPECT_EQ(HidUsageForName("page down"), 0x4E);
}

}  // namespace
}  // namespace kvrm
