#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language_table.h"

namespace kvrm {

// The sections of an INI text; section names, like keys, compare without regard to case.
class IniSections {
 public:
  // The entries of the section, or an empty table when the text has no such section.
  const LanguageTable& Section(std::string_view name) const;
  bool Has(std::string_view name) const;
  // The section of that name, created empty when it is new.
  LanguageTable& Add(std::string_view name);
  const std::map<std::string, LanguageTable>& sections() const { return sections_; }

 private:
  std::map<std::string, LanguageTable> sections_;  // names stored in lower case
};

// The text of a language resource as UTF-8: UTF-16 little-endian after the byte
// order mark 0xFF 0xFE, or from the first byte when the mark is missing. Texts
// stay Unicode, so Chinese captions survive. A trailing odd byte is dropped and
// an unpaired surrogate becomes U+FFFD.
std::string DecodeUtf16Le(std::span<const uint8_t> bytes);

// Splits text into items at runs of spaces and control characters. An item that
// begins with a double quote runs to the closing quote, may hold spaces, and
// reads a doubled quote as one; an unterminated quote runs to the end.
std::vector<std::string> SplitLanguageItems(std::string_view text);

// Reads items as INI lines: each is trimmed; empty items and ";" comments are
// skipped; "[name]" starts a section; "key=value" (split at the first "=", both
// sides trimmed) is an entry of the current section; anything else, and entries
// before the first section, are ignored. A key given twice keeps its first value.
IniSections ParseIniItems(std::span<const std::string> items);

// The INI rules over 8-bit text with one item per physical line (CR LF, LF or CR
// line ends), as the layout resources are written.
IniSections ParseIniLines(std::string_view text);

// The entries of one section of a language resource in its UTF-16 form.
LanguageTable ParseLanguageResource(std::span<const uint8_t> bytes, std::string_view section);

}  // namespace kvrm
