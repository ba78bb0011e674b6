#pragma once

#include <optional>
#include <vector>

namespace kvrm {

// The desktop's own mouse settings (pointer speed, pointer precision,
// double-click time, wheel lines), not the mouse's. Speeds are offered as
// eleven steps; the tables below map steps to system values and back.
inline constexpr int kMouseSettingSteps = 11;

// Pointer precision as the three acceleration values: "MouseSpeed",
// "MouseThreshold1", "MouseThreshold2".
struct PointerAcceleration {
  int speed = 0;
  int threshold1 = 0;
  int threshold2 = 0;
  friend bool operator==(const PointerAcceleration&, const PointerAcceleration&) = default;
};
inline constexpr PointerAcceleration kPrecisionOn{1, 6, 10};
inline constexpr PointerAcceleration kPrecisionOff{0, 0, 0};
inline constexpr int kOneScreenPerNotch = -1;

// Where the settings live. The pointer group (speed, precision, double-click
// time) and the wheel group may each be unavailable; a value that is missing or
// not a number reads as nullopt. The Apply calls hand the values to the running
// system.
class MouseSettingsStore {
 public:
  virtual ~MouseSettingsStore() = default;

  virtual bool PointerGroupAvailable() const = 0;
  virtual std::optional<int> PointerSpeed() const = 0;
  virtual std::optional<int> PrecisionSpeed() const = 0;
  virtual std::optional<int> PrecisionThreshold1() const = 0;
  virtual std::optional<int> PrecisionThreshold2() const = 0;
  virtual std::optional<int> DoubleClickTime() const = 0;
  // Writes the whole pointer group; false when it is unavailable.
  virtual bool SetPointerGroup(int speed, const PointerAcceleration& precision,
                               int double_click_ms) = 0;

  virtual bool WheelGroupAvailable() const = 0;
  virtual std::optional<int> WheelLines() const = 0;
  virtual bool SetWheelLines(int lines) = 0;  // -1: one screen per notch

  virtual void ApplyPointerSpeed(int speed) = 0;  // 1..20
  virtual void ApplyAcceleration(const PointerAcceleration& precision) = 0;
  virtual void ApplyDoubleClickTime(int ms) = 0;
  virtual void ApplyWheelLines(int lines) = 0;
};

// The settings kept in memory, for tests and for desktops without a backend.
class InMemoryMouseSettingsStore : public MouseSettingsStore {
 public:
  enum class Call { kPointerSpeed, kAcceleration, kDoubleClickTime, kWheelLines };

  bool pointer_group_available = true;
  bool wheel_group_available = true;
  std::optional<int> pointer_speed = 10;
  std::optional<int> precision_speed = 1;
  std::optional<int> precision_threshold1 = 6;
  std::optional<int> precision_threshold2 = 10;
  std::optional<int> double_click_time = 500;
  std::optional<int> wheel_lines = 3;
  // The Apply calls in the order they came, and their last values.
  std::vector<Call> applied_calls;
  int applied_speed = 0;
  PointerAcceleration applied_acceleration;
  int applied_double_click = 0;
  int applied_wheel_lines = 0;

  bool PointerGroupAvailable() const override { return pointer_group_available; }
  std::optional<int> PointerSpeed() const override { return pointer_speed; }
  std::optional<int> PrecisionSpeed() const override { return precision_speed; }
  std::optional<int> PrecisionThreshold1() const override { return precision_threshold1; }
  std::optional<int> PrecisionThreshold2() const override { return precision_threshold2; }
  std::optional<int> DoubleClickTime() const override { return double_click_time; }
  bool SetPointerGroup(int speed, const PointerAcceleration& precision,
                       int double_click_ms) override;
  bool WheelGroupAvailable() const override { return wheel_group_available; }
  std::optional<int> WheelLines() const override { return wheel_lines; }
  bool SetWheelLines(int lines) override;
  void ApplyPointerSpeed(int speed) override;
  void ApplyAcceleration(const PointerAcceleration& precision) override;
  void ApplyDoubleClickTime(int ms) override;
  void ApplyWheelLines(int lines) override;
};

// Step tables. Reading: a speed 0..19 gives v / 2 + 1, 20 gives 11, other
// numbers 6, missing 20; a time t >= 900 gives 1, below 270 gives 11, missing
// 480; wheel lines 0 give 3, 1..11 that step, other numbers 11, missing 2
// (-1 is the one-screen option, handled by ReadMouseSettings).
int PointerSpeedForStep(int step);  // 1, 2, 4, 6 .. 20
int PointerStepForSpeed(std::optional<int> speed);
int DoubleClickTimeForStep(int step);  // 900 - 70 (step - 1)
int DoubleClickStepForTime(std::optional<int> ms);
int WheelStepForLines(std::optional<int> lines);

// The page: steps, options and the values last handed to the system.
struct MouseSettings {
  int pointer_step = 6;
  int double_click_step = 7;
  int wheel_step = 3;
  int remembered_wheel_step = 3;  // restored when the one-screen option goes off
  bool one_screen = false;
  bool precision = false;
  // The values last written, which the Apply calls repeat when a group cannot be
  // written.
  int applied_speed = 10;
  PointerAcceleration applied_acceleration;
  int applied_double_click = 480;
  int applied_wheel_lines = 3;
};

// The start-up read; nothing is applied to the system.
MouseSettings ReadMouseSettings(const MouseSettingsStore& store);

// Handlers; each is followed by ApplyMouseSettings.
void SetPointerStep(MouseSettings& settings, int step);
void SetDoubleClickStep(MouseSettings& settings, int step);
void SetWheelStep(MouseSettings& settings, int step);  // also the remembered step
void TogglePrecision(MouseSettings& settings);
void ToggleOneScreen(MouseSettings& settings);
// The step 1..11 of a slider released at x; the slider moves to (step - 1) * 100.
int MouseSliderStep(int x);

// Writes the pointer group and the wheel group, takes what was written as the
// applied values, then makes the four Apply calls: speed, acceleration,
// double-click time, wheel lines.
void ApplyMouseSettings(MouseSettings& settings, MouseSettingsStore& store);

}  // namespace kvrm
