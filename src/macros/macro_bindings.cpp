#include "macros/macro_bindings.h"

#include <algorithm>
#include <cctype>

#include "macros/device_macros.h"
#include "macros/macro_lines.h"

namespace kvrm {

std::string MacroKeyCode(uint16_t address) {
  return "10" + HexField(address, 4) + "00";
}

bool IsDeviceMacroCode(std::string_view code) {
  return code.size() == 8 && code.substr(0, 2) == "10" && code.substr(6, 2) == "00" &&
         std::all_of(code.begin(), code.end(), [](char c) { return std::isxdigit(c & 0xFF); });
}

RememberedMacroBindings InitKeysParameters(const ProfileCodeTexts& codes,
                                           const ProfileDisplayNames& names,
                                           const std::vector<std::string>& device_macro_names) {
  RememberedMacroBindings remembered;
  for (size_t slot = 0; slot < codes.size(); ++slot) {
    if (!IsDeviceMacroCode(codes[slot]) || names[slot].empty()) continue;
    if (std::find(device_macro_names.begin(), device_macro_names.end(), names[slot]) !=
        device_macro_names.end()) {
      remembered[slot] = names[slot];
    }
  }
  return remembered;
}

ProfileCodeTexts RefreshKeysParameters(const RememberedMacroBindings& remembered,
                                       const ProfileCodeTexts& codes,
                                       const DeviceMacroTable& table) {
  ProfileCodeTexts updated = codes;
  const std::vector<std::string> names = table.Names();
  for (size_t slot = 0; slot < remembered.size(); ++slot) {
    if (!remembered[slot]) continue;
    const auto found = std::find(names.begin(), names.end(), *remembered[slot]);
    updated[slot] =
        found == names.end()
            ? "00000000"
            : MacroKeyCode(table.slots[static_cast<size_t>(found - names.begin())].address);
  }
  return updated;
}

bool MayBindMacro(const std::array<std::string, 12>& shown_names, int button,
                  std::string_view left_click_name) {
  if (button < 0 || button >= 12) return false;
  if (shown_names[static_cast<size_t>(button)] != left_click_name) return true;
  return std::count(shown_names.begin(), shown_names.end(), left_click_name) > 1;
}

}  // namespace kvrm
