#include "macros/macro_name.h"

#include <string>

namespace kvrm {
namespace {

// Decodes UTF-8 strictly: no overlong forms, no surrogates, nothing past U+10FFFF.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
  std::u16string units;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      code = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + static_cast<size_t>(extra) >= text.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return std::nullopt;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (code >> 10));
      units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      units += static_cast<char16_t>(code);
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return units;
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::optional<MacroName> MacroNameFromText(std::string_view utf8) {
  const auto units = Utf16FromUtf8(utf8);
  if (!units || units->size() > kMacroNameUnits) return std::nullopt;
  MacroName name{};
  for (size_t i = 0; i < units->size(); ++i) {
    name[2 * i] = static_cast<uint8_t>((*units)[i] >> 8);
    name[2 * i + 1] = static_cast<uint8_t>((*units)[i] & 0xFF);
  }
  return name;
}

std::string MacroNameText(const MacroName& name) {
  std::string text;
  for (size_t i = 0; i < kMacroNameUnits; ++i) {
    const char32_t unit = static_cast<char32_t>(name[2 * i] << 8 | name[2 * i + 1]);
    if (unit == 0) break;
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < kMacroNameUnits) {
      const char32_t next = static_cast<char32_t>(name[2 * i + 2] << 8 | name[2 * i + 3]);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), text);
        ++i;
        continue;
      }
    }
    // A lone surrogate, as damaged names may hold, shows as the replacement character.
    AppendUtf8(high || low ? char32_t{0xFFFD} : unit, text);
  }
  return text;
}

}  // namespace kvrm
