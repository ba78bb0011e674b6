#include "image/profile_codes.h"

#include <algorithm>
#include <stdexcept>

namespace kvrm {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

size_t SlotOffset(int slot) {
  if (slot < 1 || slot > kSlotsPerProfile) throw std::out_of_range("profile slot");
  return static_cast<size_t>(4 * (slot - 1));
}

}  // namespace

std::string CodeText(const CodeBytes& code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : code) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

std::optional<CodeBytes> ParseCodeText(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  CodeBytes code{};
  for (size_t i = 0; i < code.size(); ++i) {
    const int high = HexDigit(text[2 * i]);
    const int low = HexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    code[i] = static_cast<uint8_t>(high << 4 | low);
  }
  return code;
}

CodeBytes SlotCode(const ProfileSection& profile, int slot) {
  CodeBytes code{};
  std::copy_n(profile.begin() + static_cast<std::ptrdiff_t>(SlotOffset(slot)), 4, code.begin());
  return code;
}

void SetSlotCode(ProfileSection& profile, int slot, const CodeBytes& code) {
  std::copy(code.begin(), code.end(),
            profile.begin() + static_cast<std::ptrdiff_t>(SlotOffset(slot)));
}

CodeTexts CodeTextsFromSections(const SectionCopies& copies) {
  CodeTexts texts;
  for (int p = 1; p <= kProfileCount; ++p) {
    for (int slot = 1; slot <= kSlotsPerProfile; ++slot) {
      texts[SlotTextIndex(p, slot)] = CodeText(SlotCode(copies.profiles[p - 1], slot));
    }
  }
  for (int k = 1; k <= vendor::kComboKeyCount; ++k) {
    texts[ComboTextIndex(k)] = CodeText(vendor::ComboCode(copies.vendor, k));
  }
  return texts;
}

bool StoreSlotCode(SectionCopies& copies, CodeTexts& texts, int profile, int slot,
                   std::string_view code) {
  const auto bytes = ParseCodeText(code);
  if (!bytes || profile < 1 || profile > kProfileCount || slot < 1 || slot > kSlotsPerProfile) {
    return false;
  }
  SetSlotCode(copies.profiles[static_cast<size_t>(profile - 1)], slot, *bytes);
  texts[SlotTextIndex(profile, slot)] = CodeText(*bytes);
  return true;
}

bool StoreComboCode(SectionCopies& copies, CodeTexts& texts, int combo_key, std::string_view code) {
  const auto bytes = ParseCodeText(code);
  if (!bytes || combo_key < 1 || combo_key > vendor::kComboKeyCount) return false;
  vendor::SetComboCode(copies.vendor, combo_key, *bytes);
  texts[ComboTextIndex(combo_key)] = CodeText(*bytes);
  return true;
}

}  // namespace kvrm
