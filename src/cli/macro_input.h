#pragma once

// Reading what `kvrmctl macro edit` is given: event lines written by hand and
// the --stop value. The encoder takes any text that ends in a code field, so a
// typo would silently become another event; here every line must read exactly
// as the macro page writes it, or the whole input is refused.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_bytes.h"
#include "macros/macro_codec.h"
#include "macros/macro_lines.h"

namespace kvrm::cli {

struct EventLines {
  MacroList list;     // a header line, then the events in playing order
  std::string error;  // empty when every line was read
};

inline std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

inline bool AllHexDigits(std::string_view text) {
  return !text.empty() && std::ranges::all_of(text, [](char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
  });
}

inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

inline bool SingleModifierMask(uint8_t mask) {
  return mask == 0x01 || mask == 0x02 || mask == 0x04 || mask == 0x08 || mask == 0x80;
}

// Whether an event's first byte is a press (true) or a release.
inline bool PressEvent(const std::vector<uint8_t>& bytes) {
  const uint8_t code = bytes.front();
  if (bytes.size() == 1) return (code & 0x80) != 0;
  return code == kEventModifierPress || code == kEventKeyPress;
}

// One line as the macro page would have written it (hex digits in upper
// case), or nullopt and the reason.
inline std::optional<std::string> CanonicalEventLine(std::string_view line, std::string* why) {
  const int kind = LineKind(line);
  if (kind == 7 || kind == 8) {
    *why = "repeat lines belong to fire macros; a macro repeats by its stop mode (--stop)";
    return std::nullopt;
  }
  if (line.size() < 2 || line[1] != ' ' || (kind != 0 && kind != 1 && kind != 2 && kind != 3)) {
    *why = "an event line is \"0 MS\", \"1 NAME CODE:XXXX\", \"2 NAME CODE:XXXX\" or \"3 04XXYY\"";
    return std::nullopt;
  }
  if (kind == 0) {
    const std::string_view digits = line.substr(2);
    int ms = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
    if (digits.empty() || digits.front() == '0' || error != std::errc() ||
        end != digits.data() + digits.size() || ms < kMinDelayMs || ms > kMaxDelayMs) {
      *why = "a delay is 1..65535 ms, written without leading zeros";
      return std::nullopt;
    }
    return std::string(line);
  }
  if (kind == 3) {
    if (line.size() != 8 || line.substr(2, 2) != "04" || !AllHexDigits(line.substr(4))) {
      *why = "a move line is \"3 04\" and the X and Y steps as two hex digits each";
      return std::nullopt;
    }
    return "3 04" + UpperCase(line.substr(4));
  }
  constexpr std::string_view kCodeTag = " CODE:";
  const size_t tag_at = line.size() >= 2 + kCodeTag.size() + 4 ? line.size() - 10 : 0;
  if (tag_at == 0 || line.substr(tag_at, kCodeTag.size()) != kCodeTag ||
      !AllHexDigits(line.substr(line.size() - 4))) {
    *why = "a press or release line ends in \" CODE:\" and four hex digits";
    return std::nullopt;
  }
  const std::string canonical =
      std::string(line.substr(0, line.size() - 4)) + UpperCase(line.substr(line.size() - 4));
  const std::optional<std::vector<uint8_t>> bytes = LineBytes(canonical);
  if (!bytes || bytes->empty()) {
    *why =
        "the code is no mouse button (00A1..00B0, 0021..0030), modifier (81xx, 01xx) or key "
        "(82xx, 02xx)";
    return std::nullopt;
  }
  if (PressEvent(*bytes) != (kind == 1)) {
    *why = kind == 1 ? "a press line needs a press code" : "a release line needs a release code";
    return std::nullopt;
  }
  const uint8_t code = bytes->front();
  if ((code == kEventModifierPress || code == kEventModifierRelease) &&
      !SingleModifierMask((*bytes)[1])) {
    *why = "a modifier is 01 Ctrl, 02 Shift, 04 Alt, 08 Left Windows or 80 Right Windows";
    return std::nullopt;
  }
  return canonical;
}

// The macro list of the given text lines. Blank lines are skipped and blanks
// around a line ignored; the header says whether delays were written.
inline EventLines ParseEventLines(const std::vector<std::string>& lines) {
  EventLines parsed;
  bool delays = false;
  MacroList events;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = TrimBlanks(lines[i]);
    if (line.empty()) continue;
    std::string why;
    const std::optional<std::string> canonical = CanonicalEventLine(line, &why);
    if (!canonical) {
      parsed.error = "line " + std::to_string(i + 1) + " \"" + std::string(line) + "\": " + why;
      return parsed;
    }
    delays = delays || LineKind(*canonical) == 0;
    events.push_back(*canonical);
  }
  parsed.list.push_back(HeaderLine(delays ? DelayMode::kRecorded : DelayMode::kNone, 0));
  parsed.list.insert(parsed.list.end(), events.begin(), events.end());
  return parsed;
}

// "released", "none" or a cycle count 1..254.
inline std::optional<StopMode> ParseStopMode(std::string_view text) {
  if (text == "released") return StopMode::UntilReleased();
  if (text == "none") return StopMode::None();
  int cycles = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), cycles);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      cycles < kMinCycles || cycles > kMaxCycles) {
    return std::nullopt;
  }
  return StopMode::Cycles(cycles);
}

}  // namespace kvrm::cli
