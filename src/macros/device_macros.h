#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/image_layout.h"
#include "image/section_copies.h"
#include "macros/macro_bindings.h"
#include "macros/macro_name.h"
#include "macros/macro_outcome.h"

namespace kvrm {

inline constexpr int kDeviceMacroSlots = 15;
// Image address of slot 0's first event byte: the macro area start plus its name.
inline constexpr uint16_t kFirstMacroAddress = 0x200;
inline constexpr size_t kMacroAreaHalf = 256;

// One macro kept in the mouse: its record in the macro area is the name
// followed by the event bytes.
struct DeviceMacro {
  MacroName name{};
  std::vector<uint8_t> events;  // terminator included, and a filler 0xFC where one was stored
  int record_length = 0;        // 16 + events; 0 for an empty slot
  uint16_t address = 0;         // image address of the first event byte
  int filler = -1;              // index in events of the filler at area offset 255

  bool used() const { return record_length != 0; }
};

struct DeviceMacroTable {
  std::array<DeviceMacro, kDeviceMacroSlots> slots;
  int total = 0;  // sum of the record lengths

  int Count() const;
  // Names of the used slots, in slot order; index i is slot i.
  std::vector<std::string> Names() const;
  int Find(const MacroName& name) const;  // -1 when no slot has the name
};

// Reads the records packed from the start of the macro area. Two zero bytes,
// or a 0xFF in either, where a name would start ends the table (so an erased
// memory holds no macros); so does a record whose events do not end within the
// area. A byte that starts no event ends its record's events.
DeviceMacroTable ParseMacroArea(const MacroArea& area);

// Packs the used slots back to back, zero after them. Where an event that
// the mouse cannot split (delay, modifier or key) would start at offset 255,
// the last byte of the first half, a filler 0xFC goes there instead. nullopt
// when the records do not fit the 512 bytes.
std::optional<MacroArea> SerializeMacroArea(const DeviceMacroTable& table);

struct MacroAreaChange {
  Outcome outcome;
  MacroArea area{};  // the new macro area; the old one when refused
};

// Appends a library macro (its name and 256 data bytes) as the last record.
// Refused with "This macro already exists" for a name already on the mouse,
// silently with 15 macros, and with "Macro bin length out of range" when the
// records would not fit; the given area is never changed.
MacroAreaChange AddMacroToMouse(const MacroArea& area, const MacroName& name,
                                std::span<const uint8_t> library_bytes);

struct MacroRemoval {
  Outcome outcome;
  MacroArea area{};
  ProfileCodeTexts codes;  // the 36 slot codes with the bindings re-pointed
};

// Deletes device macro `index`, closes the gap, and re-points the buttons that
// played a device macro: to its new address, or "00000000" for the deleted one.
MacroRemoval RemoveMacroFromMouse(const MacroArea& area, int index, const ProfileCodeTexts& codes,
                                  const ProfileDisplayNames& names);

// The two 256-byte writes that store the macro area in the mouse.
struct MacroAreaWrite {
  int offset = 0;
  std::array<uint8_t, kMacroAreaHalf> bytes{};
};
std::array<MacroAreaWrite, 2> MacroAreaWrites(const MacroArea& area);

// Writes the 512 macro area bytes to the chosen name (".bin" added unless present).
Outcome ExportMacroArea(const MacroArea& area, const std::string& chosen_path);

// Reads a macro area file (as written by ExportMacroArea); files shorter than
// 512 bytes are refused, bytes after the 512 are ignored.
Outcome ReadMacroAreaFile(const std::string& path, MacroArea* area);

}  // namespace kvrm
