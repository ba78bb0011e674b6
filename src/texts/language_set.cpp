#include "texts/language_set.h"

#include <utility>

#include "common/resources.h"
#include "texts/language_parser.h"

namespace kvrm {
namespace {

constexpr int kFirstSearchedKey = 100;
constexpr int kLastSearchedKey = 800;

}  // namespace

LanguageTable LoadLanguageTable(int k) {
  const std::string name = "lang" + std::to_string(k);
  return ParseLanguageResource(FindResource(kRcData, name), name);
}

std::string FindLanguageKey(std::span<const LanguageTable> tables, std::string_view text) {
  std::string found;
  if (text.empty()) return found;
  for (const LanguageTable& table : tables) {
    for (int n = kFirstSearchedKey; n <= kLastSearchedKey; ++n) {
      std::string key = "Str" + std::to_string(n);
      if (table.Has(key) && table.Text(key) == text) found = std::move(key);
    }
  }
  return found;
}

LanguageSet LanguageSet::FromResources() {
  return LanguageSet({LoadLanguageTable(1), LoadLanguageTable(2), LoadLanguageTable(3)});
}

LanguageSet::LanguageSet(std::array<LanguageTable, kLanguageCount> tables)
    : tables_(std::move(tables)) {}

bool LanguageSet::Select(int k) {
  if (k < 1 || k > kLanguageCount) return false;
  current_ = k;
  return true;
}

const LanguageTable& LanguageSet::Table(int k) const {
  static const LanguageTable kEmpty;
  return k < 1 || k > kLanguageCount ? kEmpty : tables_[static_cast<size_t>(k - 1)];
}

std::string LanguageSet::LanguageText(std::string_view key) const {
  return CurrentTable().Text(key);
}

std::string LanguageSet::FindLanguageKey(std::string_view text) const {
  return kvrm::FindLanguageKey(tables_, text);
}

}  // namespace kvrm
