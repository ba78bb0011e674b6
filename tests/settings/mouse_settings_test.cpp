#include "settings/mouse_settings.h"

#include <gtest/gtest.h>

namespace kvrm {
namespace {

using Call = InMemoryMouseSettingsStore::Call;

TEST(MouseSettingTables, PointerSpeed) {
  const std::pair<std::optional<int>, int> reads[] = {
      {10, 6}, {11, 6}, {0, 1}, {19, 10}, {20, 11}, {25, 6}, {-1, 6}, {std::nullopt, 11}};
  for (auto [value, step] : reads) EXPECT_EQ(PointerStepForSpeed(value), step);
  EXPECT_EQ(PointerSpeedForStep(6), 10);
  EXPECT_EQ(PointerSpeedForStep(1), 1);
  EXPECT_EQ(PointerSpeedForStep(3), 4);
  EXPECT_EQ(PointerSpeedForStep(11), 20);
}

TEST(MouseSettingTables, DoubleClick) {
  const std::pair<std::optional<int>, int> reads[] = {
      {500, 7}, {899, 2}, {900, 1}, {5000, 1}, {270, 10}, {269, 11}, {0, 11}, {std::nullopt, 7}};
  for (auto [value, step] : reads) EXPECT_EQ(DoubleClickStepForTime(value), step);
  EXPECT_EQ(DoubleClickTimeForStep(7), 480);
  EXPECT_EQ(DoubleClickTimeForStep(11), 200);
  for (int step = 1; step <= kMouseSettingSteps; ++step) {
    EXPECT_EQ(DoubleClickStepForTime(DoubleClickTimeForStep(step)), step);
  }
}

TEST(MouseSettingTables, Wheel) {
  const std::pair<std::optional<int>, int> reads[] = {{0, 3},   {1, 1},   {11, 11},
                                                      {12, 11}, {-5, 11}, {std::nullopt, 2}};
  for (auto [value, step] : reads) EXPECT_EQ(WheelStepForLines(value), step);
}

TEST(MouseSettingSliders, SnapToElevenSteps) {
  const std::pair<int, int> cases[] = {{-50, 1}, {-7, 1}, {6, 1}, {20, 2}, {279, 11}, {400, 11}};
  for (auto [x, step] : cases) EXPECT_EQ(MouseSliderStep(x), step) << x;
}

TEST(MouseSettings, StartUpReadShowsWithoutApplying) {
  InMemoryMouseSettingsStore store;
  store.pointer_speed = 25;
  store.precision_speed = 2;
  store.precision_threshold1 = 4;
  store.precision_threshold2 = 12;
  store.double_click_time = std::nullopt;
  store.wheel_lines = -1;
  const MouseSettings settings = ReadMouseSettings(store);
  EXPECT_EQ(settings.pointer_step, 6);
  EXPECT_EQ(settings.applied_speed, 25);
  EXPECT_TRUE(settings.precision);
  EXPECT_EQ(settings.applied_acceleration, (PointerAcceleration{2, 4, 12}));
  EXPECT_EQ(settings.double_click_step, 7);
  EXPECT_EQ(settings.applied_double_click, 480);
  EXPECT_TRUE(settings.one_screen);
  EXPECT_EQ(settings.remembered_wheel_step, 1);
  EXPECT_TRUE(store.applied_calls.empty());
}

TEST(MouseSettings, OneScreenOffAfterAStartWithMinusOneWritesOneLine) {
  InMemoryMouseSettingsStore store;
  store.wheel_lines = -1;
  MouseSettings settings = ReadMouseSettings(store);
  ToggleOneScreen(settings);
  ApplyMouseSettings(settings, store);
  EXPECT_EQ(store.wheel_lines, 1);
  EXPECT_EQ(store.applied_wheel_lines, 1);
  ToggleOneScreen(settings);
  ApplyMouseSettings(settings, store);
  EXPECT_EQ(store.wheel_lines, kOneScreenPerNotch);
}

TEST(MouseSettings, ApplyWritesThenCallsTheSystemInOrder) {
  InMemoryMouseSettingsStore store;
  store.precision_speed = 0;
  store.precision_threshold1 = 0;
  store.precision_threshold2 = 0;
  MouseSettings settings = ReadMouseSettings(store);
  SetPointerStep(settings, 3);
  TogglePrecision(settings);
  ApplyMouseSettings(settings, store);
  EXPECT_EQ(store.pointer_speed, 4);
  EXPECT_EQ(store.precision_speed, 1);
  EXPECT_EQ(store.precision_threshold1, 6);
  EXPECT_EQ(store.precision_threshold2, 10);
  EXPECT_EQ(store.applied_speed, 4);
  EXPECT_EQ(store.applied_acceleration, kPrecisionOn);
  EXPECT_EQ(store.applied_calls, (std::vector<Call>{Call::kPointerSpeed, Call::kAcceleration,
                                                    Call::kDoubleClickTime, Call::kWheelLines}));
}

TEST(MouseSettings, AnUnavailableGroupKeepsThePreviousAppliedValues) {
  InMemoryMouseSettingsStore store;
  MouseSettings settings = ReadMouseSettings(store);
  store.pointer_group_available = false;
  SetPointerStep(settings, 11);
  SetDoubleClickStep(settings, 1);
  SetWheelStep(settings, 9);
  ApplyMouseSettings(settings, store);
  EXPECT_EQ(store.pointer_speed, 10);
  EXPECT_EQ(store.applied_speed, 10);
  EXPECT_EQ(store.applied_double_click, 500);
  EXPECT_EQ(store.wheel_lines, 9);
  EXPECT_EQ(settings.remembered_wheel_step, 9);
}

}  // namespace
}  // namespace kvrm
