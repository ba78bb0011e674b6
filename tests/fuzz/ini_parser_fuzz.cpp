// Feeds arbitrary bytes to the language and layout readers: as a UTF-16
// language resource and as 8-bit layout text. Neither may crash, and what they
// read must hold up to lookups.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "texts/language_parser.h"
#include "texts/language_set.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const kvrm::LanguageTable language = kvrm::ParseLanguageResource(bytes, "lang1");
  for (const auto& [key, text] : language.entries()) {
    if (language.Text(key) != text) __builtin_trap();
  }
  if (!language.entries().empty()) {
    const std::string key =
        kvrm::FindLanguageKey(std::span(&language, 1), language.entries().begin()->second);
    if (!key.empty() && !language.Has(key)) __builtin_trap();
  }

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kvrm::IniSections layout = kvrm::ParseIniLines(text);
  for (const auto& [name, section] : layout.sections()) {
    if (!layout.Has(name) || layout.Section(name).entries() != section.entries()) __builtin_trap();
  }
  return 0;
}
