#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvrm {

// A macro as text: line 0 is the header, lines 1..n the events in playing order.
using MacroList = std::vector<std::string>;

inline constexpr int kMinDelayMs = 1;
inline constexpr int kMaxDelayMs = 65535;
inline constexpr int kMinStep = -128;
inline constexpr int kMaxStep = 127;
inline constexpr int kMaxRepeatCount = 255;
inline constexpr int kMinCycles = 1;
inline constexpr int kMaxCycles = 254;

// How the delays of a macro were made; the header line records it.
enum class DelayMode { kNone, kFixed, kRecorded };

// "00", "01" followed by the fixed delay, or "10".
std::string HeaderLine(DelayMode mode, int fixed_delay_ms);

enum class MouseButton { kLeft, kRight, kMiddle, kForward, kBackward };

std::string PressLine(std::string_view name, std::string_view code_field);
std::string ReleaseLine(std::string_view name, std::string_view code_field);
std::string DelayLine(int milliseconds);
std::string MoveLine(int x, int y);
std::string RepeatStartLine(int count);
std::string RepeatStopLine();
std::string MouseButtonLine(MouseButton button, bool press);
std::string ModifierLine(uint8_t mask, bool press);
std::string KeyLine(std::string_view name, uint8_t usage, bool press);

// The kind digit (0 delay, 1 press, 2 release, 3 move, 7 repeat start,
// 8 repeat stop), or -1 when the line does not start with a digit.
int LineKind(std::string_view line);
// Found by position, since names such as "Space bar" hold blanks.
std::string EventName(std::string_view line);
std::string CodeField(std::string_view line);

// What a list view draws for one event line: the kind icon and the text.
struct MacroListItem {
  int icon = 0;
  std::string text;
};

MacroListItem ListItemForLine(std::string_view line);

// List view item i shows line i + 1; the header is never drawn.
int ListItemCount(const MacroList& list);
MacroListItem ListItem(const MacroList& list, int item);

// Four upper-case hex digits of a code field.
std::string HexField(unsigned value, int digits);

}  // namespace kvrm
