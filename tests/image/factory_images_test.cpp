#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

#include "common/resources.h"
#include "image/factory_recipe.h"
#include "image/image_layout.h"
#include "image/profile_codes.h"
#include "support/support.h"

namespace kvrm::test {
namespace {

constexpr ChipVariant kVariants[] = {ChipVariant::k4210C, ChipVariant::k4230C};

ConfigImage Shipped(ChipVariant variant, int configuration) {
  const auto resource = FindResource(kRcData, FactoryImageName(variant, configuration));
  ConfigImage image{};
  EXPECT_EQ(resource.size(), kImageSize) << FactoryImageName(variant, configuration);
  std::copy_n(resource.begin(), std::min(resource.size(), kImageSize), image.begin());
  return image;
}

std::vector<uint8_t> At(const ConfigImage& image, int offset, size_t length) {
  return {image.begin() + offset, image.begin() + offset + static_cast<std::ptrdiff_t>(length)};
}

std::vector<uint8_t> Ascii(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(FactoryImagesTest, ShippedResourcesAreTheRecipeOutput) {
  for (ChipVariant variant : kVariants) {
    for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
      EXPECT_TRUE(Shipped(variant, c) == BuildFactoryImage(variant, c))
          << FactoryImageName(variant, c);
    }
  }
}

TEST(FactoryImagesTest, ResourceNames) {
  EXPECT_EQ(FactoryImageName(ChipVariant::k4210C, 1), "KVRM4210CData_Cfg1");
  EXPECT_EQ(FactoryImageName(ChipVariant::k4230C, 3), "KVRM4230CData_Cfg3");
  EXPECT_EQ(FactoryImageName(ChipVariant::kNone, 2), "KVRM4210CData_Cfg2");
  EXPECT_THROW(BuildFactoryImage(ChipVariant::k4210C, 4), std::out_of_range);
}

struct Telling {
  ChipVariant variant;
  std::vector<int> configurations;
  int offset;
  std::vector<uint8_t> bytes;
  const char* what;
};

TEST(FactoryImagesTest, TellingContents) {
  using enum ChipVariant;
  const std::vector<Telling> cases = {
      {k4210C, {1, 2, 3}, 0, Bytes("7A 5C 08 B8"), "USB ids"},
      {k4230C, {1, 2, 3}, 0, Bytes("7A 5C 08 B8"), "USB ids"},
      {k4210C, {1, 2, 3}, 111, Ascii("HID Gaming Mouse"), "product string"},
      {k4230C, {1, 2, 3}, 111, Ascii("HID Gaming Mouse"), "product string"},
      {k4210C,
       {1, 2, 3},
       127,
       Bytes("00 00 00 00 0E 00 00 00 00 00 00 00 07 D1 F0 18 00 00 00 00 00 00 00 00 "
             "00 00 00 00 00 00 00 00 00 00 00 00"),
       "combo keys"},
      {k4230C,
       {1, 2, 3},
       127,
       Bytes("00 00 00 00 0E 00 00 00 00 00 00 00 07 D1 F0 20 00 00 00 00 00 00 00 00 "
             "00 00 00 00 00 00 00 00 00 00 00 00"),
       "combo keys"},
      {k4210C,
       {1, 2, 3},
       164,
       Bytes("00 82 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
             "D9"),
       "User section"},
      {k4230C, {1}, 164, Bytes("00 04 01 00"), "User section"},
      {k4230C, {2, 3}, 164, Bytes("F1 04 01 04 0F 00 20"), "User section"},
      {k4210C,
       {1, 2, 3},
       192,
       Bytes("01 01 00 00 01 08 00 02 06 92 00 3C 01 02 00 00 01 10 00 00 09 01 00 00 "
             "01 04 00 00 09 00 00 00 09 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00"),
       "Profile 1"},
      {k4210C, {1, 2, 3}, 484, Bytes("FF FF 02 00 3C 04 00 3C 07 00 3C E0"), "fire key block"},
      {k4230C, {1, 2, 3}, 484, Bytes("FF FF 01 00 3C 02 00 3C 04 00 3C E0"), "fire key block"},
      {k4210C, {1, 2, 3}, 1008, Bytes("04 00 02 E0 00 1A 5F 63"), "patch code header"},
      {k4230C, {1, 2, 3}, 1008, Bytes("04 00 02 00 00 1A 07 A2"), "patch code header"},
      {k4210C, {1}, 1016, Bytes("02 83 00 00 00 00 00 DF"), "MCU LED section"},
      {k4210C, {2, 3}, 1016, Bytes("01 83 00 00 00 00 00 DE"), "MCU LED section"},
      {k4230C, {1, 2, 3}, 1016, Bytes("FF FF FF FF FF FF FF FF"), "MCU LED section"},
      {k4210C, {1, 2, 3}, 1760, std::vector<uint8_t>(48, 0xFF), "after the patch code"},
      {k4230C, {1, 2, 3}, 2016, std::vector<uint8_t>(32, 0xFF), "spare fire block bytes"},
  };
  for (const Telling& t : cases) {
    for (int c : t.configurations) {
      EXPECT_EQ(At(Shipped(t.variant, c), t.offset, t.bytes.size()), t.bytes)
          << t.what << " of " << FactoryImageName(t.variant, c);
    }
  }
}

TEST(FactoryImagesTest, MacroAreasAreEmpty) {
  for (ChipVariant variant : kVariants) {
    for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
      EXPECT_EQ(At(Shipped(variant, c), layout::kMacroAreaOffset, layout::kMacroAreaLength),
                std::vector<uint8_t>(layout::kMacroAreaLength, 0x00));
    }
  }
}

TEST(FactoryImagesTest, EveryChecksummedSectionIsValid) {
  struct Section {
    int offset, length;
  };
  const Section sections[] = {{0, 164}, {164, 28}, {192, 49}, {241, 49}, {290, 49}};
  for (ChipVariant variant : kVariants) {
    for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
      const ConfigImage image = Shipped(variant, c);
      for (const Section& s : sections) {
        EXPECT_TRUE(SectionChecksumValid(std::span(image).subspan(s.offset, s.length)))
            << FactoryImageName(variant, c) << " at " << s.offset;
      }
      if (variant == ChipVariant::k4210C) {
        EXPECT_TRUE(SectionChecksumValid(std::span(image).subspan(layout::kMcuLedOffset, 8)));
      }
    }
  }
}

TEST(FactoryImagesTest, PatchCodeHeaderChecksumCoversThePatchCode) {
  for (ChipVariant variant : kVariants) {
    for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
      const ConfigImage image = Shipped(variant, c);
      const int length = image[1010] << 8 | image[1011];
      EXPECT_EQ(length, variant == ChipVariant::k4210C ? 736 : 512);
      const unsigned sum = std::accumulate(image.begin() + layout::kPatchCodeOffset,
                                           image.begin() + layout::kPatchCodeOffset + length, 0u) &
                           0xFFFF;
      EXPECT_EQ(image[1014], ((sum >> 8) ^ 0x01) & 0xFF) << FactoryImageName(variant, c);
      EXPECT_EQ(image[1015], (sum & 0xFF) ^ 0x5A) << FactoryImageName(variant, c);
    }
  }
}

// A fire record is the event bytes of one macro, ended by 0x00 and zero-padded;
// a recoil pattern repeats a move.
void ExpectFireRecord(std::span<const uint8_t> record, const std::string& where) {
  const auto event_length = [](uint8_t code) {
    switch (code) {
      case 0x81:
      case 0x01:
      case 0x82:
      case 0x02:
      case 0xFD:
        return 2;
      case 0x04:
      case 0xFE:
        return 3;
      default:
        return 1;
    }
  };
  bool repeat = false, move = false;
  size_t i = 0;
  while (i < record.size() && record[i] != 0x00) {
    repeat |= record[i] == 0xFD;
    move |= record[i] == 0x04;
    i += static_cast<size_t>(event_length(record[i]));
  }
  ASSERT_LT(i, record.size()) << where << ": no terminator";
  EXPECT_TRUE(repeat && move) << where;
  EXPECT_TRUE(std::all_of(record.begin() + static_cast<std::ptrdiff_t>(i), record.end(),
                          [](uint8_t b) { return b == 0; }))
      << where;
}

TEST(FactoryImagesTest, FireMacroBlocks) {
  for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
    const ConfigImage small = Shipped(ChipVariant::k4210C, c);
    for (int i = 0; i < 10; ++i) {
      ExpectFireRecord(std::span(small).subspan(1808 + 24 * i, 24),
                       "4210C record " + std::to_string(i));
    }
    const ConfigImage large = Shipped(ChipVariant::k4230C, c);
    for (int i = 0; i < 10; ++i) {
      std::vector<uint8_t> name(16, 0x00);
      const std::string text = "Macro" + std::to_string(i + 1);
      for (size_t k = 0; k < text.size(); ++k) name[2 * k + 1] = static_cast<uint8_t>(text[k]);
      EXPECT_EQ(At(large, 1536 + 16 * i, 16), name);
      ExpectFireRecord(std::span(large).subspan(1696 + 32 * i, 32),
                       "4230C record " + std::to_string(i));
    }
  }
}

std::set<int> Differences(const ConfigImage& a, const ConfigImage& b) {
  std::set<int> offsets;
  for (int i = 0; i < static_cast<int>(kImageSize); ++i) {
    if (a[static_cast<size_t>(i)] != b[static_cast<size_t>(i)]) offsets.insert(i);
  }
  return offsets;
}

struct Region {
  int first, last;
};

// Every difference lies in one of the regions, and every region differs.
void ExpectDifferencesExactlyIn(const std::set<int>& differences, std::vector<Region> regions,
                                const std::string& what) {
  for (int offset : differences) {
    EXPECT_TRUE(std::any_of(regions.begin(), regions.end(),
                            [&](Region r) { return offset >= r.first && offset <= r.last; }))
        << what << " differ at " << offset;
  }
  for (Region r : regions) {
    EXPECT_TRUE(std::any_of(differences.begin(), differences.end(),
                            [&](int o) { return o >= r.first && o <= r.last; }))
        << what << " do not differ in " << r.first << ".." << r.last;
  }
}

TEST(FactoryImagesTest, ConfigurationsDifferOnlyWhereExpected) {
  const auto small1 = Shipped(ChipVariant::k4210C, 1);
  for (int c : {2, 3}) {
    ExpectDifferencesExactlyIn(Differences(small1, Shipped(ChipVariant::k4210C, c)), {{1016, 1023}},
                               "4210C 1 and " + std::to_string(c));
  }
  const auto large = [](int c) { return Shipped(ChipVariant::k4230C, c); };
  const Region user{164, 191}, fire_records{1696, 2015}, profile2_slot12{285, 289};
  ExpectDifferencesExactlyIn(Differences(large(1), large(2)), {user, fire_records}, "4230C 1, 2");
  ExpectDifferencesExactlyIn(Differences(large(1), large(3)), {user, profile2_slot12, fire_records},
                             "4230C 1, 3");
  ExpectDifferencesExactlyIn(Differences(large(2), large(3)), {profile2_slot12, fire_records},
                             "4230C 2, 3");
}

// The combo settings as the key assignment page derives them from the codes.
struct ComboSettings {
  bool led_mode_combo = false;
  int mode_switch_choice = 0;
  bool gun_key_switch = false;
};

ComboSettings ReadBack(const ConfigImage& image) {
  const auto code = [&](int offset) {
    return CodeText(
        CodeBytes{image[static_cast<size_t>(offset)], image[static_cast<size_t>(offset) + 1],
                  image[static_cast<size_t>(offset) + 2], image[static_cast<size_t>(offset) + 3]});
  };
  const auto game_mode = [](const std::string& c) {
    return c.starts_with("07") && c.substr(2, 2) != "00" &&
           (std::stoi(c.substr(2, 2), nullptr, 16) & 0x87) == 0x81;
  };
  const bool ck2_game = game_mode(code(131)), ck4_game = game_mode(code(139));
  const bool ck2_led = code(131) == "0E000000";
  const std::set<std::string> guns = {"0B0001", "0B1001", "0B0101", "0B1101", "0B0201",
                                      "0B1201", "0B0301", "0B1301", "0B0401", "0B1401",
                                      "0B0501", "0B1501", "0B0502", "0B1502", "0B0701",
                                      "0B1701", "0B0702", "0B1702", "0B0703", "0B1703"};
  ComboSettings s;
  for (int p = 0; p < 3; ++p) {
    for (int slot = 0; slot < 12; ++slot) {
      const std::string c = code(layout::kProfileOffsets[p] + 4 * slot);
      const std::string kind = c.substr(0, 4), flag = c.substr(6, 2);
      if (kind == "0108" && flag == "02" && ck2_led) s.led_mode_combo = true;
      if (kind == "0104" && flag == "08" && ck4_game) s.mode_switch_choice = 1;
      if (kind == "0108" && flag == "02" && ck2_game) s.mode_switch_choice = 5;
      if (kind == "0110" && flag == "02" && ck2_game) s.mode_switch_choice = 6;
      if (kind == "0900" && flag == "08" && ck4_game) s.mode_switch_choice = 2;
      if (kind == "0901" && flag == "08" && ck4_game) s.mode_switch_choice = 3;
      if (kind == "0902" && flag == "08" && ck4_game) s.mode_switch_choice = 4;
      if (guns.contains(c.substr(0, 6))) {
        if (flag == "00") {
          s.gun_key_switch = false;
        } else if (ck2_game || ck4_game) {
          s.gun_key_switch = true;
        } else if (p == 0) {
          s.gun_key_switch = false;
        }
      }
    }
  }
  return s;
}

TEST(FactoryImagesTest, The4230CImagesReadBackWithBothCombosAndTheGunKeySwitch) {
  for (int c = 1; c <= kFactoryConfigurationCount; ++c) {
    const ComboSettings s = ReadBack(Shipped(ChipVariant::k4230C, c));
    EXPECT_TRUE(s.led_mode_combo) << c;
    EXPECT_EQ(s.mode_switch_choice, 2) << c;
    EXPECT_TRUE(s.gun_key_switch) << c;
  }
}

}  // namespace
}  // namespace kvrm::test
