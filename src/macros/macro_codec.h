#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "macros/macro_bytes.h"
#include "macros/macro_lines.h"
#include "macros/macro_outcome.h"

namespace kvrm {

// How a macro made on the macro page ends: the repeat wrapper FD s ... FC.
// s = 0 plays until the button is released, 1..254 that many cycles; kNone
// stores the events without a wrapper.
struct StopMode {
  enum class Kind { kNone, kUntilReleased, kCycles };
  Kind kind = Kind::kUntilReleased;
  int cycles = 1;

  static StopMode None() { return {Kind::kNone, 1}; }
  static StopMode UntilReleased() { return {Kind::kUntilReleased, 1}; }
  static StopMode Cycles(int n) { return {Kind::kCycles, n}; }
  // The stop value s of the wrapper; cycles are kept within 1..254.
  uint8_t StopValue() const;
  bool operator==(const StopMode&) const = default;
};

struct EncodedMacro {
  Outcome outcome;
  std::vector<uint8_t> bytes;  // terminator included, at most 256 bytes
};

// Event lines to their byte form. A line that is no event the mouse knows, or
// a form longer than its 256-byte slot, is refused with a message.
EncodedMacro EncodeMacro(const MacroList& list, StopMode stop);

// Byte form of one event line; empty for lines that carry no event (the
// header, unknown kinds), nullopt for a malformed event line.
std::optional<std::vector<uint8_t>> LineBytes(std::string_view line);

// Bytes the event lines of a list take, without wrapper and terminator.
size_t EventBytesOfLines(const MacroList& list);

struct DecodedMacro {
  MacroList list;  // header line first
  DelayMode delay_mode = DelayMode::kNone;
  int fixed_delay_ms = 0;  // set in fixed-delay mode
  // nullopt: a wrapper with stop value 255 leaves the stop-mode controls as they are.
  std::optional<StopMode> stop_mode;
};

// Byte form to lines. Walks only within bytes (without their last byte, the
// terminator) and stops at a byte that starts no event or at an event that
// runs past the end. With repeat_lines, FD n and FC become repeat lines
// (fire macros) instead of the wrapper.
DecodedMacro DecodeMacro(std::span<const uint8_t> bytes, bool repeat_lines = false);

// Sets the stop mode of the byte form in a 256-byte slot of the given length,
// wrapping an unwrapped form (which grows it by 3 bytes). Refused when the
// wrapped form would not fit the slot or the slot holds no byte form.
Outcome ChangeStopMode(std::span<uint8_t, kMacroSlotSize> slot, size_t* length, StopMode stop);

// The refusal for a byte form that would need more than its slot.
Outcome TooLongOutcome(size_t needed);

}  // namespace kvrm
