#include "image/profile_codes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kvrm::test {
namespace {

TEST(ProfileCodesTest, CodeTextIsEightUppercaseDigitsB0First) {
  EXPECT_EQ(CodeText({0x01, 0x08, 0x00, 0x02}), "01080002");
  EXPECT_EQ(CodeText({0x06, 0x92, 0x00, 0x3C}), "0692003C");
  EXPECT_EQ(CodeText({0xFF, 0xAB, 0xCD, 0xEF}), "FFABCDEF");
}

TEST(ProfileCodesTest, ParsingAcceptsOnlyEightHexDigits) {
  EXPECT_EQ(ParseCodeText("07D1F018"), (CodeBytes{0x07, 0xD1, 0xF0, 0x18}));
  EXPECT_EQ(ParseCodeText("0e00ab00"), (CodeBytes{0x0E, 0x00, 0xAB, 0x00}));
  for (const char* bad :
       {"", "0101000", "010100000", "0101000G", " 1010000", "0x010000", "-1010000", "0101 000"}) {
    EXPECT_EQ(ParseCodeText(bad), std::nullopt) << '"' << bad << '"';
  }
}

TEST(ProfileCodesTest, TextPositions) {
  EXPECT_EQ(SlotTextIndex(1, 1), 0u);
  EXPECT_EQ(SlotTextIndex(2, 4), 15u);
  EXPECT_EQ(SlotTextIndex(3, 12), 35u);
  EXPECT_EQ(ComboTextIndex(1), 36u);
  EXPECT_EQ(ComboTextIndex(9), 44u);
}

TEST(ProfileCodesTest, TextsComeFromTheProfileAndVendorCopies) {
  SectionCopies copies;
  SetSlotCode(copies.profiles[0], 1, {0x01, 0x01, 0x00, 0x00});
  SetSlotCode(copies.profiles[2], 12, {0x09, 0x00, 0x00, 0x08});
  copies.vendor[131] = 0x0E;
  copies.vendor[159] = 0x07;
  copies.vendor[162] = 0x20;
  const CodeTexts texts = CodeTextsFromSections(copies);
  EXPECT_EQ(texts[0], "01010000");
  EXPECT_EQ(texts[1], "00000000");
  EXPECT_EQ(texts[35], "09000008");
  EXPECT_EQ(texts[ComboTextIndex(2)], "0E000000");
  EXPECT_EQ(texts[ComboTextIndex(9)], "07000020");
}

TEST(ProfileCodesTest, StoreSlotCodeUpdatesTextAndBytesTogether) {
  SectionCopies copies;
  CodeTexts texts;
  ASSERT_TRUE(StoreSlotCode(copies, texts, 2, 4, "09010008"));
  EXPECT_EQ(texts[SlotTextIndex(2, 4)], "09010008");
  EXPECT_EQ(std::vector<uint8_t>(copies.profiles[1].begin() + 12, copies.profiles[1].begin() + 16),
            (std::vector<uint8_t>{0x09, 0x01, 0x00, 0x08}));
  ASSERT_TRUE(StoreSlotCode(copies, texts, 3, 12, "0b1703ff"));
  EXPECT_EQ(texts[35], "0B1703FF");
  EXPECT_EQ(SlotCode(copies.profiles[2], 12), (CodeBytes{0x0B, 0x17, 0x03, 0xFF}));
}

TEST(ProfileCodesTest, RejectedStoresChangeNothing) {
  SectionCopies copies;
  CodeTexts texts;
  texts.fill("00000000");
  const SectionCopies before = copies;
  struct Case {
    int profile, slot;
    const char* code;
  };
  for (const Case& c : {Case{1, 1, "0101000"}, Case{1, 1, "ZZ010000"}, Case{0, 1, "01010000"},
                        Case{4, 1, "01010000"}, Case{1, 0, "01010000"}, Case{1, 13, "01010000"}}) {
    EXPECT_FALSE(StoreSlotCode(copies, texts, c.profile, c.slot, c.code)) << c.code;
  }
  EXPECT_FALSE(StoreComboCode(copies, texts, 10, "0E000000"));
  EXPECT_FALSE(StoreComboCode(copies, texts, 2, "0E00000"));
  EXPECT_EQ(copies.profiles, before.profiles);
  EXPECT_EQ(copies.vendor, before.vendor);
  EXPECT_THAT(texts, ::testing::Each("00000000"));
}

TEST(ProfileCodesTest, StoreComboCodeWritesTheVendorTable) {
  SectionCopies copies;
  CodeTexts texts;
  ASSERT_TRUE(StoreComboCode(copies, texts, 4, "07D1F020"));
  EXPECT_EQ(texts[ComboTextIndex(4)], "07D1F020");
  EXPECT_EQ(std::vector<uint8_t>(copies.vendor.begin() + 139, copies.vendor.begin() + 143),
            (std::vector<uint8_t>{0x07, 0xD1, 0xF0, 0x20}));
}

TEST(ProfileCodesTest, SlotsOutsideTheSectionThrow) {
  ProfileSection profile{};
  EXPECT_THROW(SlotCode(profile, 13), std::out_of_range);
  EXPECT_THROW(SetSlotCode(profile, 0, {}), std::out_of_range);
}

}  // namespace
}  // namespace kvrm::test
