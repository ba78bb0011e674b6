#include "macros/device_macros.h"

#include <algorithm>
#include <optional>

#include "macros/macro_bytes.h"
#include "macros/macro_files.h"

namespace kvrm {
namespace {

constexpr size_t kNameLength = 16;
constexpr size_t kFillerOffset = 255;
// A library macro of 256 bytes with a filler in it.
constexpr size_t kLongestRecordEvents = kMacroSlotSize + 1;

bool NeedsFiller(uint8_t code) {
  return code == kEventDelay || code == kEventModifierPress || code == kEventModifierRelease ||
         code == kEventKeyPress || code == kEventKeyRelease;
}

bool EndsTable(const MacroArea& area, size_t p) {
  if (p + kNameLength > area.size()) return true;
  return (area[p] == 0x00 && area[p + 1] == 0x00) || area[p] == 0xFF || area[p + 1] == 0xFF;
}

int FindFiller(const MacroArea& area, size_t start, size_t length) {
  size_t j = 0;
  while (j < length) {
    const size_t at = start + j;
    if (at == kFillerOffset && area[at] == kEventRepeatEnd && at + 1 < start + length &&
        NeedsFiller(area[at + 1])) {
      return static_cast<int>(j);
    }
    j += static_cast<size_t>(std::max(1, EventLength(area[at])));
  }
  return -1;
}

// The name's first code unit decides whether a record is seen at all.
bool NameStorable(const MacroName& name) {
  return !MacroNameEmpty(name) && name[0] != 0xFF && name[1] != 0xFF;
}

}  // namespace

int DeviceMacroTable::Count() const {
  return static_cast<int>(
      std::count_if(slots.begin(), slots.end(), [](const DeviceMacro& m) { return m.used(); }));
}

std::vector<std::string> DeviceMacroTable::Names() const {
  std::vector<std::string> names;
  for (const auto& slot : slots) {
    if (slot.used()) names.push_back(MacroNameText(slot.name));
  }
  return names;
}

int DeviceMacroTable::Find(const MacroName& name) const {
  for (size_t k = 0; k < slots.size(); ++k) {
    if (slots[k].used() && slots[k].name == name) return static_cast<int>(k);
  }
  return -1;
}

DeviceMacroTable ParseMacroArea(const MacroArea& area) {
  DeviceMacroTable table;
  table.slots[0].address = kFirstMacroAddress;
  size_t p = 0;
  for (auto& slot : table.slots) {
    if (EndsTable(area, p)) break;
    const size_t events = p + kNameLength;
    const size_t room = std::min(kLongestRecordEvents, area.size() - events);
    const auto length = MacroLength(std::span<const uint8_t>(area).subspan(events, room));
    // A record whose events never end could not be packed again without the
    // next record running into it, so it ends the table like erased memory.
    if (!length) break;
    const size_t n = *length;
    const int filler = FindFiller(area, events, n);
    // Only a filler lets a record's events reach past the 256 bytes of a slot.
    if (n > kMacroSlotSize && filler < 0) break;
    std::copy_n(area.begin() + static_cast<ptrdiff_t>(p), kNameLength, slot.name.begin());
    slot.address = static_cast<uint16_t>(kFirstMacroAddress + table.total);
    p = events;
    slot.events.assign(area.begin() + static_cast<ptrdiff_t>(p),
                       area.begin() + static_cast<ptrdiff_t>(p + n));
    slot.filler = filler;
    slot.record_length = static_cast<int>(kNameLength + n);
    table.total += slot.record_length;
    p += n;
  }
  return table;
}

std::optional<MacroArea> SerializeMacroArea(const DeviceMacroTable& table) {
  MacroArea area{};
  size_t q = 0;
  auto put = [&](uint8_t byte) {
    if (q >= area.size()) return false;
    area[q++] = byte;
    return true;
  };
  for (const auto& slot : table.slots) {
    if (!slot.used()) continue;
    for (uint8_t byte : slot.name) {
      if (!put(byte)) return std::nullopt;
    }
    size_t j = 0;
    while (j < slot.events.size()) {
      if (static_cast<int>(j) == slot.filler) {
        ++j;
        continue;
      }
      const uint8_t code = slot.events[j];
      if (q == kFillerOffset && NeedsFiller(code) && !put(kEventRepeatEnd)) return std::nullopt;
      const size_t length =
          std::min(static_cast<size_t>(std::max(1, EventLength(code))), slot.events.size() - j);
      for (size_t i = 0; i < length; ++i) {
        if (!put(slot.events[j + i])) return std::nullopt;
      }
      j += length;
    }
  }
  return area;
}

MacroAreaChange AddMacroToMouse(const MacroArea& area, const MacroName& name,
                                std::span<const uint8_t> library_bytes) {
  DeviceMacroTable table = ParseMacroArea(area);
  if (table.Find(name) >= 0) return {DuplicateNameOutcome(), area};
  const int count = table.Count();
  if (count >= kDeviceMacroSlots) return {Outcome::Silent(MacroStatus::kMouseFull), area};
  if (!NameStorable(name)) {
    return {Outcome::Fail(MacroStatus::kEmptyName,
                          "The mouse cannot keep a macro whose name starts with this character."),
            area};
  }
  const auto bytes = library_bytes.first(std::min(library_bytes.size(), kMacroSlotSize));
  const auto length = MacroLength(bytes);
  if (!length) {
    return {Outcome::Fail(MacroStatus::kDamaged, "The macro data is damaged: it has no end."),
            area};
  }
  auto& slot = table.slots[static_cast<size_t>(count)];
  slot.name = name;
  slot.events.assign(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(*length));
  slot.record_length = static_cast<int>(kNameLength + *length);
  if (table.total + slot.record_length > static_cast<int>(area.size())) {
    return {AreaOverflowOutcome(), area};
  }
  const auto packed = SerializeMacroArea(table);
  if (!packed) return {AreaOverflowOutcome(), area};
  return {Outcome::Ok(), *packed};
}

MacroRemoval RemoveMacroFromMouse(const MacroArea& area, int index, const ProfileCodeTexts& codes,
                                  const ProfileDisplayNames& names) {
  DeviceMacroTable table = ParseMacroArea(area);
  if (index < 0 || index >= table.Count()) {
    return {Outcome::Silent(MacroStatus::kNotFound), area, codes};
  }
  const RememberedMacroBindings remembered = InitKeysParameters(codes, names, table.Names());
  table.slots[static_cast<size_t>(index)] = DeviceMacro{};
  const auto packed = SerializeMacroArea(table);
  if (!packed) return {AreaOverflowOutcome(), area, codes};
  return {Outcome::Ok(), *packed,
          RefreshKeysParameters(remembered, codes, ParseMacroArea(*packed))};
}

std::array<MacroAreaWrite, 2> MacroAreaWrites(const MacroArea& area) {
  std::array<MacroAreaWrite, 2> writes;
  for (size_t half = 0; half < writes.size(); ++half) {
    writes[half].offset = layout::kMacroAreaOffset + static_cast<int>(half * kMacroAreaHalf);
    std::copy_n(area.begin() + static_cast<ptrdiff_t>(half * kMacroAreaHalf), kMacroAreaHalf,
                writes[half].bytes.begin());
  }
  return writes;
}

Outcome ExportMacroArea(const MacroArea& area, const std::string& chosen_path) {
  return WriteMacroFile(ExportPath(chosen_path), area);
}

Outcome ReadMacroAreaFile(const std::string& path, MacroArea* area) {
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) return outcome;
  if (bytes->size() < area->size()) {
    return Outcome::Fail(MacroStatus::kNotMacroFile,
                         "\"" + path + "\" is not a macro area file: it holds " +
                             std::to_string(bytes->size()) + " of 512 bytes.");
  }
  std::copy_n(bytes->begin(), area->size(), area->begin());
  return Outcome::Ok();
}

}  // namespace kvrm
