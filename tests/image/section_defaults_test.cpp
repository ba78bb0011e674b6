#include "image/section_defaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "support/support.h"

namespace kvrm::test {
namespace {

template <size_t N>
std::vector<uint8_t> At(const std::array<uint8_t, N>& section, int offset, size_t length) {
  return {section.begin() + offset, section.begin() + offset + static_cast<std::ptrdiff_t>(length)};
}

template <size_t N>
std::array<uint8_t, N> Filled(uint8_t value) {
  std::array<uint8_t, N> section;
  section.fill(value);
  return section;
}

struct VendorCase {
  std::string led_type;
  const char* bytes5_7;
  uint8_t byte42;
  const char* bytes48_56;
};

TEST(SectionDefaultsTest, VendorBytesThatDependOnTheLedType) {
  const VendorCase cases[] = {
      {"RGB", "FF 7F 7F", 0x3F, "01 00 80 00 00 64 00 64 08"},
      {"", "FF 7F 7F", 0x3F, "01 00 80 00 00 64 00 64 08"},
      {"rgb", "FF 7F 7F", 0x3F, "01 00 80 00 00 64 00 64 08"},
      {"Sync", "3F 7F BF", 0x05, "00 00 00 FF 00 64 6D 60 08"},
      {"NT", "3F 7F CF", 0x37, "00 00 00 FF 00 64 00 64 08"},
      {"MCULED", "3F 7F CF", 0x7F, "00 00 00 FF 00 64 00 64 08"},
  };
  for (const VendorCase& c : cases) {
    auto vendor = Filled<164>(0xAA);
    BuildVendorDefault(vendor, {c.led_type, 0});
    EXPECT_EQ(At(vendor, 5, 3), Bytes(c.bytes5_7)) << c.led_type;
    EXPECT_EQ(vendor[42], c.byte42) << c.led_type;
    EXPECT_EQ(At(vendor, 48, 9), Bytes(c.bytes48_56)) << c.led_type;
  }
}

TEST(SectionDefaultsTest, VendorFixedBytes) {
  auto vendor = Filled<164>(0xAA);
  BuildVendorDefault(vendor, {"RGB", 0});
  EXPECT_EQ(At(vendor, 0, 5), Bytes("7A 5C 08 B8 BF"));
  EXPECT_EQ(At(vendor, 8, 32),
            Bytes("AF 20 35 29 10 30 1A 00 00 45 02 EF 10 EF 10 EF 10 FF 10 50 03 01 02 48 96 FA "
                  "20 1E 02 01 20 00"));
  EXPECT_EQ(At(vendor, 43, 5), Bytes("03 64 98 00 00"));
  EXPECT_EQ(At(vendor, 57, 30),
            Bytes("FF 00 00 FF 80 00 FF FF 00 00 FF 00 00 00 FF 00 FF 80 00 FF FF 80 00 FF FF 00 "
                  "FF FF FF FF"));
  EXPECT_EQ(At(vendor, 87, 24),
            Bytes("00 FF 00 FF FF 00 FF 80 00 FF 00 00 FF 00 80 FF 00 FF 80 00 FF 00 00 FF"));
  const std::string description = "HID Gaming mouse";
  EXPECT_EQ(At(vendor, 111, 16), std::vector<uint8_t>(description.begin(), description.end()));
  std::vector<uint8_t> combos(36, 0x00);
  combos[8] = 0x08;
  combos[9] = 0x01;
  EXPECT_EQ(At(vendor, 127, 36), combos);
  EXPECT_EQ(vendor[163], 0xAA) << "the checksum is the caller's";
}

TEST(SectionDefaultsTest, VendorLedInitByPackage) {
  for (auto [package, expected] :
       {std::pair{0, "06 87"}, {1, "10 E0"}, {-1, "AA AA"}, {2, "AA AA"}}) {
    auto vendor = Filled<164>(0xAA);
    BuildVendorDefault(vendor, {"RGB", package});
    EXPECT_EQ(At(vendor, 40, 2), Bytes(expected)) << package;
  }
}

TEST(SectionDefaultsTest, SyncVendorDefaultKeepsTheColoursItHad) {
  auto vendor = Filled<164>(0x33);
  BuildVendorDefault(vendor, {"Sync", 0});
  EXPECT_EQ(At(vendor, 57, 54), std::vector<uint8_t>(54, 0x33));
  EXPECT_EQ(At(vendor, 5, 3), Bytes("3F 7F BF"));
}

TEST(SectionDefaultsTest, UserDefaultByLedType) {
  for (auto [type, byte1] :
       {std::pair{"RGB", 0x05}, {"Sync", 0x42}, {"NT", 0xF5}, {"MCULED", 0x81}, {"other", 0x05}}) {
    auto user = Filled<28>(0xAA);
    BuildUserDefault(user, {type, -1});
    std::vector<uint8_t> expected(27, 0x00);
    expected[1] = static_cast<uint8_t>(byte1);
    expected[2] = expected[3] = 0x01;
    EXPECT_EQ(At(user, 0, 27), expected) << type;
    EXPECT_EQ(user[27], 0xAA);
  }
}

TEST(SectionDefaultsTest, ProfileDefaultForEitherPackageAndNoneLeavesTheSection) {
  const auto expected = Bytes(
      "01 01 00 00 01 08 00 00 06 12 00 10 01 02 00 00 01 10 00 00 02 08 07 00 "
      "01 04 00 00 09 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  for (int package : {0, 1}) {
    auto profile = Filled<49>(0xAA);
    BuildProfileDefault(profile, {"NT", package});
    EXPECT_EQ(At(profile, 0, 48), expected) << package;
    EXPECT_EQ(profile[48], 0xAA);
  }
  auto untouched = Filled<49>(0xAA);
  BuildProfileDefault(untouched, {"NT", -1});
  EXPECT_EQ(untouched, Filled<49>(0xAA));
}

TEST(SectionDefaultsTest, FireKeyDefault) {
  FireKeyBlock block{};
  BuildFireKeyDefault(block);
  EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.end()),
            Bytes("FF FF 01 00 3C 03 00 78 07 00 C8 E0"));
}

TEST(SectionDefaultsTest, ClearingTheFireMacroTableKeepsTheTailOf32ByteRows) {
  for (ChipVariant variant : {ChipVariant::k4210C, ChipVariant::k4230C}) {
    SectionCopies copies;
    copies.SetVariant(variant);
    for (auto& row : copies.fire_records) std::fill(row.begin(), row.end(), 0x55);
    ClearFireMacroTable(copies);
    for (const auto& row : copies.fire_records) {
      EXPECT_TRUE(std::all_of(row.begin(), row.begin() + 24, [](uint8_t b) { return b == 0; }));
      EXPECT_TRUE(std::all_of(row.begin() + 24, row.end(), [](uint8_t b) { return b == 0x55; }));
    }
  }
  SectionCopies unsized;
  ClearFireMacroTable(unsized);
}

TEST(SectionDefaultsTest, DefaultSectionsCarryValidChecksums) {
  SectionCopies copies;
  copies.SetVariant(ChipVariant::k4230C);
  BuildDefaultSections(copies, {"MCULED", 1});
  EXPECT_TRUE(SectionChecksumValid(copies.vendor));
  EXPECT_TRUE(SectionChecksumValid(copies.user));
  for (const auto& profile : copies.profiles) EXPECT_TRUE(SectionChecksumValid(profile));
  EXPECT_EQ(copies.user[1], 0x81);
  EXPECT_EQ(copies.fire_keys[11], 0xE0);
}

}  // namespace
}  // namespace kvrm::test
