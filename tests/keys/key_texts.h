#pragma once

#include "keys/key_code.h"
#include "texts/language_table.h"

namespace kvrm::testing {

// The English names of the functions, as the first language has them.
inline LanguageTable EnglishKeyTexts() {
  LanguageTable texts;
  for (const KeyTag& tag : KeyTags()) texts.Set(tag.language_key, std::string(tag.english_name));
  texts.Set("Str205", "User-defined");
  const char* guns[] = {"AKM Fire",    "M16 Fire",  "M4 Fire",  "UMP9 Fire",
                        "SCAR-L Fire", "5.56 Fire", "7.62 Fire"};
  for (int i = 0; i < 7; ++i) texts.Set("Str60" + std::to_string(i), guns[i]);
  const char* dpi[] = {"200",  "400",  "600",  "800",  "1000", "1200",
                       "1600", "2000", "2400", "3200", "4800", "6400"};
  for (int i = 0; i < 12; ++i) texts.Set("Str" + std::to_string(300 + i), dpi[i]);
  return texts;
}

inline KeyCode Code(const char* text) {
  return *ParseKeyCode(text);
}

}  // namespace kvrm::testing
