// The recipe of the six factory configurations. Where the mouse's factory
// contents are not fixed by its firmware, the values chosen here are:
// - Vendor section: the Vendor default of the variant's LED hardware (4210C:
//   MCU LED on Z-Ivid package; 4230C: RGB LED package), which gives the DPI
//   levels 1000/1600/2400/3200, the colours and the sensor registers, with
//   the product string "HID Gaming Mouse" and the combo keys below.
// - Gun adjustment values in the User section: all 0.
// - Profiles 2 and 3 and the 4230C's Profile 1: office buttons as in the
//   4210C Profile 1; a long press of DPI Loop switches to game mode, Profile 2
//   carries gun presets that switch modes the same way, and the 4230C's extra
//   slots 10..12 hold media and desktop keys.
// - Fire macro records: one recoil pattern per gun preset record.
// - Reserved block and the unused 104 bytes after it: 0xFF, as erased memory.
// - Patch code: the shipped images carry filler bytes, not controller code;
//   the filler sums to the value the patch code header's checksum states.
#include "image/factory_recipe.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "image/image_layout.h"
#include "image/profile_codes.h"
#include "image/section_defaults.h"
#include "image/vendor_fields.h"

namespace kvrm {
namespace {

using CodeRow = std::array<std::string_view, kSlotsPerProfile>;

// One fire record: the pointer pull per step and the time between steps.
struct FirePattern {
  int y_step;
  int interval_ms;
};
using FireTable = std::array<FirePattern, layout::kFireMacroCount>;

struct Configuration {
  std::array<uint8_t, 7> user_head;  // User bytes 0..6; the rest are 0
  std::array<uint8_t, 8> mcu_led;
  std::string_view profile2_slot12;
  FireTable fire;
};

struct VariantRecipe {
  DefaultInputs vendor_default;
  std::string_view game_mode_switch;  // combo key 4
  std::array<uint8_t, 8> patch_header;
  FireKeyBlock fire_keys;
  std::array<CodeRow, 3> profiles;  // Profile 2 slot 12 comes from the configuration
  std::array<Configuration, kFactoryConfigurationCount> configurations;
};

constexpr std::string_view kLedModeKey = "0E000000";  // combo key 2: right + backward

// 4210C: left press, then until the button is released pull down and wait,
// then left release.
constexpr FireTable k4210CFire{
    {{3, 40}, {2, 40}, {2, 35}, {1, 30}, {2, 40}, {2, 40}, {3, 40}, {3, 45}, {4, 45}, {5, 45}}};

const VariantRecipe k4210C{
    {"MCULED", 0},
    "07D1F018",
    {0x04, 0x00, 0x02, 0xE0, 0x00, 0x1A, 0x5F, 0x63},
    {0xFF, 0xFF, 0x02, 0x00, 0x3C, 0x04, 0x00, 0x3C, 0x07, 0x00, 0x3C, 0xE0},
    {{
        {"01010000", "01080002", "0692003C", "01020000", "01100000", "09010000", "01040000",
         "09000000", "09020000", "00000000", "00000000", "00000000"},
        {"01010000", "01080002", "0B000108", "01020000", "01100000", "09010000", "01040000",
         "09000008", "09020000", "00000000", "00000000", ""},
        {"01010000", "01080002", "0692003C", "01020000", "01100000", "09010000", "01040000",
         "09000008", "09020000", "00000000", "00000000", "00000000"},
    }},
    {{
        {{0x00, 0x82, 0x01, 0x00, 0x00, 0x00, 0x00},
         {0x02, 0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDF},
         "00000000",
         k4210CFire},
        {{0x00, 0x82, 0x01, 0x00, 0x00, 0x00, 0x00},
         {0x01, 0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDE},
         "00000000",
         k4210CFire},
        {{0x00, 0x82, 0x01, 0x00, 0x00, 0x00, 0x00},
         {0x01, 0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDE},
         "00000000",
         k4210CFire},
    }},
};

// 4230C: until the button is released click, pull down and wait. Configuration
// 2 pulls harder and configuration 3 softer and slower than configuration 1.
const VariantRecipe k4230C{
    {"RGB", 1},
    "07D1F020",
    {0x04, 0x00, 0x02, 0x00, 0x00, 0x1A, 0x07, 0xA2},
    {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x02, 0x00, 0x3C, 0x04, 0x00, 0x3C, 0xE0},
    {{
        {"01010000", "01080002", "0691003C", "01020000", "01100000", "09010000", "01040000",
         "09000008", "09020000", "0300E900", "0300EA00", "0300CD00"},
        {"01010000", "01080002", "0B000108", "01020000", "01100000", "09010000", "01040000",
         "09000008", "09020000", "0B040108", "0B050208", ""},
        {"01010000", "01080002", "0612003C", "01020000", "01100000", "09010000", "01040000",
         "09000008", "09020000", "02080700", "03019200", "03018A00"},
    }},
    {{
        {{0x00, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00},
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "0B070308",
         {{{6, 1}, {4, 1}, {4, 1}, {3, 1}, {4, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}}}},
        {{0xF1, 0x04, 0x01, 0x04, 0x0F, 0x00, 0x20},
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "0B070308",
         {{{7, 1}, {5, 1}, {5, 1}, {4, 1}, {5, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}}},
        {{0xF1, 0x04, 0x01, 0x04, 0x0F, 0x00, 0x20},
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "0B8F0000",
         {{{5, 2}, {3, 2}, {3, 2}, {2, 2}, {3, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}}},
    }},
};

CodeBytes Code(std::string_view text) {
  const auto code = ParseCodeText(text);
  if (!code) throw std::invalid_argument("factory recipe code " + std::string(text));
  return *code;
}

template <size_t N>
void Place(ConfigImage& image, int offset, const std::array<uint8_t, N>& bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

void Place(ConfigImage& image, int offset, const std::vector<uint8_t>& bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

// Bytes whose 16-bit sum is the patch code sum stated by header bytes 6 and 7.
std::vector<uint8_t> PatchFiller(const std::array<uint8_t, 8>& header) {
  const int length = header[2] << 8 | header[3];
  const int sum = (header[6] ^ 0x01) << 8 | (header[7] ^ 0x5A);
  std::vector<uint8_t> filler(static_cast<size_t>(length), static_cast<uint8_t>(sum / length));
  std::fill_n(filler.begin(), sum % length, static_cast<uint8_t>(sum / length + 1));
  return filler;
}

std::vector<uint8_t> FireRecord(ChipVariant variant, FirePattern p) {
  const auto y = static_cast<uint8_t>(p.y_step);
  const auto hi = static_cast<uint8_t>(p.interval_ms >> 8);
  const auto lo = static_cast<uint8_t>(p.interval_ms);
  std::vector<uint8_t> record;
  if (variant == ChipVariant::k4230C) {
    record = {0xFD, 0x00, 0xA1, 0x21, 0x04, 0x00, y, 0xFE, hi, lo, 0xFC, 0x00};
  } else {
    record = {0xA1, 0xFE, 0x00, 0x01, 0xFD, 0x00, 0x04, 0x00, y,
              0xFE, hi,   lo,   0xFC, 0x21, 0xFE, 0x00, 0x01, 0x00};
  }
  record.resize(static_cast<size_t>(LayoutFor(variant).fire_record_length), 0x00);
  return record;
}

std::vector<uint8_t> FireBlock(ChipVariant variant, const FireTable& table) {
  const VariantLayout v = LayoutFor(variant);
  std::vector<uint8_t> block(static_cast<size_t>(v.fire_block_length), 0xFF);
  for (int i = 0; i < layout::kFireMacroCount; ++i) {
    if (v.has_fire_names) {
      const std::string name = "Macro" + std::to_string(i + 1);
      auto at = block.begin() + i * layout::kFireMacroNameLength;
      std::fill_n(at, layout::kFireMacroNameLength, 0x00);
      for (char c : name) {
        *at++ = 0x00;
        *at++ = static_cast<uint8_t>(c);
      }
    }
    const auto record = FireRecord(variant, table[static_cast<size_t>(i)]);
    std::copy(record.begin(), record.end(),
              block.begin() + v.fire_table_offset + i * v.fire_record_length);
  }
  return block;
}

}  // namespace

std::string FactoryImageName(ChipVariant variant, int configuration) {
  const std::string_view chip = variant == ChipVariant::k4230C ? "4230C" : "4210C";
  return "KVRM" + std::string(chip) + "Data_Cfg" + std::to_string(configuration);
}

ConfigImage BuildFactoryImage(ChipVariant variant, int configuration) {
  if (configuration < 1 || configuration > kFactoryConfigurationCount) {
    throw std::out_of_range("factory configuration");
  }
  if (variant != ChipVariant::k4230C) variant = ChipVariant::k4210C;
  const VariantRecipe& recipe = variant == ChipVariant::k4230C ? k4230C : k4210C;
  const Configuration& config = recipe.configurations[static_cast<size_t>(configuration - 1)];

  ConfigImage image;
  image.fill(0xFF);

  VendorSection vendor{};
  BuildVendorDefault(vendor, recipe.vendor_default);
  vendor::SetUsbDescription(vendor, "HID Gaming Mouse");
  for (int k = 1; k <= vendor::kComboKeyCount; ++k) vendor::SetComboCode(vendor, k, {});
  vendor::SetComboCode(vendor, 2, Code(kLedModeKey));
  vendor::SetComboCode(vendor, 4, Code(recipe.game_mode_switch));
  StoreSectionChecksum(vendor);
  Place(image, layout::kVendorOffset, vendor);

  UserSection user{};
  std::copy(config.user_head.begin(), config.user_head.end(), user.begin());
  StoreSectionChecksum(user);
  Place(image, layout::kUserOffset, user);

  for (int p = 1; p <= kProfileCount; ++p) {
    ProfileSection profile{};
    for (int slot = 1; slot <= kSlotsPerProfile; ++slot) {
      const std::string_view text =
          p == 2 && slot == kSlotsPerProfile
              ? config.profile2_slot12
              : recipe.profiles[static_cast<size_t>(p - 1)][static_cast<size_t>(slot - 1)];
      SetSlotCode(profile, slot, Code(text));
    }
    StoreSectionChecksum(profile);
    Place(image, layout::kProfileOffsets[p - 1], profile);
  }

  Place(image, layout::kFireKeyOffset, recipe.fire_keys);
  std::fill_n(image.begin() + layout::kMacroAreaOffset, layout::kMacroAreaLength, 0x00);
  Place(image, layout::kPatchHeaderOffset, recipe.patch_header);
  Place(image, layout::kMcuLedOffset, config.mcu_led);
  Place(image, layout::kPatchCodeOffset, PatchFiller(recipe.patch_header));
  Place(image, LayoutFor(variant).fire_block_offset, FireBlock(variant, config.fire));
  return image;
}

}  // namespace kvrm
