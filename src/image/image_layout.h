#pragma once

#include <cstdint>
#include <numeric>
#include <span>

#include "device/chip_variant.h"

namespace kvrm {

// Where each region of the configuration image lies. Offsets are image offsets,
// which are also the mouse's memory addresses.
namespace layout {

inline constexpr int kVendorOffset = 0;
inline constexpr int kVendorLength = 164;  // 163 data bytes and the checksum
inline constexpr int kUserOffset = 164;
inline constexpr int kUserLength = 28;  // 27 data bytes and the checksum
inline constexpr int kProfileLength = 49;  // twelve 4-byte codes and the checksum
inline constexpr int kProfileOffsets[3] = {192, 241, 290};
inline constexpr int kProfilesOffset = 192;
inline constexpr int kProfilesLength = 147;
inline constexpr int kReservedOffset = 339;
inline constexpr int kReservedLength = 41;
inline constexpr int kFireKeyOffset = 484;
inline constexpr int kFireKeyLength = 12;
inline constexpr int kFireKeyMarkerOffset = 495;  // holds 0xE0 in every valid image
inline constexpr uint8_t kFireKeyMarker = 0xE0;
inline constexpr int kMacroAreaOffset = 496;
inline constexpr int kMacroAreaLength = 512;
inline constexpr int kPatchHeaderOffset = 1008;  // 8 bytes of patch code header
inline constexpr int kMcuLedOffset = 1016;       // 7 data bytes and the checksum
inline constexpr int kPatchHeaderAndMcuLedLength = 16;
inline constexpr int kPatchCodeOffset = 1024;
inline constexpr int kFireMacroCount = 10;
inline constexpr int kFireMacroNameLength = 16;

}  // namespace layout

// The regions whose place or size depends on the chip variant.
struct VariantLayout {
  int patch_code_length = 784;
  int fire_block_offset = 1808;
  int fire_block_length = 240;
  int fire_record_length = 24;
  int fire_table_offset = 0;  // inside the fire macro block
  bool has_fire_names = false;  // 4230C: ten 16-byte names at block offset 0
};

constexpr VariantLayout LayoutFor(ChipVariant variant) {
  if (variant == ChipVariant::k4230C) return {512, 1536, 512, 32, 160, true};
  return {};
}

// (8-bit sum of the data bytes) XOR 0x5A, stored right after them.
constexpr uint8_t SectionChecksum(std::span<const uint8_t> data) {
  return static_cast<uint8_t>(std::accumulate(data.begin(), data.end(), 0u) & 0xFF) ^ 0x5A;
}

// Stores the checksum of a section's data bytes in its last byte.
constexpr void StoreSectionChecksum(std::span<uint8_t> section) {
  section.back() = SectionChecksum(section.first(section.size() - 1));
}

constexpr bool SectionChecksumValid(std::span<const uint8_t> section) {
  return section.back() == SectionChecksum(section.first(section.size() - 1));
}

}  // namespace kvrm
