#include "macros/fire_macros.h"

#include <gtest/gtest.h>

#include "macros/custom_gun_keys.h"
#include "macros/gun_presets.h"
#include "support/support.h"
#include "temp_folder.h"

namespace kvrm {
namespace {

using test::Bytes;

std::vector<uint8_t> Record(const std::string& hex, size_t size) {
  std::vector<uint8_t> record = Bytes(hex);
  record.resize(size, 0);
  return record;
}

const std::string k4210CDefault = "A1 FE 00 01 FD 00 04 00 01 FE 00 28 FC 21 FE 00 01 00";
const std::string k4230CDefault = "FD 00 A1 21 04 00 06 FE 00 01 FC 00";

TEST(FireMacrosTest, ParameterScan) {
  struct Case {
    std::string record;
    int count, count_at, x, y, move_at, time, time_at;
  };
  const Case cases[] = {
      {k4210CDefault, 0, 5, 0, 1, 7, 40, 10},
      {k4230CDefault, 0, 1, 0, 6, 5, 1, 8},
      {"04 80 7F 00", 0, -1, -128, 127, 1, 0, -1},
      // A key press of A (82 04) is no move; nothing after the end counts.
      {"82 04 05 FE 00 10 00 04 01 01", 0, -1, 0, 0, -1, 0, -1},
      // An operand that runs past the record is not read.
      {"A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 A1 04 05", 0, -1, 0, 0, -1,
       0, -1},
  };
  for (const auto& c : cases) {
    const FireParameters p = ScanFireRecord(Record(c.record, 24));
    EXPECT_EQ(p.count, c.count) << c.record;
    EXPECT_EQ(p.count_at, c.count_at) << c.record;
    EXPECT_EQ(p.x, c.x) << c.record;
    EXPECT_EQ(p.y, c.y) << c.record;
    EXPECT_EQ(p.move_at, c.move_at) << c.record;
    EXPECT_EQ(p.shoot_time, c.time) << c.record;
    EXPECT_EQ(p.time_at, c.time_at) << c.record;
  }
}

TEST(FireMacrosTest, StepsAreClampedAgainstTheirAdjustment) {
  struct Case {
    int step, adjustment, expected;
  };
  const Case cases[] = {{120, 10, 117},    {127, 0, 127},   {200, 0, 127}, {-128, 0, -128},
                        {-128, -10, -118}, {-300, 5, -128}, {5, 127, 0},   {0, -128, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ClampFireStep(c.step, c.adjustment), c.expected) << c.step << " " << c.adjustment;
  }
}

TEST(FireMacrosTest, EditsWriteAtTheScannedPositions) {
  auto record = Record(k4210CDefault, 24);
  const FireParameters p = ScanFireRecord(record);
  EXPECT_EQ(SetFireCount(record, p, 300), 255);
  EXPECT_EQ(SetFireStep(record, p, Axis::kY, 120, 10), 117);
  EXPECT_EQ(SetFireStep(record, p, Axis::kX, -5, 0), -5);
  EXPECT_EQ(SetShootTime(record, p, 70000), 65535);
  EXPECT_EQ(record, Record("A1 FE 00 01 FD FF 04 FB 75 FE FF FF FC 21 FE 00 01 00", 24));

  auto plain = Record("A1 21 00", 24);
  const FireParameters none = ScanFireRecord(plain);
  EXPECT_FALSE(SetFireCount(plain, none, 3));
  EXPECT_FALSE(SetFireStep(plain, none, Axis::kX, 3, 0));
  EXPECT_FALSE(SetShootTime(plain, none, 3));
  EXPECT_EQ(plain, Record("A1 21 00", 24));
}

TEST(FireMacrosTest, AdjustmentValuesLiveInTheUserSection) {
  UserSection user{};
  EXPECT_EQ(SetFireAdjustment(user, 2, Axis::kX, -5, 0), -5);
  EXPECT_EQ(SetFireAdjustment(user, 9, Axis::kY, 100, 50), 77);
  EXPECT_EQ(user[9], 0xFB);
  EXPECT_EQ(user[26], 77);
  EXPECT_EQ(FireAdjustment(user, 2, Axis::kX), -5);
}

TEST(FireMacrosTest, BlockLayoutByVariant) {
  SectionCopies a;
  a.SetVariant(ChipVariant::k4210C);
  a.fire_records[1][0] = 0xA1;
  BuildFireBlock(a);
  EXPECT_EQ(a.fire_block.size(), 240u);
  EXPECT_EQ(a.fire_block[24], 0xA1);

  SectionCopies b;
  b.SetVariant(ChipVariant::k4230C);
  b.fire_records[9][31] = 0x21;
  b.fire_names[1][1] = 'M';
  BuildFireBlock(b);
  EXPECT_EQ(b.fire_block.size(), 512u);
  EXPECT_EQ(b.fire_block[17], 'M');
  EXPECT_EQ(b.fire_block[160 + 32 * 9 + 31], 0x21);
  EXPECT_EQ(b.fire_block[480], 0xFF);  // the spare bytes stay
}

TEST(FireMacrosTest, ImportGunMacrosFillsTheFirst24BytesOfEachRecord) {
  test::TempFolder folder;
  SectionCopies copies;
  copies.SetVariant(ChipVariant::k4230C);
  for (auto& row : copies.fire_records) row.assign(32, 0x77);
  std::vector<uint8_t> file(240);
  for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i / 24);
  test::WriteBytes(folder.path() / "guns.bin", file);
  ASSERT_TRUE(ImportGunMacros((folder.path() / "guns.bin").string(), copies).ok());
  EXPECT_EQ(copies.fire_records[3][23], 3);
  EXPECT_EQ(copies.fire_records[3][24], 0x77);
  EXPECT_EQ(copies.fire_block[160 + 32 * 3], 3);

  test::WriteBytes(folder.path() / "short.bin", std::vector<uint8_t>(100, 1));
  EXPECT_EQ(ImportGunMacros((folder.path() / "short.bin").string(), copies).status,
            MacroStatus::kNotMacroFile);
  EXPECT_EQ(copies.fire_records[0][0], 0);
}

TEST(GunPresetsTest, KeyCodes) {
  struct Case {
    int gun;
    bool keep;
    int gun6, gun7;
    std::string flag;
    std::string code;
  };
  const Case cases[] = {
      {7, true, 2, 3, "08", "0B170308"},  {1, false, 2, 3, "00", "0B000100"},
      {6, false, 1, 3, "00", "0B050100"}, {6, true, 0, 3, "02", "0B150102"},
      {6, false, 9, 3, "00", "0B050200"}, {7, false, 2, -4, "00", "0B070100"},
      {5, false, 2, 3, "ab", "0B0401AB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GunKeyCode(c.gun, c.keep, GunSegments(c.gun, c.gun6, c.gun7), c.flag), c.code);
  }
  EXPECT_EQ(GunRecords(7), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(GunRecords(6), (std::vector<int>{5, 6}));
  EXPECT_EQ(GunPresetFor(4).name_key, "Str603");
}

TEST(CustomGunKeysTest, CodesFromChoices) {
  const CustomGunKeyChoice fire{false, true, 3, 2, 0};
  EXPECT_EQ(GunKeyText(CustomGunKeyCode(fire)), "0B130200");
  EXPECT_EQ(ChoiceForCustomGunKey(CustomGunKeyCode(fire)), fire);
  const CustomGunKeyChoice colour{true, false, 0, 1, 15};
  EXPECT_EQ(GunKeyText(CustomGunKeyCode(colour)), "0B8F0000");
  EXPECT_EQ(ChoiceForCustomGunKey(CustomGunKeyCode(colour)).colour, 15);
}

TEST(CustomGunKeysTest, TheFireMacroFile) {
  test::TempFolder folder;
  CustomGunKeys keys(folder.path());
  ASSERT_TRUE(keys.Load().ok());
  EXPECT_FALSE(keys.loaded());
  EXPECT_FALSE(std::filesystem::exists(keys.FilePath()));
  for (uint8_t i = 1; i <= 3; ++i) ASSERT_TRUE(keys.Add({0x0B, i, 1, 0}, nullptr).ok());
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "Fire Macro.bin"), 40u);
  ASSERT_TRUE(keys.Delete(0).ok());
  EXPECT_EQ(keys.Names(), (std::vector<std::string>{"Fire Macro1", "Fire Macro2"}));
  EXPECT_EQ(test::FileBytes(keys.FilePath()),
            Bytes("0B 02 01 00 0B 03 01 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                  "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));

  CustomGunKeys again(folder.path());
  ASSERT_TRUE(again.Load().ok());
  EXPECT_TRUE(again.loaded());
  EXPECT_EQ(again.codes(), keys.codes());
  for (int i = 0; i < 8; ++i) ASSERT_TRUE(again.Add({0x0B, 0x10, 1, 0}, nullptr).ok());
  EXPECT_EQ(again.Add({0x0B, 0x10, 1, 0}, nullptr).status, MacroStatus::kLibraryFull);
}

TEST(CustomGunKeysTest, AShortFileIsReadAsFarAsItGoes) {
  test::TempFolder folder;
  CustomGunKeys keys(folder.path());
  test::WriteBytes(keys.FilePath(), Bytes("0B 11 02 00 0B 81"));
  EXPECT_EQ(keys.Load().status, MacroStatus::kDamaged);
  EXPECT_EQ(keys.Names(), (std::vector<std::string>{"Fire Macro1", "Fire Macro2"}));
  auto copy = keys.FilePath();
  copy += ".damaged";
  EXPECT_EQ(test::FileBytes(copy), Bytes("0B 11 02 00 0B 81"));
}

}  // namespace
}  // namespace kvrm
