#include "texts/language_table.h"

#include <utility>

namespace kvrm {

// Keys are ASCII names such as "Str212" or "FontName"; only ASCII letters fold.
std::string FoldKey(std::string_view key) {
  std::string folded(key);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

std::string LanguageTable::Text(std::string_view key) const {
  const auto it = entries_.find(FoldKey(key));
  return it == entries_.end() ? std::string() : it->second;
}

bool LanguageTable::Has(std::string_view key) const {
  return entries_.contains(FoldKey(key));
}

void LanguageTable::Set(std::string_view key, std::string text) {
  entries_[FoldKey(key)] = std::move(text);
}

}  // namespace kvrm
