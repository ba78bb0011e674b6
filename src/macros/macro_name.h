#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvrm {

// Up to eight UTF-16 code units, each high byte first, zero after the name.
using MacroName = std::array<uint8_t, 16>;
inline constexpr size_t kMacroNameUnits = 8;

// nullopt when the text is not UTF-8 or needs more than eight code units.
std::optional<MacroName> MacroNameFromText(std::string_view utf8);

// The code units up to the first zero one, as UTF-8.
std::string MacroNameText(const MacroName& name);

// A slot counts as used when its first code unit is not zero.
inline bool MacroNameEmpty(const MacroName& name) {
  return name[0] == 0 && name[1] == 0;
}

}  // namespace kvrm
