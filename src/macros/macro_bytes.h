#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kvrm {

// A macro's byte form, terminator included, fits one 256-byte slot.
inline constexpr size_t kMacroSlotSize = 256;

inline constexpr uint8_t kEventEnd = 0x00;
inline constexpr uint8_t kEventModifierPress = 0x81;
inline constexpr uint8_t kEventModifierRelease = 0x01;
inline constexpr uint8_t kEventKeyPress = 0x82;
inline constexpr uint8_t kEventKeyRelease = 0x02;
inline constexpr uint8_t kEventMove = 0x04;
inline constexpr uint8_t kEventDelay = 0xFE;
inline constexpr uint8_t kEventRepeatStart = 0xFD;
inline constexpr uint8_t kEventRepeatEnd = 0xFC;

// Bytes of the event that starts with code (1..3), or 0 when code starts none.
int EventLength(uint8_t code);

bool IsMouseButtonCode(uint8_t code);

// Length of a byte form up to and including its end, looking only at bytes.
// A byte that starts no event ends the macro as its terminator would; nullopt
// when no end lies within bytes (the walk never reads past them).
std::optional<size_t> MacroLength(std::span<const uint8_t> bytes);

}  // namespace kvrm
