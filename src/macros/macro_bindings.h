#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvrm {

struct DeviceMacroTable;

// Code texts of the 36 button slots: Profile 1 slots 1..12, then Profiles 2 and 3.
using ProfileCodeTexts = std::array<std::string, 36>;
// Display names of the same 36 slots.
using ProfileDisplayNames = std::array<std::string, 36>;
// For each slot, the name of the device macro it plays, when it plays one.
using RememberedMacroBindings = std::array<std::optional<std::string>, 36>;

// "10", the macro's start address as four hex digits, "00".
std::string MacroKeyCode(uint16_t address);

// A device macro code ("10" aaaa "00"); the fire macro key ends in FF instead.
bool IsDeviceMacroCode(std::string_view code);

// Remembers which slots play which device macro before the macro area
// changes. Only slots holding a device macro code count, so a button whose
// other function merely shares a macro's name is left alone.
RememberedMacroBindings InitKeysParameters(const ProfileCodeTexts& codes,
                                           const ProfileDisplayNames& names,
                                           const std::vector<std::string>& device_macro_names);

// Points each remembered slot at its macro's new address, or "00000000" when
// the macro is gone; other slots keep their codes.
ProfileCodeTexts RefreshKeysParameters(const RememberedMacroBindings& remembered,
                                       const ProfileCodeTexts& codes,
                                       const DeviceMacroTable& table);

// A button may be bound to a device macro unless it is the only one of its
// profile's twelve that shows the left click.
bool MayBindMacro(const std::array<std::string, 12>& shown_names, int button,
                  std::string_view left_click_name);

}  // namespace kvrm
