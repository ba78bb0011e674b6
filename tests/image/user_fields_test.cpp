#include "image/user_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kvrm::test {
namespace {

using namespace kvrm::user;

TEST(UserFieldsTest, LedTypeTexts) {
  for (auto [text, type] : {std::pair{"RGB", LedType::kRgb},
                            {"Sync", LedType::kSync},
                            {"NT", LedType::kNt},
                            {"MCULED", LedType::kMcuLed},
                            {"", LedType::kOther},
                            {"mculed", LedType::kOther}}) {
    EXPECT_EQ(LedTypeFromText(text), type) << text;
  }
  EXPECT_EQ(LedTypeText(LedType::kMcuLed), "MCULED");
  EXPECT_EQ(LedTypeText(LedType::kOther), "");
}

TEST(UserFieldsTest, LedByteReadsBackIntoTypeModeAndCount) {
  struct Case {
    uint8_t byte;
    LedType type;
    int mode, count_index;
  };
  const Case cases[] = {
      {0x00, LedType::kRgb, 0, 0},
      {0x05, LedType::kRgb, 5, 0},
      {0x42, LedType::kSync, 2, 0},
      {0x82, LedType::kMcuLed, 1, 0},
      {0x81, LedType::kMcuLed, 0, 0},
      {0x87, LedType::kMcuLed, 6, 0},
      {0x80, LedType::kMcuLed, kNoLedMode, 0},
      {0x8A, LedType::kMcuLed, kNoLedMode, 0},
      {0x92, LedType::kNt, 2, 1},
      {0xA4, LedType::kNt, 4, 2},
      {0xC0, LedType::kNt, 0, 4},
      {0xF5, LedType::kNt, 5, 7},
  };
  for (const Case& c : cases) {
    const LedSetting s = DecodeLedByte(c.byte);
    EXPECT_EQ(s.type, c.type) << int{c.byte};
    EXPECT_EQ(s.mode, c.mode) << int{c.byte};
    EXPECT_EQ(s.count_index, c.count_index) << int{c.byte};
  }
}

TEST(UserFieldsTest, LedByteEncodingByType) {
  struct Case {
    LedSetting setting;
    uint8_t byte;
  };
  const Case cases[] = {
      {{LedType::kRgb, 6, 0}, 0x06},
      {{LedType::kOther, 5, 0}, 0x05},
      {{LedType::kSync, 2, 0}, 0x42},
      {{LedType::kNt, 4, 2}, 0xA4},
      {{LedType::kNt, 5, 7}, 0xF5},
      {{LedType::kMcuLed, 0, 0}, 0x81},
      {{LedType::kMcuLed, 6, 0}, 0x87},
      // Out-of-range values stay inside their type.
      {{LedType::kMcuLed, 9, 0}, 0x87},
      {{LedType::kSync, 7, 0}, 0x42},
      {{LedType::kRgb, -1, 0}, 0x00},
      {{LedType::kNt, 2, 9}, 0xF2},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeLedByte(c.setting), c.byte) << int{c.byte};
}

TEST(UserFieldsTest, NtWithCountIndexZeroReadsBackAsMcuLed) {
  const LedSetting s = DecodeLedByte(EncodeLedByte({LedType::kNt, 2, 0}));
  EXPECT_EQ(s.type, LedType::kMcuLed);
  EXPECT_EQ(s.mode, 1);
}

TEST(UserFieldsTest, ProfileByteKeepsTheOtherNibble) {
  UserSection user{};
  user[0] = 0x30;
  SetActiveProfile(user, 2);
  EXPECT_EQ(user[0], 0x32);
  SetProfileColour(user, 15);
  EXPECT_EQ(user[0], 0xF2);
  EXPECT_EQ(ActiveProfile(user), 2);
  EXPECT_EQ(ProfileColour(user), 15);
}

TEST(UserFieldsTest, ColourSelectionShownFromByte0) {
  for (auto [byte0, selection] : {std::pair{0x31, std::optional<int>{3}},
                                  {0xF1, std::optional<int>{10}},
                                  {0x90, std::optional<int>{9}},
                                  {0xA0, std::optional<int>{}},
                                  {0xE2, std::optional<int>{}}}) {
    UserSection user{};
    user[0] = static_cast<uint8_t>(byte0);
    EXPECT_EQ(ProfileColourSelection(user), selection) << byte0;
  }
}

TEST(UserFieldsTest, KeyOptionBitsKeepTheOthers) {
  UserSection user{};
  user[3] = 0xF0;
  SetButtonEffect(user, true);
  SetGunMode(user, true);
  EXPECT_EQ(user[3], 0xF5);
  EXPECT_TRUE(ButtonEffectOn(user));
  SetButtonEffect(user, false);
  EXPECT_EQ(user[3], 0xF4);
  EXPECT_TRUE(GunModeOn(user));
  EXPECT_FALSE(ButtonEffectOn(user));
}

TEST(UserFieldsTest, CurrentDpiLevel) {
  UserSection user{};
  SetCurrentDpiLevel(user, 5);
  EXPECT_EQ(user[2], 5);
  SetCurrentDpiLevel(user, 9);
  EXPECT_EQ(CurrentDpiLevel(user), 7);
}

TEST(UserFieldsTest, GunOffsetsAreSigned) {
  UserSection user{};
  user[7] = 0xFF;
  user[26] = 0x80;
  EXPECT_EQ(GunXOffset(user, 0), -1);
  EXPECT_EQ(GunYOffset(user, 9), -128);
  SetGunXOffset(user, 3, 200);
  SetGunYOffset(user, 0, -5);
  SetGunYOffset(user, 1, -300);
  EXPECT_EQ(user[10], 0x7F);
  EXPECT_EQ(user[17], 0xFB);
  EXPECT_EQ(user[18], 0x80);
  EXPECT_THROW(GunXOffset(user, 10), std::out_of_range);
  EXPECT_THROW(SetGunYOffset(user, -1, 0), std::out_of_range);
}

struct Write {
  int offset;
  int value;
  bool operator==(const Write&) const = default;
};

std::vector<Write> Writes(const ProfileActivation& a) {
  std::vector<Write> out;
  for (const ActivationWrite& w : a.writes) out.push_back({w.image_offset, w.value});
  return out;
}

std::vector<Write> Expected(int b3, int b4, int b6, int b0) {
  return {{167, b3}, {168, b4}, {169, 0}, {170, b6}, {164, b0}};
}

TEST(UserFieldsTest, PageActivationValues) {
  struct Case {
    int profile;
    ActivationInputs inputs;
    std::vector<Write> writes;
    uint8_t byte0_after;
  };
  const Case cases[] = {
      {0, {false, false, 1, 3, 0}, Expected(0, 0, 0, 0x30), 0x00},
      {0, {true, false, 1, 10, 0}, Expected(1, 0, 0, 0xF0), 0x00},
      {1, {true, true, 1, 3, 24}, Expected(5, 0x0F, 24, 0xF1), 0xF1},
      {1, {false, true, 0, 2, 32}, Expected(4, 0x0F, 32, 0xF1), 0xF1},
      {1, {true, false, 0, 2, 32}, Expected(0, 0x0F, 32, 0x21), 0xF1},
      {1, {false, false, 0, 10, 24}, Expected(0, 0x0F, 24, 0xF1), 0xF1},
      {2, {true, true, 1, 4, 24}, Expected(1, 0, 0, 0x42), 0x02},
      {2, {false, false, 0, 10, 24}, Expected(0, 0, 0, 0xF2), 0x02},
  };
  for (const Case& c : cases) {
    const ProfileActivation a = PageActivation(c.profile, c.inputs);
    EXPECT_EQ(Writes(a), c.writes) << c.profile << " colour " << c.inputs.colour;
    EXPECT_EQ(a.byte0_after, c.byte0_after);
  }
}

TEST(UserFieldsTest, EngineerActivationValues) {
  struct Case {
    int profile;
    ActivationInputs inputs;
    std::vector<Write> writes;
  };
  const Case cases[] = {
      {1, {false, true, 1, 3, 0x18}, Expected(0, 0x0F, 0x18, 0x31)},
      {1, {true, true, 1, 3, 0x18}, Expected(5, 0x0F, 0x18, 0x31)},
      {1, {true, false, 1, 10, 0x1FF}, Expected(1, 0x0F, 0xFF, 0xF1)},
      {0, {true, true, 1, 2, 0x18}, Expected(1, 0, 0, 0x20)},
      {2, {false, false, 1, 10, 0x18}, Expected(0, 0, 0, 0xF2)},
  };
  for (const Case& c : cases) {
    const ProfileActivation a = EngineerActivation(c.profile, c.inputs);
    EXPECT_EQ(Writes(a), c.writes) << c.profile;
    EXPECT_EQ(a.byte0_after, a.writes[4].value);
  }
}

}  // namespace
}  // namespace kvrm::test
