#include "settings/dpi.h"

#include <gtest/gtest.h>

#include "keys/key_texts.h"

namespace kvrm {
namespace {

using testing::Code;
using testing::EnglishKeyTexts;

TEST(Sliders, SnapToTheirSteps) {
  struct Case {
    int position;
    int length;
    int index;
  };
  const Case cases[] = {
      {1100, 1100, 11}, {0, 1100, 0},     {-100, 1100, 0}, {50, 1100, 0},  {51, 1100, 1},
      {649, 1100, 6},   {1051, 1100, 11}, {0, 220, 0},     {219, 220, 11},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapSliderIndex(c.position, c.length, kDpiSliderSteps), c.index) << c.position;
  }
  EXPECT_EQ(GetSliderRulerByX(279, 11, -7, 26), 1000);
  EXPECT_EQ(GetSliderRulerByX(280, 11, -7, 26), 1100);
}

TEST(StepImages, LightOneImageInBarModeAndARowOtherwise) {
  EXPECT_EQ(StepImagesLit(4, 3, true), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(StepImagesLit(4, 3, false), (std::vector<bool>{true, true, true, false}));
}

TEST(DpiValues, ShowTheTableTexts) {
  const LanguageTable texts = EnglishKeyTexts();
  EXPECT_EQ(GetDisplayByIndex(1, texts), "200");
  EXPECT_EQ(GetDisplayByIndex(12, texts), "6400");
  EXPECT_EQ(GetDisplayByIndex(kDpiLevelUnset + 1, texts), "");
  EXPECT_EQ(GetDisplayByIndex(0, texts), "");
}

TEST(DpiLevels, AValueChangeWritesItsPairAndReselectsTheActiveLevel) {
  VendorSection vendor{};
  vendor::SetDpiLevelIndex(vendor, 4, 2);
  vendor::SetDpiLevelIndex(vendor, 3, 7);
  std::vector<ByteWrite> writes = DpiLevelValueWrites(vendor, 3, 0);
  EXPECT_EQ(writes, (std::vector<ByteWrite>{{45, {0x27}}, {166, {1}}, {166, {0}}}));
  writes = DpiLevelValueWrites(vendor, 4, 5);
  EXPECT_EQ(writes, (std::vector<ByteWrite>{{45, {0x27}}, {166, {4}}, {166, {5}}}));
}

TEST(DpiLevels, CountActiveLevelAndColourWrites) {
  EXPECT_EQ(DpiLevelCountWrite(6), (ByteWrite{43, {5}}));
  EXPECT_EQ(ActiveDpiLevelWrite(3), (ByteWrite{166, {3}}));
  EXPECT_EQ(DpiLevelColourWrite(2, {1, 2, 3}), (ByteWrite{90, {1, 2, 3}}));
}

class AimKeyTest : public ::testing::Test {
 protected:
  KeyNames Names() {
    return RefreshKeyNames(profiles_, ComboKeyCodes{}, KeyNamingState{}, EnglishKeyTexts());
  }
  ProfileKeyCodes profiles_{};
};

TEST_F(AimKeyTest, SettingRewritesEveryAimKey) {
  AimKeyUpdate update = SettingAIMKey(6, Names(), profiles_);
  EXPECT_FALSE(update.found);
  EXPECT_EQ(update.profiles, profiles_);
  profiles_[1][10] = Code("05000000");
  profiles_[2][0] = Code("05FF0000");
  update = SettingAIMKey(6, Names(), profiles_);
  EXPECT_TRUE(update.found);
  EXPECT_EQ(FormatKeyCode(update.profiles[1][10]), "05060000");
  EXPECT_EQ(FormatKeyCode(update.profiles[2][0]), "05060000");
}

TEST_F(AimKeyTest, RefreshShowsTheLastAimKeyOfTheActiveProfile) {
  EXPECT_FALSE(RefreshAIMKey(0, Names(), profiles_).has_aim_key);
  profiles_[0][2] = Code("05030000");
  profiles_[0][9] = Code("05080000");
  profiles_[1][0] = Code("05FF0000");
  AimDisplay display = RefreshAIMKey(0, Names(), profiles_);
  EXPECT_TRUE(display.has_aim_key);
  EXPECT_EQ(display.level_index, 8);
  display = RefreshAIMKey(1, Names(), profiles_);
  EXPECT_EQ(GetDisplayByIndex(display.level_index + 1, EnglishKeyTexts()), "");
  EXPECT_FALSE(RefreshAIMKey(2, Names(), profiles_).has_aim_key);
}

TEST(ReportRate, KeepsTheOtherBitsAndRestartsOnlyOnAChange) {
  VendorSection vendor{};
  vendor[4] = 0xD9;  // 250 Hz among other settings
  EXPECT_EQ(ReportRateHz(vendor), 250);
  EXPECT_EQ(ReportRateOption(vendor), 2);
  ReportRateChange change = ChooseReportRate(vendor, 2, 250);
  EXPECT_FALSE(change.restart);
  EXPECT_EQ(change.write, (ByteWrite{4, {0xD9}}));
  change = ChooseReportRate(vendor, 4, 250);
  EXPECT_TRUE(change.restart);
  EXPECT_EQ(change.write, (ByteWrite{4, {0xF9}}));
  EXPECT_EQ(ReportRateHz(change.vendor), 1000);
}

}  // namespace
}  // namespace kvrm
