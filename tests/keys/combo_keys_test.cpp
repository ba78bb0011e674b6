#include "keys/combo_keys.h"

#include <gtest/gtest.h>

#include "keys/key_texts.h"

namespace kvrm {
namespace {

using testing::Code;
using testing::EnglishKeyTexts;

constexpr int kMiddle = static_cast<int>(ComboFunction::kMiddle);
constexpr int kBackward = static_cast<int>(ComboFunction::kBackward);
constexpr int kForward = static_cast<int>(ComboFunction::kForward);
constexpr int kDpiLoop = static_cast<int>(ComboFunction::kDpiLoop);

class ComboKeysTest : public ::testing::Test {
 protected:
  void Slot(int profile, int slot, const char* code) {
    state_.profiles[profile][slot] = Code(code);
  }
  void Combo(int combo_key, const char* code) { state_.combo_keys[combo_key - 1] = Code(code); }
  std::string SlotText(const ComboState& state, int profile, int slot) {
    return FormatKeyCode(state.profiles[profile][slot]);
  }
  std::string ComboText(const ComboState& state, int combo_key) {
    return FormatKeyCode(state.combo_keys[combo_key - 1]);
  }
  KeyNames Names() {
    return RefreshKeyNames(state_.profiles, state_.combo_keys, KeyNamingState{}, texts_);
  }
  std::optional<ComboState> Click(int item, int profile) {
    return ClickComboItem(item, profile, state_, Names(), kDefaultGameModeOffset);
  }

  LanguageTable texts_ = EnglishKeyTexts();
  ComboState state_;
};

TEST_F(ComboKeysTest, ItemsNeedTheirFunctionInTheEditedProfile) {
  Slot(0, 6, "01040000");
  Slot(1, 2, "01080000");
  Slot(1, 3, "0B000100");
  EXPECT_FALSE(Click(1, 0));  // no Backward in Profile 1
  EXPECT_FALSE(Click(6, 0));
  EXPECT_TRUE(Click(6, 1));
  EXPECT_TRUE(Click(2, 0));
  EXPECT_FALSE(Click(8, 0));  // item 8 only on the Profile 2 page
  EXPECT_FALSE(Click(8, 2));
  EXPECT_TRUE(Click(8, 1));
}

TEST_F(ComboKeysTest, LongPressMiddleReplacesRightPlusBackward) {
  Slot(0, 1, "01080002");
  Slot(2, 4, "01080002");
  Slot(0, 6, "01040000");
  Combo(2, "07D1F018");
  state_.settings.mode_switch = ModeSwitchChoice::kRightBackward;
  const ComboState next = *Click(2, 0);
  EXPECT_EQ(next.settings.mode_switch, ModeSwitchChoice::kLongPressMiddle);
  EXPECT_EQ(SlotText(next, 0, 1), "01080000");
  EXPECT_EQ(SlotText(next, 2, 4), "01080000");
  EXPECT_EQ(SlotText(next, 0, 6), "01040008");
  EXPECT_EQ(ComboText(next, 2), "00000000");
  EXPECT_EQ(ComboText(next, 4), "07D1F018");
  EXPECT_TRUE(ComboItemOn(2, next.settings));
  EXPECT_FALSE(ComboItemOn(6, next.settings));
}

TEST_F(ComboKeysTest, ClickingTheCurrentChoiceAgainClearsIt) {
  Slot(0, 0, "09000008");
  Slot(1, 0, "01040000");
  Combo(4, "07D1F018");
  state_.settings.mode_switch = ModeSwitchChoice::kLongPressDpiLoop;
  const ComboState next = *Click(3, 0);
  EXPECT_EQ(next.settings.mode_switch, ModeSwitchChoice::kNone);
  EXPECT_EQ(SlotText(next, 0, 0), "09000000");
  EXPECT_EQ(SlotText(next, 1, 0), "01040000");
  EXPECT_EQ(ComboText(next, 2), "00000000");
  EXPECT_EQ(ComboText(next, 4), "00000000");
  for (int item = 2; item <= 7; ++item) EXPECT_FALSE(ComboItemOn(item, next.settings));
}

TEST_F(ComboKeysTest, RightPlusForwardTurnsTheLedModeComboOff) {
  Slot(0, 1, "01080002");
  Slot(0, 4, "01100000");
  Combo(2, "0E000000");
  state_.settings.led_mode_combo = true;
  const ComboState next = *Click(7, 0);
  EXPECT_FALSE(next.settings.led_mode_combo);
  EXPECT_FALSE(ComboItemOn(1, next.settings));
  EXPECT_EQ(ComboText(next, 2), "07D1F018");
  EXPECT_EQ(SlotText(next, 0, 1), "01080000");
  EXPECT_EQ(SlotText(next, 0, 4), "01100002");
}

TEST_F(ComboKeysTest, LongPressChoicesKeepTheLedModeCombo) {
  Slot(0, 1, "01080002");
  Slot(0, 7, "09020000");
  Combo(2, "0E000000");
  state_.settings.led_mode_combo = true;
  const ComboState next = *Click(5, 0);
  EXPECT_TRUE(next.settings.led_mode_combo);
  EXPECT_EQ(ComboText(next, 2), "0E000000");
  EXPECT_EQ(SlotText(next, 0, 1), "01080002");
  EXPECT_EQ(SlotText(next, 0, 7), "09020008");
  EXPECT_EQ(ComboText(next, 4), "07D1F018");
}

TEST_F(ComboKeysTest, TheLedModeComboUndoesARightPlusForwardChoice) {
  Slot(0, 1, "01080000");
  Slot(0, 4, "01100002");
  Slot(0, 5, "0B000102");
  Combo(2, "07D1F018");
  state_.settings.mode_switch = ModeSwitchChoice::kRightForward;
  state_.settings.gun_key_switch = true;
  const ComboState next = *Click(1, 0);
  EXPECT_TRUE(next.settings.led_mode_combo);
  EXPECT_EQ(next.settings.mode_switch, ModeSwitchChoice::kNone);
  EXPECT_EQ(ComboText(next, 2), "0E000000");
  EXPECT_EQ(SlotText(next, 0, 1), "01080002");
  EXPECT_EQ(SlotText(next, 0, 4), "01100000");
  EXPECT_EQ(SlotText(next, 0, 5), "0B000100");
}

TEST_F(ComboKeysTest, TurningTheLedModeComboOffClearsComboKey2AndTheBackwardFlags) {
  Slot(1, 1, "01080002");
  Combo(2, "0E000000");
  state_.settings.led_mode_combo = true;
  const ComboState next = *Click(1, 1);
  EXPECT_FALSE(next.settings.led_mode_combo);
  EXPECT_EQ(ComboText(next, 2), "00000000");
  EXPECT_EQ(SlotText(next, 1, 1), "01080000");
}

TEST_F(ComboKeysTest, SelectorsFollowTheItemsForLaterAssignments) {
  Slot(0, 6, "01040000");
  const ComboState next = *Click(2, 0);
  EXPECT_EQ(next.selectors.functions[kMiddle], 0x08);
  KeyNamingState naming;
  naming.combo_flags = next.selectors.functions;
  EXPECT_EQ(FormatKeyCode(*KeyCodeForTag(902, naming)), "01040008");
}

TEST_F(ComboKeysTest, GunKeySwitchOfItem8ChangesOnlyProfile2) {
  Slot(0, 3, "0B000100");
  Slot(1, 3, "0B170300");
  Slot(1, 6, "09000008");
  Combo(4, "07D1F018");
  state_.settings.mode_switch = ModeSwitchChoice::kLongPressDpiLoop;
  ComboState next = *Click(8, 1);
  EXPECT_TRUE(next.settings.gun_key_switch);
  EXPECT_EQ(SlotText(next, 1, 3), "0B170308");
  EXPECT_EQ(SlotText(next, 0, 3), "0B000100");
  EXPECT_EQ(next.selectors.gun_flag, 0x08);
  next = ApplyGunKeySwitch(next, Names(), GunSwitchScope::kAllProfiles);
  EXPECT_EQ(SlotText(next, 0, 3), "0B000108");
}

TEST_F(ComboKeysTest, RewritesFunctionsNotMacrosNamedLikeThem) {
  Slot(0, 1, "10020000");
  Slot(0, 2, "01080000");
  KeyNamingState naming;
  naming.device_macros = {{0x0200, 20, "Backward"}};
  const KeyNames names = RefreshKeyNames(state_.profiles, state_.combo_keys, naming, texts_);
  ASSERT_EQ(names.profiles[0][1].text, "Backward");
  state_.settings.led_mode_combo = true;
  const ComboState next = ApplyLedModeCombo(state_, names);
  EXPECT_EQ(SlotText(next, 0, 1), "10020000");
  EXPECT_EQ(SlotText(next, 0, 2), "01080002");
}

TEST(GameModeSwitchCode, CarriesTheWholeOffset) {
  EXPECT_EQ(FormatKeyCode(GameModeSwitchCode(0x18)), "07D1F018");
  EXPECT_EQ(FormatKeyCode(GameModeSwitchCode(0x123)), "07D1F123");
  EXPECT_EQ(FormatKeyCode(GameModeSwitchCode(0x1000)), "07D1FFFF");
}

TEST_F(ComboKeysTest, ReadsBackTheSettingsOfA4230CFactoryImage) {
  for (int p = 0; p < 3; ++p) {
    Slot(p, 0, "01010000");
    Slot(p, 1, "01080002");
    Slot(p, 7, "09000008");
  }
  Slot(1, 2, "0B000108");
  Combo(2, "0E000000");
  Combo(4, "07D1F020");
  const KeyNames names = Names();
  EXPECT_TRUE(TLRefreshLEDModeFun(state_.profiles, names));
  const ComboSettings settings = TLRefreshFireFun(ComboSettings{}, state_.profiles, names);
  EXPECT_EQ(settings.mode_switch, ModeSwitchChoice::kLongPressDpiLoop);
  EXPECT_TRUE(settings.gun_key_switch);
  const ComboFlagSelectors selectors = RefreshFireFun({}, state_.profiles, names);
  EXPECT_EQ(selectors.functions[kBackward], 0x02);
  EXPECT_EQ(selectors.functions[kDpiLoop], 0x08);
  EXPECT_EQ(selectors.functions[kMiddle], 0x00);
  EXPECT_EQ(selectors.gun_flag, 0x08);
}

TEST_F(ComboKeysTest, ReadBackTakesTheLastMatch) {
  Slot(0, 0, "01040008");
  Slot(2, 0, "01100002");
  Combo(2, "07D1F018");
  Combo(4, "07D1F018");
  const ComboSettings settings = TLRefreshFireFun(ComboSettings{}, state_.profiles, Names());
  EXPECT_EQ(settings.mode_switch, ModeSwitchChoice::kRightForward);
}

TEST_F(ComboKeysTest, GunKeySwitchReadBackDependsOnTheProfile) {
  ComboSettings on;
  on.gun_key_switch = true;
  Slot(1, 0, "0B000108");  // flag without a game-mode combo key: Profile 2 leaves it
  EXPECT_TRUE(TLRefreshFireFun(on, state_.profiles, Names()).gun_key_switch);
  Slot(0, 0, "0B000108");  // the same in Profile 1 turns it off
  EXPECT_FALSE(TLRefreshFireFun(on, state_.profiles, Names()).gun_key_switch);
  Slot(0, 0, "00000000");
  Slot(1, 0, "0B000100");
  EXPECT_FALSE(TLRefreshFireFun(on, state_.profiles, Names()).gun_key_switch);
}

TEST_F(ComboKeysTest, SelectorsWithoutAMatchKeepTheirValue) {
  ComboFlagSelectors previous;
  previous.functions[kForward] = 0x40;
  previous.gun_flag = 0x08;
  Slot(0, 0, "01040008");
  const ComboFlagSelectors selectors = RefreshFireFun(previous, state_.profiles, Names());
  EXPECT_EQ(selectors.functions[kMiddle], 0x08);
  EXPECT_EQ(selectors.functions[kForward], 0x40);
  EXPECT_EQ(selectors.gun_flag, 0x00);
}

}  // namespace
}  // namespace kvrm
