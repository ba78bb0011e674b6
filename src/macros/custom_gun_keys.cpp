#include "macros/custom_gun_keys.h"

#include <algorithm>
#include <system_error>

#include "macros/macro_files.h"
#include "macros/macro_lines.h"

namespace kvrm {
namespace {

constexpr uint8_t kGunKeyCategory = 0x0B;
constexpr uint8_t kColourKeyFlag = 0x80;
constexpr uint8_t kKeepLeftFlag = 0x10;
constexpr GunKeyBytes kEmptyKey{};

}  // namespace

GunKeyBytes CustomGunKeyCode(const CustomGunKeyChoice& choice) {
  if (choice.colour_key) {
    const int colour = choice.colour == 15 ? 15 : std::clamp(choice.colour, 0, 9);
    return {kGunKeyCategory, static_cast<uint8_t>(kColourKeyFlag + colour), 0x00, 0x00};
  }
  const auto flags = static_cast<uint8_t>((choice.keep_left_click ? kKeepLeftFlag : 0) +
                                          std::clamp(choice.start_record, 0, 9));
  return {kGunKeyCategory, flags, static_cast<uint8_t>(std::clamp(choice.record_count, 1, 10)),
          0x00};
}

CustomGunKeyChoice ChoiceForCustomGunKey(const GunKeyBytes& code) {
  CustomGunKeyChoice choice;
  choice.colour_key = (code[1] & kColourKeyFlag) != 0;
  if (choice.colour_key) {
    choice.colour = code[1] & 0x0F;
  } else {
    choice.keep_left_click = (code[1] & kKeepLeftFlag) != 0;
    choice.start_record = code[1] & 0x0F;
    choice.record_count = code[2];
  }
  return choice;
}

std::string GunKeyText(const GunKeyBytes& code) {
  std::string text;
  for (uint8_t byte : code) text += HexField(byte, 2);
  return text;
}

CustomGunKeys::CustomGunKeys(std::filesystem::path folder) : folder_(std::move(folder)) {}

Outcome CustomGunKeys::Load() {
  codes_ = {};
  loaded_ = false;
  locked_reason_.clear();
  const auto path = FilePath();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return Outcome::Ok();
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) {
    locked_reason_ = outcome.text + " The fire macro file is left as it is.";
    return outcome;
  }
  for (size_t i = 0; i < std::min(bytes->size(), kFireMacroFileSize); ++i) {
    codes_[i / 4][i % 4] = (*bytes)[i];
  }
  loaded_ = true;
  if (bytes->size() == kFireMacroFileSize) return Outcome::Ok();
  const auto copy = KeepDamagedCopy(path, *bytes);
  if (!copy)
    locked_reason_ = "The damaged fire macro file could not be kept, so it is not overwritten.";
  return DamagedFileOutcome(path, copy);
}

std::vector<int> CustomGunKeys::ListedSlots() const {
  std::vector<int> slots;
  for (size_t k = 0; k < codes_.size(); ++k) {
    if (codes_[k] != kEmptyKey) slots.push_back(static_cast<int>(k));
  }
  return slots;
}

std::vector<std::string> CustomGunKeys::Names() const {
  std::vector<std::string> names;
  for (int slot : ListedSlots()) names.push_back("Fire Macro" + std::to_string(slot + 1));
  return names;
}

Outcome CustomGunKeys::Add(const GunKeyBytes& code, int* slot) {
  const auto free = std::find(codes_.begin(), codes_.end(), kEmptyKey);
  if (free == codes_.end()) return Outcome::Silent(MacroStatus::kLibraryFull);
  auto next = codes_;
  const auto index = free - codes_.begin();
  next[static_cast<size_t>(index)] = code;
  Outcome outcome = Commit(next);
  if (outcome.ok() && slot) *slot = static_cast<int>(index);
  return outcome;
}

Outcome CustomGunKeys::Delete(int item) {
  const auto slots = ListedSlots();
  if (item < 0 || item >= static_cast<int>(slots.size())) {
    return Outcome::Silent(MacroStatus::kNotFound);
  }
  auto next = codes_;
  const auto slot = static_cast<size_t>(slots[static_cast<size_t>(item)]);
  std::move(next.begin() + static_cast<ptrdiff_t>(slot) + 1, next.end(),
            next.begin() + static_cast<ptrdiff_t>(slot));
  next.back() = kEmptyKey;
  return Commit(next);
}

Outcome CustomGunKeys::Commit(const std::array<GunKeyBytes, kCustomGunKeySlots>& next) {
  if (!locked_reason_.empty()) return Outcome::Fail(MacroStatus::kFileError, locked_reason_);
  std::vector<uint8_t> bytes;
  for (const auto& code : next) bytes.insert(bytes.end(), code.begin(), code.end());
  Outcome written = WriteMacroFile(FilePath(), bytes);
  if (written.ok()) {
    codes_ = next;
    loaded_ = true;
  }
  return written;
}

}  // namespace kvrm
