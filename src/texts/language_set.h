#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "texts/language_table.h"

namespace kvrm {

inline constexpr int kLanguageCount = 3;

// Parses the embedded resource LANGk and returns its section langk; a language
// without a resource gives an empty table.
LanguageTable LoadLanguageTable(int k);

// The key among Str100..Str800 whose text equals text exactly, searching the
// tables in order and each in ascending number; the last match wins. Empty when
// nothing matches, and for an empty text, which names no function.
std::string FindLanguageKey(std::span<const LanguageTable> tables, std::string_view text);

// The three languages of the tool and the current one (1..3, starting at 1).
// The resources never change while the tool runs, so each is parsed once here
// instead of on every lookup.
class LanguageSet {
 public:
  static LanguageSet FromResources();
  explicit LanguageSet(std::array<LanguageTable, kLanguageCount> tables);

  int current() const { return current_; }
  // Makes language k current; a k outside 1..3 is refused and changes nothing.
  bool Select(int k);

  // Language k's table; an empty table for a k outside 1..3.
  const LanguageTable& Table(int k) const;
  const LanguageTable& CurrentTable() const { return Table(current_); }

  // The text of key in the current language, empty when absent.
  std::string LanguageText(std::string_view key) const;
  std::string FindLanguageKey(std::string_view text) const;
  std::string FontName() const { return LanguageText("FontName"); }
  std::string Title() const { return LanguageText("Title"); }

 private:
  std::array<LanguageTable, kLanguageCount> tables_;
  int current_ = 1;
};

}  // namespace kvrm
