#include "keys/key_names.h"

#include <algorithm>
#include <utility>

namespace kvrm {
namespace {

constexpr int kSlotCount = kProfileCount * kSlotsPerProfile;

// Folds one naming's side effects into the result; later namings overwrite.
void Record(const KeyName& name, KeyNames& names) {
  if (name.continuity) {
    names.fire_key_continuous[name.continuity->fire_key] = name.continuity->continuous;
  }
  if (name.profile_colour) {
    names.profile_colour_selections[name.profile_colour->profile] = name.profile_colour->selection;
  }
}

// Names the 45 entries in order; code_at(index) gives the code of entry
// index + 1, or nullopt for an entry without one.
template <typename CodeSource>
KeyNames NameAll(CodeSource code_at, const KeyNamingState& state, const LanguageTable& texts) {
  KeyNames names;
  for (int index = 0; index < kSlotCount + vendor::kComboKeyCount; ++index) {
    const std::optional<KeyCode> code = code_at(index);
    KeyName name = code ? KeyCodeToName(*code, state, texts) : KeyName{};
    Record(name, names);
    if (index < kSlotCount) {
      names.profiles[index / kSlotsPerProfile][index % kSlotsPerProfile] = std::move(name);
    } else {
      names.combo_keys[index - kSlotCount] = std::move(name);
    }
  }
  return names;
}

KeyCode FromBytes(const CodeBytes& bytes) {
  KeyCode code;
  code.bytes = bytes;
  return code;
}

}  // namespace

ProfileKeyCodes ProfileKeyCodesOf(const SectionCopies& copies) {
  ProfileKeyCodes codes;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      codes[p][s] = FromBytes(SlotCode(copies.profiles[p], s + 1));
    }
  }
  return codes;
}

ComboKeyCodes ComboKeyCodesOf(const SectionCopies& copies) {
  ComboKeyCodes codes;
  for (int n = 0; n < vendor::kComboKeyCount; ++n) {
    codes[n] = FromBytes(vendor::ComboCode(copies.vendor, n + 1));
  }
  return codes;
}

void StoreKeyCodes(const ProfileKeyCodes& profiles, const ComboKeyCodes& combo_keys,
                   SectionCopies& copies, CodeTexts& texts) {
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      StoreSlotCode(copies, texts, p + 1, s + 1, FormatKeyCode(profiles[p][s]));
    }
  }
  for (int n = 0; n < vendor::kComboKeyCount; ++n) {
    StoreComboCode(copies, texts, n + 1, FormatKeyCode(combo_keys[n]));
  }
}

bool KeyNames::ProfileHasKey(int profile, std::string_view key) const {
  return std::ranges::any_of(profiles[profile], [key](const KeyName& n) { return n.key == key; });
}

bool KeyNames::ProfileHasFireMacro(int profile) const {
  return std::ranges::any_of(profiles[profile],
                             [](const KeyName& n) { return n.fire_macro_or_gun; });
}

KeyNames RefreshKeyNames(const ProfileKeyCodes& profiles, const ComboKeyCodes& combo_keys,
                         const KeyNamingState& state, const LanguageTable& texts) {
  return NameAll(
      [&](int index) -> std::optional<KeyCode> {
        if (index < kSlotCount) return profiles[index / kSlotsPerProfile][index % kSlotsPerProfile];
        return combo_keys[index - kSlotCount];
      },
      state, texts);
}

KeyNames RefreshKeyNames(const CodeTexts& code_texts, const KeyNamingState& state,
                         const LanguageTable& texts) {
  return NameAll([&](int index) { return ParseKeyCode(code_texts[index]); }, state, texts);
}

}  // namespace kvrm
