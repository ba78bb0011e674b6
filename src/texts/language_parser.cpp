#include "texts/language_parser.h"

#include <utility>

namespace kvrm {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Spaces and control characters separate items and are trimmed; UTF-8 lead and
// continuation bytes are all 0x80 or above, so they never count.
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

const LanguageTable& IniSections::Section(std::string_view name) const {
  static const LanguageTable kEmpty;
  const auto it = sections_.find(FoldKey(Trim(name)));
  return it == sections_.end() ? kEmpty : it->second;
}

bool IniSections::Has(std::string_view name) const {
  return sections_.contains(FoldKey(Trim(name)));
}

LanguageTable& IniSections::Add(std::string_view name) {
  return sections_[FoldKey(Trim(name))];
}

std::string DecodeUtf16Le(std::span<const uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) bytes = bytes.subspan(2);
  const size_t units = bytes.size() / 2;
  const auto unit = [&](size_t i) -> char32_t { return bytes[2 * i] | (bytes[2 * i + 1] << 8); };
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < units; ++i) {
    const char32_t u = unit(i);
    if (IsHighSurrogate(u) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
      AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00), out);
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(kReplacementCharacter, out);
    } else {
      AppendUtf8(u, out);
    }
  }
  return out;
}

std::vector<std::string> SplitLanguageItems(std::string_view text) {
  std::vector<std::string> items;
  size_t i = 0;
  const size_t n = text.size();
  while (true) {
    while (i < n && IsBlank(text[i])) ++i;
    if (i == n) break;
    std::string item;
    if (text[i] == '"') {
      for (++i; i < n; ++i) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            item += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        item += text[i];
      }
    } else {
      while (i < n && !IsBlank(text[i])) item += text[i++];
    }
    items.push_back(std::move(item));
  }
  return items;
}

IniSections ParseIniItems(std::span<const std::string> items) {
  IniSections ini;
  LanguageTable* section = nullptr;
  for (const std::string& raw : items) {
    const std::string_view item = Trim(raw);
    if (item.empty() || item.front() == ';') continue;
    if (item.size() >= 2 && item.front() == '[' && item.back() == ']') {
      section = &ini.Add(item.substr(1, item.size() - 2));
      continue;
    }
    const size_t equals = item.find('=');
    if (section == nullptr || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(item.substr(0, equals));
    if (key.empty() || section->Has(key)) continue;
    section->Set(key, std::string(Trim(item.substr(equals + 1))));
  }
  return ini;
}

IniSections ParseIniLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return ParseIniItems(lines);
}

LanguageTable ParseLanguageResource(std::span<const uint8_t> bytes, std::string_view section) {
  return ParseIniItems(SplitLanguageItems(DecodeUtf16Le(bytes))).Section(section);
}

}  // namespace kvrm
