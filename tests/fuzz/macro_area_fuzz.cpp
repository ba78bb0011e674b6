// Arbitrary bytes as the mouse's macro area and as a library macro added to
// it: parsing, packing, adding and deleting must finish within the 512 bytes,
// keep the total within them, and agree with each other.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "macros/device_macros.h"
#include "macros/macro_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kvrm::MacroArea area{};
  std::copy_n(data, std::min(size, area.size()), area.begin());
  const std::span<const uint8_t> rest(data + std::min(size, area.size()),
                                      size - std::min(size, area.size()));

  const kvrm::DeviceMacroTable table = kvrm::ParseMacroArea(area);
  if (table.Count() > kvrm::kDeviceMacroSlots) __builtin_trap();
  const auto packed = kvrm::SerializeMacroArea(table);
  if (packed) {
    // A packed area reads back as the same records.
    const kvrm::DeviceMacroTable again = kvrm::ParseMacroArea(*packed);
    if (again.total > 512 || again.Names() != table.Names()) __builtin_trap();
  }

  std::array<uint8_t, kvrm::kMacroSlotSize> library{};
  kvrm::MacroName name{};
  if (rest.size() >= name.size()) {
    std::copy_n(rest.begin(), name.size(), name.begin());
    std::copy_n(rest.begin() + name.size(), std::min(rest.size() - name.size(), library.size()),
                library.begin());
  }
  const kvrm::MacroAreaChange added = kvrm::AddMacroToMouse(area, name, library);
  if (!added.outcome.ok() && added.area != area) __builtin_trap();
  if (added.outcome.ok()) {
    const kvrm::DeviceMacroTable grown = kvrm::ParseMacroArea(added.area);
    if (grown.total > 512 || grown.Find(name) < 0) __builtin_trap();
  }

  kvrm::ProfileCodeTexts codes;
  kvrm::ProfileDisplayNames names;
  const auto macro_names = table.Names();
  for (size_t i = 0; i < codes.size(); ++i) {
    const size_t k = macro_names.empty() ? 0 : i % macro_names.size();
    codes[i] = kvrm::MacroKeyCode(table.slots[k].address);
    names[i] = macro_names.empty() ? "" : macro_names[k];
  }
  const int index = size > 0 ? data[0] % (kvrm::kDeviceMacroSlots + 1) : 0;
  const kvrm::MacroRemoval removed = kvrm::RemoveMacroFromMouse(area, index, codes, names);
  for (const auto& code : removed.codes) {
    if (code.size() != 8) __builtin_trap();
  }
  kvrm::MacroAreaWrites(removed.area);
  return 0;
}
