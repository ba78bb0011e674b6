#include "settings/mouse_settings.h"

#include <algorithm>

#include "settings/dpi.h"

namespace kvrm {
namespace {

// The slider track: 26 pixels per step, the first mark 7 pixels in.
constexpr int kSliderStart = -7;
constexpr int kSliderStepWidth = 26;

constexpr int kMissingSpeed = 20;
constexpr int kMissingDoubleClick = 480;
constexpr int kMissingWheelLines = 2;

int ClampStep(int step) {
  return std::clamp(step, 1, kMouseSettingSteps);
}

}  // namespace

bool InMemoryMouseSettingsStore::SetPointerGroup(int speed, const PointerAcceleration& precision,
                                                 int double_click_ms) {
  if (!pointer_group_available) return false;
  pointer_speed = speed;
  precision_speed = precision.speed;
  precision_threshold1 = precision.threshold1;
  precision_threshold2 = precision.threshold2;
  double_click_time = double_click_ms;
  return true;
}

bool InMemoryMouseSettingsStore::SetWheelLines(int lines) {
  if (!wheel_group_available) return false;
  wheel_lines = lines;
  return true;
}

void InMemoryMouseSettingsStore::ApplyPointerSpeed(int speed) {
  applied_calls.push_back(Call::kPointerSpeed);
  applied_speed = speed;
}

void InMemoryMouseSettingsStore::ApplyAcceleration(const PointerAcceleration& precision) {
  applied_calls.push_back(Call::kAcceleration);
  applied_acceleration = precision;
}

void InMemoryMouseSettingsStore::ApplyDoubleClickTime(int ms) {
  applied_calls.push_back(Call::kDoubleClickTime);
  applied_double_click = ms;
}

void InMemoryMouseSettingsStore::ApplyWheelLines(int lines) {
  applied_calls.push_back(Call::kWheelLines);
  applied_wheel_lines = lines;
}

int PointerSpeedForStep(int step) {
  step = ClampStep(step);
  return step == 1 ? 1 : 2 * (step - 1);
}

int PointerStepForSpeed(std::optional<int> speed) {
  const int value = speed.value_or(kMissingSpeed);
  if (value >= 0 && value <= 19) return value / 2 + 1;
  if (value == 20) return kMouseSettingSteps;
  return 6;
}

int DoubleClickTimeForStep(int step) {
  return 900 - 70 * (ClampStep(step) - 1);
}

int DoubleClickStepForTime(std::optional<int> ms) {
  const int value = ms.value_or(kMissingDoubleClick);
  if (value >= DoubleClickTimeForStep(1)) return 1;
  for (int step = 2; step < kMouseSettingSteps; ++step) {
    if (value >= DoubleClickTimeForStep(step)) return step;
  }
  return kMouseSettingSteps;
}

int WheelStepForLines(std::optional<int> lines) {
  const int value = lines.value_or(kMissingWheelLines);
  if (value == 0) return 3;
  if (value >= 1 && value <= kMouseSettingSteps) return value;
  return kMouseSettingSteps;
}

MouseSettings ReadMouseSettings(const MouseSettingsStore& store) {
  MouseSettings settings;
  if (store.PointerGroupAvailable()) {
    const std::optional<int> speed = store.PointerSpeed();
    settings.applied_speed = speed.value_or(kMissingSpeed);
    settings.pointer_step = PointerStepForSpeed(speed);
    settings.applied_acceleration = {store.PrecisionSpeed().value_or(0),
                                     store.PrecisionThreshold1().value_or(0),
                                     store.PrecisionThreshold2().value_or(0)};
    settings.precision = settings.applied_acceleration != kPrecisionOff;
    const std::optional<int> double_click = store.DoubleClickTime();
    settings.applied_double_click = double_click.value_or(kMissingDoubleClick);
    settings.double_click_step = DoubleClickStepForTime(double_click);
  }
  if (store.WheelGroupAvailable()) {
    const std::optional<int> lines = store.WheelLines();
    settings.applied_wheel_lines = lines.value_or(kMissingWheelLines);
    settings.one_screen = lines == kOneScreenPerNotch;
    settings.wheel_step = settings.one_screen ? 1 : WheelStepForLines(lines);
    settings.remembered_wheel_step = settings.wheel_step;
  }
  return settings;
}

void SetPointerStep(MouseSettings& settings, int step) {
  settings.pointer_step = ClampStep(step);
}

void SetDoubleClickStep(MouseSettings& settings, int step) {
  settings.double_click_step = ClampStep(step);
}

void SetWheelStep(MouseSettings& settings, int step) {
  settings.wheel_step = ClampStep(step);
  settings.remembered_wheel_step = settings.wheel_step;
}

void TogglePrecision(MouseSettings& settings) {
  settings.precision = !settings.precision;
}

void ToggleOneScreen(MouseSettings& settings) {
  settings.one_screen = !settings.one_screen;
  if (!settings.one_screen) settings.wheel_step = settings.remembered_wheel_step;
}

int MouseSliderStep(int x) {
  const int position =
      std::min(GetSliderRulerByX(x, kMouseSettingSteps, kSliderStart, kSliderStepWidth),
               (kMouseSettingSteps - 1) * 100);
  return position / 100 + 1;
}

void ApplyMouseSettings(MouseSettings& settings, MouseSettingsStore& store) {
  const int speed = PointerSpeedForStep(settings.pointer_step);
  const PointerAcceleration acceleration = settings.precision ? kPrecisionOn : kPrecisionOff;
  const int double_click = DoubleClickTimeForStep(settings.double_click_step);
  if (store.SetPointerGroup(speed, acceleration, double_click)) {
    settings.applied_speed = speed;
    settings.applied_acceleration = acceleration;
    settings.applied_double_click = double_click;
  }
  const int lines = settings.one_screen ? kOneScreenPerNotch : settings.wheel_step;
  if (store.SetWheelLines(lines)) settings.applied_wheel_lines = lines;
  store.ApplyPointerSpeed(settings.applied_speed);
  store.ApplyAcceleration(settings.applied_acceleration);
  store.ApplyDoubleClickTime(settings.applied_double_click);
  store.ApplyWheelLines(settings.applied_wheel_lines);
}

}  // namespace kvrm
