#include "settings/fire_keys.h"

#include <gtest/gtest.h>

#include "keys/key_texts.h"

namespace kvrm {
namespace {

using testing::Code;
using testing::EnglishKeyTexts;

TEST(FireKeyEdits, ClampAsTheCaptionsPromise) {
  struct Case {
    const char* text;
    int previous;
    const char* shown;
    int value;
  };
  const Case repeat[] = {
      {"", 5, "2", 2},  {"20", 5, "15", 15}, {"0", 5, "2", 2},
      {"1", 5, "1", 2},  // may become 10..15 while typing, but 1 never reaches the mouse
      {"7", 5, "7", 7}, {"abc", 5, "5", 5},  {"99999999999999", 5, "15", 15},
  };
  for (const Case& c : repeat) {
    const FireKeyEdit edit = RepeatEditChanged(c.text, c.previous);
    EXPECT_EQ(edit.text, c.shown) << c.text;
    EXPECT_EQ(edit.value, c.value) << c.text;
  }
  EXPECT_EQ(RepeatEditLeft("1", 5).text, "2");
  EXPECT_EQ(RepeatEditLeft("12", 5).text, "12");

  const Case interval[] = {
      {"", 60, "1", 1},    {"0", 60, "1", 1},    {"5000", 60, "4094", 4094},
      {"60", 1, "60", 60}, {"-3", 33, "33", 33},
  };
  for (const Case& c : interval) {
    const FireKeyEdit edit = IntervalEditChanged(c.text, c.previous);
    EXPECT_EQ(edit.text, c.shown) << c.text;
    EXPECT_EQ(edit.value, c.value) << c.text;
  }
  EXPECT_TRUE(FireKeyEditAccepts('7'));
  EXPECT_TRUE(FireKeyEditAccepts('\b'));
  EXPECT_FALSE(FireKeyEditAccepts('-'));
}

class SettingFireKeyTest : public ::testing::Test {
 protected:
  KeyNames Names(bool suppress = false) {
    KeyNamingState state;
    state.fire_keys = remembered_;
    state.suppress_continuous_copy = suppress;
    return RefreshKeyNames(profiles_, ComboKeyCodes{}, state, EnglishKeyTexts());
  }

  FireKeySettings remembered_{FireKeySetting{3, 60}, FireKeySetting{5, 100},
                              FireKeySetting{8, 200}};
  ProfileKeyCodes profiles_{};
  FireKeyBlock block_{0xAA, 0xBB, 2, 0, 60, 4, 0, 100, 7, 0, 200, 0xCC};
};

TEST_F(SettingFireKeyTest, RewritesBlockAndEverySlotOfTheFireKey) {
  profiles_[0][2] = Code("0612003C");
  profiles_[2][7] = Code("0612003C");
  profiles_[1][0] = Code("06140064");
  FireKeySettings edits = remembered_;
  edits[0].repeat = 15;
  edits[0].interval = 4094;
  const FireKeyUpdate update = SettingFireKey(edits, Names(), profiles_, block_);
  EXPECT_EQ(update.block[2], 0x0E);
  EXPECT_EQ(update.block[3], 0x0F);
  EXPECT_EQ(update.block[4], 0xFE);
  EXPECT_EQ(update.block[0], 0xAA);
  EXPECT_EQ(update.block[11], 0xCC);
  EXPECT_EQ(FormatKeyCode(update.profiles[0][2]), "061E0FFE");
  EXPECT_EQ(FormatKeyCode(update.profiles[2][7]), "061E0FFE");
  EXPECT_EQ(FormatKeyCode(update.profiles[1][0]), "06140064");
  EXPECT_EQ(update.fire_keys[0].repeat, 15);
}

TEST_F(SettingFireKeyTest, AContinuousFireKeyGetsBit7) {
  profiles_[0][2] = Code("0692003C");
  FireKeySettings edits = remembered_;
  edits[0].repeat = 15;
  const FireKeyUpdate update = SettingFireKey(edits, Names(), profiles_, block_);
  EXPECT_EQ(FormatKeyCode(update.profiles[0][2]), "069E003C");
  EXPECT_TRUE(update.fire_keys[0].continuous);
}

TEST_F(SettingFireKeyTest, AFireKeyWithoutSlotsStillWritesItsBlockBytes) {
  FireKeySettings edits = remembered_;
  edits[2].interval = 1;
  const FireKeyUpdate update = SettingFireKey(edits, Names(), profiles_, block_);
  EXPECT_EQ(update.block[9], 0x00);
  EXPECT_EQ(update.block[10], 0x01);
  EXPECT_EQ(update.profiles, profiles_);
}

TEST_F(SettingFireKeyTest, EqualFireKeysRewriteEachOthersSlots) {
  remembered_[1] = remembered_[0];
  profiles_[0][0] = Code("0612003C");
  profiles_[0][1] = Code("0612003C");
  FireKeySettings edits = remembered_;
  edits[0].interval = 80;
  const FireKeyUpdate update = SettingFireKey(edits, Names(), profiles_, block_);
  EXPECT_EQ(FormatKeyCode(update.profiles[0][0]), "06120050");
  EXPECT_EQ(FormatKeyCode(update.profiles[0][1]), "06120050");
}

TEST_F(SettingFireKeyTest, ToggledContinuousChangesTheCodesButNotTheBlock) {
  profiles_[0][4] = Code("06140064");
  profiles_[2][9] = Code("06140064");
  FireKeySettings edits = remembered_;
  edits[1].continuous = true;
  const FireKeyUpdate update = SettingFireKey(edits, Names(/*suppress=*/true), profiles_, block_);
  EXPECT_EQ(FormatKeyCode(update.profiles[0][4]), "06940064");
  EXPECT_EQ(FormatKeyCode(update.profiles[2][9]), "06940064");
  EXPECT_EQ(update.block, block_);
}

TEST_F(SettingFireKeyTest, ValuesOutsideTheRangesAreNeverWritten) {
  FireKeySettings edits = remembered_;
  edits[0] = {256, 0};
  const FireKeyUpdate update = SettingFireKey(edits, Names(), profiles_, block_);
  EXPECT_EQ(update.block[2], 14);
  EXPECT_EQ(update.block[4], 1);
}

TEST_F(SettingFireKeyTest, RefreshShowsTheActiveProfilesLastSlot) {
  profiles_[1][0] = Code("0612003C");
  profiles_[1][5] = Code("0692003C");
  profiles_[2][0] = Code("06140064");
  const FireKeySettings shown = RefreshFireKey(remembered_, 1, Names(), profiles_);
  EXPECT_TRUE(shown[0].continuous);
  EXPECT_EQ(shown[0].repeat, 3);
  EXPECT_EQ(shown[0].interval, 60);
  EXPECT_FALSE(shown[1].continuous);
  EXPECT_EQ(RefreshFireKey(remembered_, 7, Names(), profiles_)[0].continuous, false);
}

TEST(FireKeyBlock, HoldsRepeatMinusOneAndTheInterval) {
  const FireKeyBlock block{0, 0, 2, 0, 60, 14, 0x0F, 0xFE, 0, 0, 1, 0};
  const FireKeySettings settings = FireKeySettingsFromBlock(block);
  EXPECT_EQ(settings[0].repeat, 3);
  EXPECT_EQ(settings[0].interval, 60);
  EXPECT_EQ(settings[1].repeat, 15);
  EXPECT_EQ(settings[1].interval, 4094);
  EXPECT_EQ(settings[2].repeat, 1);
}

}  // namespace
}  // namespace kvrm
