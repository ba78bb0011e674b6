// Arbitrary bytes as a macro's byte form: the length walk, the decoder and
// the stop-mode change must finish within the bytes, and what decodes must
// encode again into no more than a slot.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "macros/macro_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto length = kvrm::MacroLength(bytes);
  if (length && *length > size) __builtin_trap();

  for (const bool repeat_lines : {false, true}) {
    const kvrm::DecodedMacro decoded = kvrm::DecodeMacro(bytes, repeat_lines);
    if (decoded.list.empty()) __builtin_trap();
    for (size_t i = 0; i < static_cast<size_t>(kvrm::ListItemCount(decoded.list)); ++i) {
      kvrm::ListItem(decoded.list, static_cast<int>(i));
    }
    const kvrm::EncodedMacro encoded = kvrm::EncodeMacro(decoded.list, kvrm::StopMode::None());
    if (!encoded.outcome.ok() && encoded.outcome.status != kvrm::MacroStatus::kTooLong) {
      __builtin_trap();
    }
    if (encoded.bytes.size() > kvrm::kMacroSlotSize) __builtin_trap();
    // A form that fits a slot decodes back to the same lines.
    if (encoded.outcome.ok() &&
        kvrm::DecodeMacro(encoded.bytes, repeat_lines).list != decoded.list) {
      __builtin_trap();
    }
  }

  std::array<uint8_t, kvrm::kMacroSlotSize> slot{};
  std::copy_n(data, std::min(size, slot.size()), slot.begin());
  size_t slot_length = kvrm::MacroLength(slot).value_or(0);
  const kvrm::StopMode stop =
      size > 0 && data[0] % 2 ? kvrm::StopMode::Cycles(data[0]) : kvrm::StopMode::UntilReleased();
  kvrm::ChangeStopMode(slot, &slot_length, stop);
  if (slot_length > slot.size()) __builtin_trap();
  return 0;
}
