#include "macros/macro_bytes.h"

namespace kvrm {

bool IsMouseButtonCode(uint8_t code) {
  switch (code) {
    case 0xA1:
    case 0x21:
    case 0xA2:
    case 0x22:
    case 0xA4:
    case 0x24:
    case 0xA8:
    case 0x28:
    case 0xB0:
    case 0x30:
      return true;
    default:
      return false;
  }
}

int EventLength(uint8_t code) {
  switch (code) {
    case kEventEnd:
    case kEventRepeatEnd:
      return 1;
    case kEventModifierPress:
    case kEventModifierRelease:
    case kEventKeyPress:
    case kEventKeyRelease:
    case kEventRepeatStart:
      return 2;
    case kEventMove:
    case kEventDelay:
      return 3;
    default:
      return IsMouseButtonCode(code) ? 1 : 0;
  }
}

std::optional<size_t> MacroLength(std::span<const uint8_t> bytes) {
  size_t position = 0;
  while (position < bytes.size()) {
    const uint8_t code = bytes[position];
    const int length = EventLength(code);
    if (code == kEventEnd || length == 0) return position + 1;
    position += static_cast<size_t>(length);
  }
  return std::nullopt;
}

}  // namespace kvrm
