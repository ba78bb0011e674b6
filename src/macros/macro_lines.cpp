#include "macros/macro_lines.h"

#include <charconv>

#include "macros/key_names.h"

namespace kvrm {
namespace {

constexpr size_t kCodeSuffixLength = 10;  // " CODE:" and four hex digits

struct MouseButtonCodes {
  std::string_view name;
  uint8_t press;
  uint8_t release;
};

constexpr MouseButtonCodes kMouseButtons[] = {
    {"LeftKey", 0xA1, 0x21}, {"RightKey", 0xA2, 0x22}, {"MiddleKey", 0xA4, 0x24},
    {"Forward", 0xA8, 0x28}, {"Backward", 0xB0, 0x30},
};

std::string EventLine(char kind, std::string_view name, std::string_view code_field) {
  std::string line{kind, ' '};
  line += name;
  line += " CODE:";
  line += code_field;
  return line;
}

int HexByteAt(std::string_view line, size_t position) {
  unsigned value = 0;
  if (position + 2 > line.size()) return 0;
  const char* begin = line.data() + position;
  auto [end, ec] = std::from_chars(begin, begin + 2, value, 16);
  return ec == std::errc() && end == begin + 2 ? static_cast<int>(value) : 0;
}

int Signed(int byte) {
  return byte >= 128 ? byte - 256 : byte;
}

}  // namespace

std::string HexField(unsigned value, int digits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4)
    text[static_cast<size_t>(i)] = kHex[value & 0xF];
  return text;
}

std::string HeaderLine(DelayMode mode, int fixed_delay_ms) {
  switch (mode) {
    case DelayMode::kNone:
      return "00";
    case DelayMode::kFixed:
      return "01" + std::to_string(fixed_delay_ms);
    case DelayMode::kRecorded:
      break;
  }
  return "10";
}

std::string PressLine(std::string_view name, std::string_view code_field) {
  return EventLine('1', name, code_field);
}

std::string ReleaseLine(std::string_view name, std::string_view code_field) {
  return EventLine('2', name, code_field);
}

std::string DelayLine(int milliseconds) {
  return "0 " + std::to_string(milliseconds);
}

std::string MoveLine(int x, int y) {
  return "3 04" + HexField(static_cast<unsigned>(x) & 0xFF, 2) +
         HexField(static_cast<unsigned>(y) & 0xFF, 2);
}

std::string RepeatStartLine(int count) {
  return "7 FD" + HexField(static_cast<unsigned>(count) & 0xFF, 2);
}

std::string RepeatStopLine() {
  return "8 FC";
}

std::string MouseButtonLine(MouseButton button, bool press) {
  const auto& codes = kMouseButtons[static_cast<int>(button)];
  const std::string code = HexField(press ? codes.press : codes.release, 4);
  return press ? PressLine(codes.name, code) : ReleaseLine(codes.name, code);
}

std::string ModifierLine(uint8_t mask, bool press) {
  const std::string code = HexField((press ? 0x8100u : 0x0100u) | mask, 4);
  return press ? PressLine(ModifierName(mask), code) : ReleaseLine(ModifierName(mask), code);
}

std::string KeyLine(std::string_view name, uint8_t usage, bool press) {
  const std::string code = HexField((press ? 0x8200u : 0x0200u) | usage, 4);
  return press ? PressLine(name, code) : ReleaseLine(name, code);
}

int LineKind(std::string_view line) {
  if (line.empty() || line[0] < '0' || line[0] > '9') return -1;
  return line[0] - '0';
}

std::string EventName(std::string_view line) {
  if (line.size() < 2 + kCodeSuffixLength) return {};
  return std::string(line.substr(2, line.size() - 2 - kCodeSuffixLength));
}

std::string CodeField(std::string_view line) {
  return std::string(line.size() < 4 ? line : line.substr(line.size() - 4));
}

MacroListItem ListItemForLine(std::string_view line) {
  const int kind = LineKind(line);
  MacroListItem item{kind < 0 ? 0 : kind, {}};
  std::string text;
  switch (kind) {
    case 1:
    case 2:
      text = line.size() > kCodeSuffixLength ? line.substr(0, line.size() - kCodeSuffixLength) : "";
      break;
    case 0:
      text = std::string(line) + " ms";
      break;
    case 3:
      text = "  X: " + std::to_string(Signed(HexByteAt(line, 4))) +
             "  Y: " + std::to_string(Signed(HexByteAt(line, 6)));
      break;
    case 7:
      text = "  Rep-Start  " + std::to_string(HexByteAt(line, 4));
      break;
    case 8:
      text = "  Rep-Stop";
      break;
    default:
      text = line;
      break;
  }
  item.text = text.size() > 2 ? text.substr(2) : "";
  return item;
}

int ListItemCount(const MacroList& list) {
  return list.empty() ? 0 : static_cast<int>(list.size()) - 1;
}

MacroListItem ListItem(const MacroList& list, int item) {
  if (item < 0 || item >= ListItemCount(list)) return {};
  return ListItemForLine(list[static_cast<size_t>(item) + 1]);
}

}  // namespace kvrm
