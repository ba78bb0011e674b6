#include "keys/key_names.h"

#include <gtest/gtest.h>

#include "keys/key_texts.h"

namespace kvrm {
namespace {

using testing::Code;
using testing::EnglishKeyTexts;

CodeTexts OffTexts() {
  CodeTexts texts;
  texts.fill("00000000");
  return texts;
}

TEST(RefreshKeyNames, NamesAllSlotsAndComboKeys) {
  CodeTexts codes = OffTexts();
  codes[SlotTextIndex(1, 1)] = "01010000";
  codes[SlotTextIndex(2, 12)] = "09010008";
  codes[SlotTextIndex(3, 5)] = "not hex!";
  codes[ComboTextIndex(2)] = "0E000000";
  const KeyNames names = RefreshKeyNames(codes, KeyNamingState{}, EnglishKeyTexts());
  EXPECT_EQ(names.profiles[0][0].text, "Left Click");
  EXPECT_EQ(names.profiles[0][1].text, "Key Off");
  EXPECT_EQ(names.profiles[1][11].text, "DPI +");
  EXPECT_EQ(names.profiles[2][4].text, "");
  EXPECT_EQ(names.combo_keys[1].text, "LED Mode");
  EXPECT_TRUE(names.ProfileHasKey(1, "Str222"));
  EXPECT_FALSE(names.ProfileHasKey(0, "Str222"));
}

TEST(RefreshKeyNames, TheLastNamingOfEachSideEffectWins) {
  CodeTexts codes = OffTexts();
  codes[SlotTextIndex(1, 3)] = "0692003C";
  codes[SlotTextIndex(3, 1)] = "0612003C";
  codes[SlotTextIndex(2, 2)] = "07812000";
  codes[ComboTextIndex(4)] = "07D1F018";
  KeyNamingState state;
  state.fire_keys[0] = {3, 60};
  const KeyNames names = RefreshKeyNames(codes, state, EnglishKeyTexts());
  EXPECT_EQ(names.fire_key_continuous[0], false);
  EXPECT_FALSE(names.fire_key_continuous[1]);
  EXPECT_EQ(names.profile_colour_selections[1], 10);
  EXPECT_FALSE(names.profile_colour_selections[0]);
}

TEST(KeyCodes, StoreIntoSectionsAndTextsAndReadBack) {
  SectionCopies copies;
  CodeTexts texts = OffTexts();
  ProfileKeyCodes profiles{};
  ComboKeyCodes combo_keys{};
  profiles[1][10] = Code("05030000");
  combo_keys[3] = Code("07D1F020");
  StoreKeyCodes(profiles, combo_keys, copies, texts);
  EXPECT_EQ(texts[SlotTextIndex(2, 11)], "05030000");
  EXPECT_EQ(texts[ComboTextIndex(4)], "07D1F020");
  EXPECT_EQ(copies.profiles[1][40], 0x05);
  EXPECT_EQ(copies.vendor[vendor::kComboKeysOffset + 12], 0x07);
  EXPECT_EQ(ProfileKeyCodesOf(copies), profiles);
  EXPECT_EQ(ComboKeyCodesOf(copies), combo_keys);
}

}  // namespace
}  // namespace kvrm
