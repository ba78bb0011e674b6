#include "macros/macro_codec.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "macros/key_names.h"

namespace kvrm {
namespace {

std::optional<unsigned> HexValue(std::string_view digits) {
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(c & 0xFF); })) {
    return std::nullopt;
  }
  unsigned value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return value;
}

std::optional<std::vector<uint8_t>> PressReleaseBytes(std::string_view line) {
  if (line.size() < 6) return std::nullopt;
  const auto code = HexValue(line.substr(line.size() - 4));
  if (!code) return std::nullopt;
  const auto first = static_cast<uint8_t>(*code >> 8);
  const auto second = static_cast<uint8_t>(*code & 0xFF);
  if (first == 0x00) {
    if (!IsMouseButtonCode(second)) return std::nullopt;
    return std::vector<uint8_t>{second};
  }
  if (first != kEventModifierPress && first != kEventModifierRelease && first != kEventKeyPress &&
      first != kEventKeyRelease) {
    return std::nullopt;
  }
  return std::vector<uint8_t>{first, second};
}

std::vector<uint8_t> DelayBytes(std::string_view line) {
  const std::string_view digits = line.substr(std::min<size_t>(2, line.size()));
  unsigned long value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  // Not a number counts as 0; a number beyond the two delay bytes is held at their maximum.
  if (ec == std::errc::result_out_of_range) {
    value = kMaxDelayMs;
  } else if (ec != std::errc() || end != digits.data() + digits.size()) {
    value = 0;
  }
  value = std::min<unsigned long>(value, kMaxDelayMs);
  return {kEventDelay, static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)};
}

std::optional<std::vector<uint8_t>> TailBytes(std::string_view line, size_t digits, uint8_t code) {
  if (line.size() < 2 + digits) return std::nullopt;
  const std::string_view tail = line.substr(line.size() - digits);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < digits; i += 2) {
    const auto byte = HexValue(tail.substr(i, 2));
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(*byte));
  }
  if (bytes[0] != code) return std::nullopt;
  return bytes;
}

MouseButton MouseButtonOf(uint8_t code) {
  switch (code & 0x7F) {
    case 0x21:
      return MouseButton::kLeft;
    case 0x22:
      return MouseButton::kRight;
    case 0x24:
      return MouseButton::kMiddle;
    case 0x28:
      return MouseButton::kForward;
    default:
      return MouseButton::kBackward;
  }
}

std::string LineFor(std::span<const uint8_t> event) {
  const uint8_t code = event[0];
  if (event.size() == 1) return MouseButtonLine(MouseButtonOf(code), (code & 0x80) != 0);
  const uint8_t operand = event[1];
  const std::string code_field = HexField(static_cast<unsigned>(code) << 8 | operand, 4);
  switch (code) {
    case kEventModifierPress:
      return PressLine(ModifierName(operand), code_field);
    case kEventModifierRelease:
      return ReleaseLine(ModifierName(operand), code_field);
    case kEventKeyPress:
      return PressLine(UsageName(operand), code_field);
    default:
      return ReleaseLine(UsageName(operand), code_field);
  }
}

}  // namespace

uint8_t StopMode::StopValue() const {
  switch (kind) {
    case Kind::kCycles:
      return static_cast<uint8_t>(std::clamp(cycles, kMinCycles, kMaxCycles));
    default:
      return 0x00;
  }
}

Outcome TooLongOutcome(size_t needed) {
  return Outcome::Fail(MacroStatus::kTooLong, "The macro is too long: it needs " +
                                                  std::to_string(needed) +
                                                  " bytes and a macro holds at most 256.");
}

std::optional<std::vector<uint8_t>> LineBytes(std::string_view line) {
  switch (LineKind(line)) {
    case 0:
      return DelayBytes(line);
    case 1:
    case 2:
      return PressReleaseBytes(line);
    case 3:
      return TailBytes(line, 6, kEventMove);
    case 7:
      return TailBytes(line, 4, kEventRepeatStart);
    case 8:
      return TailBytes(line, 2, kEventRepeatEnd);
    default:
      return std::vector<uint8_t>{};
  }
}

size_t EventBytesOfLines(const MacroList& list) {
  size_t total = 0;
  for (size_t i = 1; i < list.size(); ++i) {
    if (const auto bytes = LineBytes(list[i])) total += bytes->size();
  }
  return total;
}

EncodedMacro EncodeMacro(const MacroList& list, StopMode stop) {
  std::vector<uint8_t> events;
  bool repeat_line = false;
  for (size_t i = 1; i < list.size(); ++i) {
    const auto bytes = LineBytes(list[i]);
    if (!bytes) {
      return {Outcome::Fail(MacroStatus::kBadLine,
                            "The line \"" + list[i] + "\" is not a macro event."),
              {}};
    }
    repeat_line = repeat_line || LineKind(list[i]) == 7;
    events.insert(events.end(), bytes->begin(), bytes->end());
  }
  std::vector<uint8_t> form;
  if (!repeat_line && stop.kind != StopMode::Kind::kNone) {
    form = {kEventRepeatStart, stop.StopValue()};
    form.insert(form.end(), events.begin(), events.end());
    form.push_back(kEventRepeatEnd);
  } else {
    form = std::move(events);
  }
  form.push_back(kEventEnd);
  if (form.size() > kMacroSlotSize) return {TooLongOutcome(form.size()), {}};
  return {Outcome::Ok(), std::move(form)};
}

DecodedMacro DecodeMacro(std::span<const uint8_t> bytes, bool repeat_lines) {
  DecodedMacro decoded;
  decoded.list.push_back("00");
  std::array<int, 4> delays{};
  size_t delay_count = 0;
  std::optional<uint8_t> stop_value;
  const size_t end = bytes.empty() ? 0 : bytes.size() - 1;
  size_t position = 0;
  while (position < end) {
    const uint8_t code = bytes[position];
    const auto length = static_cast<size_t>(EventLength(code));
    if (code == kEventEnd || length == 0 || position + length > end) break;
    const auto event = bytes.subspan(position, length);
    position += length;
    switch (code) {
      case kEventMove:
        decoded.list.push_back(
            MoveLine(static_cast<int8_t>(event[1]), static_cast<int8_t>(event[2])));
        break;
      case kEventDelay: {
        const int ms = event[1] << 8 | event[2];
        decoded.list.push_back(DelayLine(ms));
        if (delay_count < delays.size()) delays[delay_count++] = ms;
        break;
      }
      case kEventRepeatStart:
        if (repeat_lines) {
          decoded.list.push_back(RepeatStartLine(event[1]));
        } else if (!stop_value) {
          stop_value = event[1];
        }
        break;
      case kEventRepeatEnd:
        if (repeat_lines) decoded.list.push_back(RepeatStopLine());
        break;
      default:
        decoded.list.push_back(LineFor(event));
        break;
    }
  }

  if (std::all_of(delays.begin(), delays.end(), [](int d) { return d == 0; })) {
    decoded.delay_mode = DelayMode::kNone;
  } else if (std::all_of(delays.begin(), delays.end(), [&](int d) { return d == delays[0]; })) {
    decoded.delay_mode = DelayMode::kFixed;
    decoded.fixed_delay_ms = delays[0];
  } else {
    decoded.delay_mode = DelayMode::kRecorded;
  }
  decoded.list[0] = HeaderLine(decoded.delay_mode, decoded.fixed_delay_ms);

  if (!stop_value) {
    decoded.stop_mode = StopMode::None();
  } else if (*stop_value == 0) {
    decoded.stop_mode = StopMode::UntilReleased();
  } else if (*stop_value <= kMaxCycles) {
    decoded.stop_mode = StopMode::Cycles(*stop_value);
  }
  return decoded;
}

Outcome ChangeStopMode(std::span<uint8_t, kMacroSlotSize> slot, size_t* length, StopMode stop) {
  if (stop.kind == StopMode::Kind::kNone) return Outcome::Ok();
  if (*length == 0 || *length > kMacroSlotSize) {
    return Outcome::Fail(MacroStatus::kDamaged, "The macro data is damaged.");
  }
  if (slot[0] == kEventRepeatStart) {
    slot[1] = stop.StopValue();
    return Outcome::Ok();
  }
  const size_t wrapped = *length + 3;
  if (wrapped > kMacroSlotSize) return TooLongOutcome(wrapped);
  std::copy_backward(slot.begin(), slot.begin() + static_cast<ptrdiff_t>(*length - 1),
                     slot.begin() + static_cast<ptrdiff_t>(*length + 1));
  slot[0] = kEventRepeatStart;
  slot[1] = stop.StopValue();
  slot[*length + 1] = kEventRepeatEnd;
  slot[*length + 2] = kEventEnd;
  *length = wrapped;
  return Outcome::Ok();
}

}  // namespace kvrm
