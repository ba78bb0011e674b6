#pragma once

// Reading the values of the setting commands. Each parser gives nullopt for
// text that is not exactly a value of its kind, so nothing half-read reaches
// the mouse.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "image/vendor_fields.h"
#include "settings/dpi.h"

namespace kvrm::cli {

// A decimal number from low to high.
inline std::optional<int> ParseIntIn(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// The DPI table index (0..11) of one of the table's values, "200" to "6400".
inline std::optional<int> ParseDpiValue(std::string_view text) {
  const std::optional<int> value = ParseIntIn(text, kDpiValues[0], kDpiValues[kDpiValueCount - 1]);
  if (!value) return std::nullopt;
  for (int index = 0; index < kDpiValueCount; ++index) {
    if (kDpiValues[index] == *value) return index;
  }
  return std::nullopt;
}

// "RRGGBB", six hex digits in either case, optionally after a '#'.
inline std::optional<vendor::Rgb> ParseRgb(std::string_view text) {
  if (text.starts_with('#')) text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const char* first = text.data() + 2 * i;
    const auto [end, error] = std::from_chars(first, first + 2, bytes[i], 16);
    if (error != std::errc() || end != first + 2) return std::nullopt;
  }
  return vendor::Rgb{bytes[0], bytes[1], bytes[2]};
}

inline std::optional<bool> ParseOnOff(std::string_view text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

}  // namespace kvrm::cli
