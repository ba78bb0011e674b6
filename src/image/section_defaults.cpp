#include "image/section_defaults.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "image/user_fields.h"

namespace kvrm {
namespace {

template <size_t N>
void Put(std::array<uint8_t, N>& section, int offset, std::initializer_list<uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), section.begin() + offset);
}

}  // namespace

void BuildVendorDefault(VendorSection& vendor, const DefaultInputs& inputs) {
  const LedType type = LedTypeFromText(inputs.led_type);
  const bool nt_like = type == LedType::kNt || type == LedType::kMcuLed;
  Put(vendor, 0, {0x7A, 0x5C, 0x08, 0xB8, 0xBF});
  if (type == LedType::kSync) {
    Put(vendor, 5, {0x3F, 0x7F, 0xBF});
  } else if (nt_like) {
    Put(vendor, 5, {0x3F, 0x7F, 0xCF});
  } else {
    Put(vendor, 5, {0xFF, 0x7F, 0x7F});
  }
  Put(vendor, 8, {0xAF, 0x20, 0x35, 0x29, 0x10, 0x30, 0x1A, 0x00, 0x00, 0x45, 0x02,
                  0xEF, 0x10, 0xEF, 0x10, 0xEF, 0x10, 0xFF, 0x10, 0x50, 0x03, 0x01,
                  0x02, 0x48, 0x96, 0xFA, 0x20, 0x1E, 0x02, 0x01, 0x20, 0x00});
  if (inputs.package == 0) Put(vendor, 40, {0x06, 0x87});
  if (inputs.package == 1) Put(vendor, 40, {0x10, 0xE0});
  switch (type) {
    case LedType::kSync:
      vendor[42] = 0x05;
      break;
    case LedType::kNt:
      vendor[42] = 0x37;
      break;
    case LedType::kMcuLed:
      vendor[42] = 0x7F;
      break;
    case LedType::kRgb:
    case LedType::kOther:
      vendor[42] = 0x3F;
      break;
  }
  Put(vendor, 43, {0x03, 0x64, 0x98, 0x00, 0x00});
  if (type == LedType::kSync) {
    Put(vendor, 48, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08});
  } else if (nt_like) {
    Put(vendor, 48, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08});
  } else {
    Put(vendor, 48, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08});
  }
  // The sync LED hardware keeps its colours: it cannot show them.
  if (type != LedType::kSync) {
    Put(vendor, 57,
        {0xFF, 0x00, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
         0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    Put(vendor, 87, {0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00,
                     0xFF, 0x00, 0x80, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00, 0xFF});
  }
  constexpr std::string_view kDescription = "HID Gaming mouse";
  std::copy(kDescription.begin(), kDescription.end(), vendor.begin() + 111);
  std::fill(vendor.begin() + 127, vendor.begin() + 163, 0x00);
  Put(vendor, 135, {0x08, 0x01, 0x00, 0x00});
}

void BuildUserDefault(UserSection& user, const DefaultInputs& inputs) {
  std::fill(user.begin(), user.end() - 1, 0x00);
  switch (LedTypeFromText(inputs.led_type)) {
    case LedType::kSync:
      user[1] = 0x42;
      break;
    case LedType::kNt:
      user[1] = 0xF5;
      break;
    case LedType::kMcuLed:
      user[1] = 0x81;
      break;
    case LedType::kRgb:
    case LedType::kOther:
      user[1] = 0x05;
      break;
  }
  user[2] = 0x01;
  user[3] = 0x01;
}

void BuildProfileDefault(ProfileSection& profile, const DefaultInputs& inputs) {
  if (inputs.package != 0 && inputs.package != 1) return;
  std::fill(profile.begin(), profile.end() - 1, 0x00);
  Put(profile, 0, {0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12, 0x00, 0x10,
                   0x01, 0x02, 0x00, 0x00, 0x01, 0x10, 0x00, 0x00, 0x02, 0x08, 0x07, 0x00,
                   0x01, 0x04, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00});
}

void BuildFireKeyDefault(FireKeyBlock& fire_keys) {
  fire_keys = {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8, 0xE0};
}

void ClearFireMacroTable(SectionCopies& copies) {
  constexpr size_t kClearedLength = 24;
  for (auto& row : copies.fire_records) {
    std::fill_n(row.begin(), std::min(kClearedLength, row.size()), 0x00);
  }
}

void BuildDefaultSections(SectionCopies& copies, const DefaultInputs& inputs) {
  BuildVendorDefault(copies.vendor, inputs);
  StoreSectionChecksum(copies.vendor);
  BuildUserDefault(copies.user, inputs);
  StoreSectionChecksum(copies.user);
  for (auto& profile : copies.profiles) {
    BuildProfileDefault(profile, inputs);
    StoreSectionChecksum(profile);
  }
  BuildFireKeyDefault(copies.fire_keys);
}

}  // namespace kvrm
