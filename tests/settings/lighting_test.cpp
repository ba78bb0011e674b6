#include "settings/lighting.h"

#include <gtest/gtest.h>

namespace kvrm {
namespace {

TEST(LedEffects, OptionCodesPerType) {
  struct Case {
    uint8_t byte1;
    int shown_option;
    int chosen_option;
    std::optional<uint8_t> written;
  };
  const Case cases[] = {
      {0x82, 2, 5, 0x85},                              // MCU LED: option k is code k
      {0x92, 3, 5, 0x94},                              // NT, count index 1
      {0x92, 3, 4, std::nullopt},                      // NT offers no option 4
      {0x04, 5, 6, 0x05},                              // RGB
      {0x04, 5, 7, std::nullopt}, {0x41, 2, 3, 0x42},  // Sync
      {0x41, 2, 4, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LedOptionOf(c.byte1), c.shown_option) << int(c.byte1);
    EXPECT_EQ(LedModeByte(c.byte1, c.chosen_option), c.written) << int(c.byte1);
  }
  EXPECT_TRUE(LedOptionOffered(LedType::kMcuLed, 7));
  EXPECT_FALSE(LedOptionOffered(LedType::kRgb, 0));
}

TEST(LedEffects, SpeedStepsFollowTheOption) {
  EXPECT_TRUE(LedSpeedEnabledForOption(5));
  EXPECT_FALSE(LedSpeedEnabledForOption(6));
  EXPECT_FALSE(LedSpeedEnabledForOption(7));
  EXPECT_FALSE(LedSpeedEnabledAfterRead(0x90));
  EXPECT_TRUE(LedSpeedEnabledAfterRead(0x91));
  EXPECT_TRUE(LedSpeedEnabledAfterRead(0x00));
}

TEST(LedSpeed, StepsAndValues) {
  EXPECT_EQ(LedSpeedWrite(1), (ByteWrite{56, {50}}));
  EXPECT_EQ(LedSpeedWrite(10), (ByteWrite{56, {5}}));
  const std::pair<uint8_t, int> reads[] = {{48, 1}, {46, 1}, {45, 2}, {7, 9},  {6, 9},
                                           {5, 10}, {3, 10}, {0, 10}, {255, 1}};
  for (auto [value, step] : reads) EXPECT_EQ(LedSpeedStep(value), step) << int(value);
  for (int step = 1; step <= kLedSpeedSteps; ++step) {
    EXPECT_EQ(LedSpeedStep(LedSpeedValue(step)), step);
  }
  EXPECT_EQ(LedSpeedStepForSlider(0, 90), 1);
  EXPECT_EQ(LedSpeedStepForSlider(90, 90), 10);
}

TEST(LedColours, BaseColourWrite) {
  EXPECT_EQ(BaseColourWrite(3, {0x10, 0x20, 0x30}), (ByteWrite{63, {0x10, 0x20, 0x30}}));
}

TEST(McuLed, StepAndBrightnessBytes) {
  PatchHeaderAndMcuLed block{};
  block[0] = 0x55;
  block[12] = 0x33;
  const std::optional<PatchHeaderAndMcuLed> full =
      ApplyMcuLed(LedType::kMcuLed, block, {2, true, 13});
  ASSERT_TRUE(full);
  EXPECT_EQ((*full)[8], 5);
  EXPECT_EQ((*full)[9], 0x80);
  EXPECT_EQ((*full)[0], 0x55);
  EXPECT_EQ((*full)[12], 0x33);
  EXPECT_TRUE(SectionChecksumValid(std::span<const uint8_t>(*full).subspan(8)));
  EXPECT_EQ(McuLedStepOf((*full)[8]), 2);
  EXPECT_TRUE(McuLedFullBrightnessOf((*full)[9]));

  const PatchHeaderAndMcuLed half = *ApplyMcuLed(LedType::kMcuLed, block, {0, false, 4});
  EXPECT_EQ(half[9], 0x09);
  EXPECT_FALSE(McuLedFullBrightnessOf(half[9]));
  EXPECT_FALSE(ApplyMcuLed(LedType::kRgb, block, {}));
}

TEST(McuLed, StepReadBackAndSlider) {
  EXPECT_EQ(McuLedStepOf(7), 0);
  EXPECT_EQ(McuLedStepOf(0), 7);
  EXPECT_EQ(McuLedStepOf(8), 7);  // out of range counts as 0
  EXPECT_EQ(McuLedStepOf(0xFF), 7);
  EXPECT_EQ(McuLedStepForSlider(0, 70), 0);
  EXPECT_EQ(McuLedStepForSlider(70, 70), 7);
}

}  // namespace
}  // namespace kvrm
