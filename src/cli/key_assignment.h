#pragma once

// What `kvrmctl assign` accepts as a function, and when the key page would
// refuse an assignment.
#include <algorithm>
#include <cctype>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "image/profile_codes.h"
#include "keys/key_code.h"

namespace kvrm::cli {

inline constexpr std::string_view kLeftClickKey = "Str210";

// The code a FUNCTION text stands for, tried in this order: eight hex digits
// taken as the code itself; a number, taken as a menu tag; a menu item's
// English or control name ("DPI +", "Key_CPII"); a key combination
// ("Ctrl+Shift+A"). A name that is both a menu item and a key ("Home") is the
// menu item. nullopt and a message for anything else.
inline std::optional<KeyCode> ParseKeyFunction(std::string_view text, const KeyNamingState& state,
                                               std::string* error) {
  if (const std::optional<KeyCode> code = ParseKeyCode(text)) return code;
  const bool number = !text.empty() && std::ranges::all_of(text, [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
  if (number) {
    const std::optional<KeyCode> code =
        text.size() <= 4 ? KeyCodeForTag(std::stoi(std::string(text)), state) : std::nullopt;
    if (!code && error) *error = "no menu item has the tag " + std::string(text);
    return code;
  }
  if (const std::optional<int> tag = KeyTagForName(text)) return KeyCodeForTag(*tag, state);
  std::string combination_error;
  if (const std::optional<KeyCode> code = ParseKeyCombination(text, &combination_error)) {
    return code;
  }
  if (error) {
    *error = "\"" + std::string(text) +
             "\" is no menu item, tag, key combination or 8-digit code (" + combination_error + ")";
  }
  return std::nullopt;
}

// A device macro code: 10, the macro's start address, 00. The fire macro key
// (b3 = FF) is no device macro.
inline bool IsDeviceMacroCode(KeyCode code) {
  return code.b0() == static_cast<uint8_t>(KeyCategory::kMacro) && code.b3() == 0x00;
}

// Why the key page keeps a left click: Profile 1 never loses its last Left
// Click, and no profile's only Left Click becomes a device macro. A profile that
// has none loses nothing, so it takes any function. names are the profile's
// twelve display names before the change; nullopt when the assignment may go
// ahead.
inline std::optional<std::string> AssignmentRefusal(
    int profile, int slot, std::span<const KeyName, kSlotsPerProfile> names, bool new_is_left_click,
    bool device_macro) {
  const auto left_clicks =
      std::ranges::count_if(names, [](const KeyName& n) { return n.key == kLeftClickKey; });
  const bool only_left_click =
      names[static_cast<size_t>(slot - 1)].key == kLeftClickKey && left_clicks == 1;
  if (!only_left_click || new_is_left_click) return std::nullopt;
  if (device_macro) {
    return "slot " + std::to_string(slot) + " holds the only Left Click of Profile " +
           std::to_string(profile) + ", which a device macro may not replace";
  }
  if (profile == 1) {
    return "slot " + std::to_string(slot) +
           " holds the only Left Click of Profile 1, which must keep one; assign Left Click to "
           "another slot first";
  }
  return std::nullopt;
}

}  // namespace kvrm::cli
