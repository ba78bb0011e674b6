#include "macros/key_names.h"

#include <array>

namespace kvrm {
namespace {

struct UsageEntry {
  uint8_t usage;
  std::string_view name;
};

constexpr UsageEntry kNamedUsages[] = {
    {0x28, "Enter"},
    {0x29, "Esc"},
    {0x2A, "Backspace"},
    {0x2B, "Tab"},
    {0x2C, "Space bar"},
    {0x2D, "OEM_Minus"},
    {0x2E, "OEM_Plus"},
    {0x2F, "OEM_4"},
    {0x30, "OEM_6"},
    {0x31, "OEM_5"},
    {0x33, "OEM_1"},
    {0x34, "OEM_7"},
    {0x35, "OEM_3"},
    {0x36, "OEM_Comma"},
    {0x37, "OEM_Period"},
    {0x38, "OEM_2"},
    {0x39, "Caps Lock"},
    {0x46, "Print Screen"},
    {0x47, "Scroll Lock"},
    {0x48, "Pause"},
    {0x49, "Insert"},
    {0x4A, "Home"},
    {0x4B, "Page Up"},
    {0x4C, "Delete"},
    {0x4D, "End"},
    {0x4E, "Page Down"},
    {0x4F, "Right Arrow"},
    {0x50, "Left Arrow"},
    {0x51, "Down Arrow"},
    {0x52, "Up Arrow"},
    {0x53, "Num Lock"},
    {0x54, "Divide (numeric pad)"},
    {0x55, "Multiply (numeric pad)"},
    {0x56, "Subtract (numeric pad)"},
    {0x57, "Add (numeric pad)"},
    {0x58, "Separator (numeric pad)"},
    {0x63, "Decimal (numeric pad)"},
    {0x65, "Applications"},
    {0x75, "Help"},
    {0x77, "Select"},
    {0x9C, "Clear"},
    {0xE0, "Left Ctrl"},
    {0xE1, "Left Shift"},
    {0xE2, "Left Alt"},
    {0xE3, "Win"},
    {0xE4, "Right Ctrl"},
    {0xE5, "Right Shift"},
    {0xE6, "Right Alt"},
    {0xE7, "Win"},
};

constexpr std::array<std::string_view, 26> kLetters = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                       "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                       "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::array<std::string_view, 10> kDigits = {"0", "1", "2", "3", "4",
                                                      "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 10> kPadDigits = {
    "0 (numeric pad)", "1 (numeric pad)", "2 (numeric pad)", "3 (numeric pad)", "4 (numeric pad)",
    "5 (numeric pad)", "6 (numeric pad)", "7 (numeric pad)", "8 (numeric pad)", "9 (numeric pad)"};
constexpr std::array<std::string_view, 24> kFunctionKeys = {
    "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};

struct VirtualKeyEntry {
  int virtual_key;
  std::string_view name;
  uint8_t usage;
  uint8_t modifier;
};

constexpr VirtualKeyEntry kNamedVirtualKeys[] = {
    {0x08, "Backspace", 0x2A, 0},
    {0x09, "Tab", 0x2B, 0},
    {0x0C, "Clear", 0x9C, 0},
    {0x0D, "Enter", 0x28, 0},
    {0x10, "Shift", 0, kModifierShift},
    {0x11, "Ctrl", 0, kModifierCtrl},
    {0x12, "Alt", 0, kModifierAlt},
    {0x13, "Pause", 0x48, 0},
    {0x14, "Caps Lock", 0x39, 0},
    {0x1B, "Esc", 0x29, 0},
    {0x20, "Space bar", 0x2C, 0},
    {0x21, "Page Up", 0x4B, 0},
    {0x22, "Page Down", 0x4E, 0},
    {0x23, "End", 0x4D, 0},
    {0x24, "Home", 0x4A, 0},
    {0x25, "Left Arrow", 0x50, 0},
    {0x26, "Up Arrow", 0x52, 0},
    {0x27, "Right Arrow", 0x4F, 0},
    {0x28, "Down Arrow", 0x51, 0},
    {0x29, "Select", 0x77, 0},
    {0x2C, "Print Screen", 0x46, 0},
    {0x2D, "Insert", 0x49, 0},
    {0x2E, "Delete", 0x4C, 0},
    {0x2F, "Help", 0x75, 0},
    {0x5B, "Left Windows", 0, kModifierLeftWindows},
    {0x5C, "Right Windows", 0, kModifierRightWindows},
    {0x5D, "Applications", 0x65, 0},
    {0x6A, "Multiply (numeric pad)", 0x55, 0},
    {0x6B, "Add (numeric pad)", 0x57, 0},
    {0x6C, "Separator (numeric pad)", 0x58, 0},
    {0x6D, "Subtract (numeric pad)", 0x56, 0},
    {0x6E, "Decimal (numeric pad)", 0x63, 0},
    {0x6F, "Divide (numeric pad)", 0x54, 0},
    {0x90, "Num Lock", 0x53, 0},
    {0x91, "Scroll Lock", 0x47, 0},
    {0xA0, "Left Shift", 0xE1, 0},
    {0xA1, "Right Shift", 0xE5, 0},
    {0xA2, "Left Ctrl", 0xE0, 0},
    {0xA3, "Right Ctrl", 0xE4, 0},
    {0xA4, "Left Alt", 0xE2, 0},
    {0xA5, "Right Alt", 0xE6, 0},
    // Browser and media keys carry the mouse's own codes, not keyboard usages.
    {0xA6, "Browser_Back", 0xCA, 0},
    {0xA7, "Browser_Forward", 0xCB, 0},
    {0xA8, "Browser_Refresh", 0xCD, 0},
    {0xA9, "Browser_Stop", 0xCC, 0},
    {0xAA, "Browser_Search", 0xC8, 0},
    {0xAB, "Browser_Favorites", 0xCE, 0},
    {0xAC, "Browser_Home", 0xC9, 0},
    {0xAD, "Volume_Mute", 0xC4, 0},
    {0xAE, "Volume_Down", 0xC6, 0},
    {0xAF, "Volume_Up", 0xC5, 0},
    {0xB0, "Media_Next_Track", 0xC0, 0},
    {0xB1, "Media_Prev_Track", 0xC1, 0},
    {0xB2, "Media_Stop", 0xC2, 0},
    {0xB3, "Media_Play_Pause", 0xC3, 0},
    {0xB4, "Launch_Mail", 0xC7, 0},
    {0xB5, "Launch_Media_Select", 0xD1, 0},
    {0xB6, "Launch_App1", 0x00, 0},
    {0xB7, "Launch_App2", 0x00, 0},
    {0xBA, "OEM_1", 0x33, 0},
    {0xBB, "OEM_Plus", 0x2E, 0},
    {0xBC, "OEM_Comma", 0x36, 0},
    {0xBD, "OEM_Minus", 0x2D, 0},
    {0xBE, "OEM_Period", 0x37, 0},
    {0xBF, "OEM_2", 0x38, 0},
    {0xC0, "OEM_3", 0x35, 0},
    {0xDB, "OEM_4", 0x2F, 0},
    {0xDC, "OEM_5", 0x31, 0},
    {0xDD, "OEM_6", 0x30, 0},
    {0xDE, "OEM_7", 0x34, 0},
    {0xDF, "OEM_8", 0x00, 0},
};

}  // namespace

std::string_view UsageName(uint8_t usage) {
  if (usage >= 0x04 && usage <= 0x1D) return kLetters[usage - 0x04];
  if (usage >= 0x1E && usage <= 0x26) return kDigits[usage - 0x1E + 1];
  if (usage == 0x27) return kDigits[0];
  if (usage >= 0x3A && usage <= 0x45) return kFunctionKeys[usage - 0x3A];
  if (usage >= 0x68 && usage <= 0x73) return kFunctionKeys[usage - 0x68 + 12];
  if (usage >= 0x59 && usage <= 0x61) return kPadDigits[usage - 0x59 + 1];
  if (usage == 0x62) return kPadDigits[0];
  for (const auto& entry : kNamedUsages) {
    if (entry.usage == usage) return entry.name;
  }
  return {};
}

std::string_view ModifierName(uint8_t mask) {
  switch (mask) {
    case kModifierCtrl:
      return "Ctrl";
    case kModifierShift:
      return "Shift";
    case kModifierAlt:
      return "Alt";
    case kModifierLeftWindows:
      return "Left Windows";
    case kModifierRightWindows:
      return "Right Windows";
    default:
      return {};
  }
}

VirtualKey VirtualKeyInfo(int vk) {
  if (vk >= 0x41 && vk <= 0x5A)
    return {kLetters[vk - 0x41], static_cast<uint8_t>(vk - 0x41 + 0x04)};
  if (vk == 0x30) return {kDigits[0], 0x27};
  if (vk >= 0x31 && vk <= 0x39) return {kDigits[vk - 0x30], static_cast<uint8_t>(vk - 0x31 + 0x1E)};
  if (vk == 0x60) return {kPadDigits[0], 0x62};
  if (vk >= 0x61 && vk <= 0x69) {
    return {kPadDigits[vk - 0x60], static_cast<uint8_t>(vk - 0x61 + 0x59)};
  }
  if (vk >= 0x70 && vk <= 0x7B) {
    return {kFunctionKeys[vk - 0x70], static_cast<uint8_t>(vk - 0x70 + 0x3A)};
  }
  if (vk >= 0x7C && vk <= 0x87) {
    return {kFunctionKeys[vk - 0x70], static_cast<uint8_t>(vk - 0x7C + 0x68)};
  }
  if (vk == 0xFF) return {"255", 0, 0, false};
  for (const auto& entry : kNamedVirtualKeys) {
    if (entry.virtual_key == vk) return {entry.name, entry.usage, entry.modifier};
  }
  return {"None", 0};
}

uint8_t KeyDialogUsage(int vk) {
  switch (vk) {
    case 0x10:
      return 0xE1;
    case 0x11:
      return 0xE0;
    case 0x12:
      return 0xE2;
    case 0x5B:
      return 0xE3;
    case 0x5C:
      return 0xE7;
    default:
      return VirtualKeyInfo(vk).usage;
  }
}

}  // namespace kvrm
