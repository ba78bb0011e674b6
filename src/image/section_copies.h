#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/chip_variant.h"
#include "image/config_image.h"
#include "image/image_layout.h"

namespace kvrm {

using VendorSection = std::array<uint8_t, layout::kVendorLength>;
using UserSection = std::array<uint8_t, layout::kUserLength>;
using ProfileSection = std::array<uint8_t, layout::kProfileLength>;
using FireKeyBlock = std::array<uint8_t, layout::kFireKeyLength>;
using MacroArea = std::array<uint8_t, layout::kMacroAreaLength>;
// Patch code header (bytes 0..7) and MCU LED section (bytes 8..15).
using PatchHeaderAndMcuLed = std::array<uint8_t, layout::kPatchHeaderAndMcuLedLength>;

// The in-memory copies of the image's regions that the pages work on and write
// back region by region. Sized for the chip variant at identification.
struct SectionCopies {
  ChipVariant variant = ChipVariant::kNone;
  VariantLayout variant_layout;
  VendorSection vendor{};
  UserSection user{};
  std::array<ProfileSection, 3> profiles{};
  std::array<uint8_t, layout::kReservedLength> reserved{};
  FireKeyBlock fire_keys{};
  MacroArea macro_area{};
  PatchHeaderAndMcuLed patch_header{};
  std::vector<uint8_t> patch_code;  // 784 or 512 bytes
  std::vector<uint8_t> fire_block;  // 240 or 512 bytes
  // Rows of the fire macro table (24 or 32 bytes each) and, on the 4230C, the
  // ten 16-byte names.
  std::array<std::vector<uint8_t>, layout::kFireMacroCount> fire_records;
  std::array<std::array<uint8_t, layout::kFireMacroNameLength>, layout::kFireMacroCount>
      fire_names{};

  void SetVariant(ChipVariant v);
};

}  // namespace kvrm
