#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/section_copies.h"
#include "image/vendor_fields.h"

namespace kvrm {

inline constexpr int kProfileCount = 3;
inline constexpr int kSlotsPerProfile = 12;

// The four bytes of a key function code, b0 (the category) first.
using CodeBytes = std::array<uint8_t, 4>;

// The 45 code texts: the 36 profile slots, Profile 1 slots 1..12 first, then
// the 9 combo keys. Each is eight uppercase hex digits, b0 first.
using CodeTexts =
    std::array<std::string, kProfileCount * kSlotsPerProfile + vendor::kComboKeyCount>;

// Position in CodeTexts of slot 1..12 of profile 1..3, and of combo key 1..9.
constexpr size_t SlotTextIndex(int profile, int slot) {
  return static_cast<size_t>(kSlotsPerProfile * (profile - 1) + slot - 1);
}
constexpr size_t ComboTextIndex(int combo_key) {
  return static_cast<size_t>(kProfileCount * kSlotsPerProfile + combo_key - 1);
}

std::string CodeText(const CodeBytes& code);
// Exactly eight hex digits (either case); anything else gives nullopt.
std::optional<CodeBytes> ParseCodeText(std::string_view text);

// Slot 1..12 of a profile section; other slots throw std::out_of_range.
CodeBytes SlotCode(const ProfileSection& profile, int slot);
void SetSlotCode(ProfileSection& profile, int slot, const CodeBytes& code);

// The texts of the three profile copies' slots and of the Vendor copy's combo keys.
CodeTexts CodeTextsFromSections(const SectionCopies& copies);

// Store a code text into the texts and the section bytes together. The text is
// stored in its canonical uppercase form; text that is not a code, or a profile,
// slot or combo key out of range, changes nothing and gives false.
bool StoreSlotCode(SectionCopies& copies, CodeTexts& texts, int profile, int slot,
                   std::string_view code);
bool StoreComboCode(SectionCopies& copies, CodeTexts& texts, int combo_key, std::string_view code);

}  // namespace kvrm
