#pragma once

#include <cstdint>
#include <string_view>

namespace kvrm {

// Modifier masks of the mouse's modifier events.
inline constexpr uint8_t kModifierCtrl = 0x01;
inline constexpr uint8_t kModifierShift = 0x02;
inline constexpr uint8_t kModifierAlt = 0x04;
inline constexpr uint8_t kModifierLeftWindows = 0x08;
inline constexpr uint8_t kModifierRightWindows = 0x80;

// Name of a key by its HID keyboard-page usage; empty for usages without a name.
std::string_view UsageName(uint8_t usage);

// Name of a single modifier mask; empty for any other mask.
std::string_view ModifierName(uint8_t mask);

// What the recorder knows of a Windows virtual-key code.
struct VirtualKey {
  std::string_view name;
  uint8_t usage = 0;     // the byte written after 82/02 for key lines
  uint8_t modifier = 0;  // non-zero for the five keys recorded as modifier lines
  bool recorded = true;  // false only for code 0xFF
};

VirtualKey VirtualKeyInfo(int virtual_key);

// The usage the key dialog writes for a virtual key: like VirtualKeyInfo, but
// the modifier keys become keyboard keys (Ctrl gives 0xE0).
uint8_t KeyDialogUsage(int virtual_key);

}  // namespace kvrm
