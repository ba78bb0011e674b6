#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kvrm {

// The texts of one language: key (compared without regard to case) to UTF-8 text.
class LanguageTable {
 public:
  // The text of key, or the empty text when the key is absent.
  std::string Text(std::string_view key) const;
  bool Has(std::string_view key) const;
  void Set(std::string_view key, std::string text);
  const std::map<std::string, std::string>& entries() const { return entries_; }

 private:
  std::map<std::string, std::string> entries_;  // keys stored in lower case
};

// The form in which keys and section names compare: ASCII letters in lower case.
std::string FoldKey(std::string_view key);

}  // namespace kvrm
