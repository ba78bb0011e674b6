#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_outcome.h"

namespace kvrm {

inline constexpr std::string_view kFireMacroFileName = "Fire Macro.bin";
inline constexpr int kCustomGunKeySlots = 10;
inline constexpr size_t kFireMacroFileSize = 4 * kCustomGunKeySlots;  // 40

using GunKeyBytes = std::array<uint8_t, 4>;

// The choices of the engineer page that make one custom gun key.
struct CustomGunKeyChoice {
  bool colour_key = false;  // "Enable": a colour key, else a fire macro key
  bool keep_left_click = false;
  int start_record = 0;  // 0..9
  int record_count = 1;  // 1..10
  int colour = 0;        // 0..9 for LED colour 1..10, 15 for the user colour
  bool operator==(const CustomGunKeyChoice&) const = default;
};

// 0B, 0x10 (left click kept) + start record, count, 00; or 0B, 0x80 + colour, 00, 00.
GunKeyBytes CustomGunKeyCode(const CustomGunKeyChoice& choice);
CustomGunKeyChoice ChoiceForCustomGunKey(const GunKeyBytes& code);
std::string GunKeyText(const GunKeyBytes& code);

// The ten custom gun keys kept in "Fire Macro.bin" (code of slot k at 4k, an
// empty slot four zero bytes). Each used slot k is listed as "Fire Macro"
// followed by k + 1, in slot order.
class CustomGunKeys {
 public:
  explicit CustomGunKeys(std::filesystem::path folder);

  std::filesystem::path FilePath() const { return folder_ / kFireMacroFileName; }

  // A missing file leaves the keys empty. A file of the wrong size is read as
  // far as it goes and a copy is kept beside it (status kDamaged).
  Outcome Load();
  bool loaded() const { return loaded_; }

  const std::array<GunKeyBytes, kCustomGunKeySlots>& codes() const { return codes_; }
  // The used slots, in the order they are listed.
  std::vector<int> ListedSlots() const;
  std::vector<std::string> Names() const;

  // Fills the first free slot and rewrites the file; refused silently with ten
  // keys. *slot receives the slot used.
  Outcome Add(const GunKeyBytes& code, int* slot);
  // Removes listed key `item`, moves the later slots down and rewrites the file.
  Outcome Delete(int item);

 private:
  Outcome Commit(const std::array<GunKeyBytes, kCustomGunKeySlots>& next);

  std::filesystem::path folder_;
  std::array<GunKeyBytes, kCustomGunKeySlots> codes_{};
  bool loaded_ = false;
  std::string locked_reason_;
};

}  // namespace kvrm
