#include "macros/device_macros.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "macros/macro_bytes.h"
#include "macros/macro_name.h"
#include "support/support.h"

namespace kvrm {
namespace {

using test::Bytes;

MacroName Name(std::string_view text) {
  return *MacroNameFromText(text);
}

// A library slot of n bytes: n - 1 left clicks' worth of one-byte events, then the end.
std::array<uint8_t, kMacroSlotSize> LibraryData(size_t n, uint8_t filling = 0xA1) {
  std::array<uint8_t, kMacroSlotSize> data{};
  std::fill_n(data.begin(), n - 1, filling);
  return data;
}

MacroArea AreaWith(const std::vector<std::pair<std::string, size_t>>& macros) {
  MacroArea area{};
  for (const auto& [name, length] : macros) {
    const MacroAreaChange change = AddMacroToMouse(area, Name(name), LibraryData(length));
    EXPECT_TRUE(change.outcome.ok()) << name;
    area = change.area;
  }
  return area;
}

TEST(DeviceMacrosTest, AreasWithoutRecordsHoldNoMacros) {
  MacroArea zeros{};
  MacroArea erased;
  erased.fill(0xFF);
  for (const MacroArea& area : {zeros, erased}) {
    const DeviceMacroTable table = ParseMacroArea(area);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_TRUE(table.Names().empty());
    EXPECT_EQ(table.slots[0].address, kFirstMacroAddress);
    EXPECT_EQ(table.total, 0);
  }
}

TEST(DeviceMacrosTest, RecordsPackBackToBackWithTheirAddresses) {
  // Records of 40 and 30 bytes: 24 and 14 event bytes.
  const MacroArea area = AreaWith({{"One", 24}, {"Two", 14}});
  const DeviceMacroTable table = ParseMacroArea(area);
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.slots[0].address, 0x200);
  EXPECT_EQ(table.slots[1].address, 0x228);
  EXPECT_EQ(table.slots[0].record_length, 40);
  EXPECT_EQ(table.total, 70);
  EXPECT_EQ(table.Names(), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(area[40], 0x00);  // "Two" starts with code unit 00 54
  EXPECT_EQ(area[41], 'T');
  EXPECT_TRUE(std::all_of(area.begin() + 70, area.end(), [](uint8_t b) { return b == 0; }));
}

TEST(DeviceMacrosTest, AnEmptyMacroIsANameAndItsTerminator) {
  const DeviceMacroTable table = ParseMacroArea(AreaWith({{"Empty", 1}, {"Next", 3}}));
  EXPECT_EQ(table.slots[0].record_length, 17);
  EXPECT_EQ(table.slots[1].address, 0x200 + 17);
}

TEST(DeviceMacrosTest, FillerKeepsSplittableEventsOutOfOffset255) {
  // One record whose delay event would begin at offset 255.
  std::array<uint8_t, kMacroSlotSize> data{};
  std::fill_n(data.begin(), 239, 0xA1);  // area offsets 16..254
  data[239] = 0xFE;                      // would start at 255
  data[240] = 0x01;
  data[241] = 0x2C;
  data[242] = 0x00;
  const MacroAreaChange change = AddMacroToMouse(MacroArea{}, Name("Long"), data);
  ASSERT_TRUE(change.outcome.ok());
  EXPECT_EQ(change.area[255], 0xFC);
  EXPECT_EQ(std::vector<uint8_t>(change.area.begin() + 256, change.area.begin() + 260),
            Bytes("FE 01 2C 00"));
  const DeviceMacroTable table = ParseMacroArea(change.area);
  EXPECT_EQ(table.slots[0].record_length, 16 + 244);
  EXPECT_EQ(table.slots[0].events[239], 0xFC);
  // Packing the table again gives the same bytes.
  EXPECT_EQ(SerializeMacroArea(table), change.area);
}

TEST(DeviceMacrosTest, AFillerMovesWithItsEvent) {
  std::array<uint8_t, kMacroSlotSize> data{};
  std::fill_n(data.begin(), 222, 0xA1);  // after a 17-byte first record: offsets 33..254
  data[222] = 0x82;
  data[223] = 0x04;
  MacroArea area = AreaWith({{"First", 1}});
  area = AddMacroToMouse(area, Name("Second"), data).area;
  ASSERT_EQ(area[255], 0xFC);
  const MacroRemoval removal = RemoveMacroFromMouse(area, 0, {}, {});
  ASSERT_TRUE(removal.outcome.ok());
  const DeviceMacroTable table = ParseMacroArea(removal.area);
  // No stray 0xFC is left inside the moved record.
  EXPECT_EQ(table.slots[0].record_length, 16 + 225);
  EXPECT_EQ(std::count(table.slots[0].events.begin(), table.slots[0].events.end(), 0xFC), 0);
}

TEST(DeviceMacrosTest, AddingRefusesDuplicatesFullAreasAndOverflow) {
  const MacroArea area = AreaWith({{"Run", 10}});
  const MacroAreaChange duplicate = AddMacroToMouse(area, Name("Run"), LibraryData(3, 0xA2));
  EXPECT_EQ(duplicate.outcome.status, MacroStatus::kDuplicateName);
  EXPECT_EQ(duplicate.outcome.key, "Str106");
  EXPECT_EQ(duplicate.outcome.text, "This macro already exists");
  EXPECT_EQ(duplicate.area, area);

  std::vector<std::pair<std::string, size_t>> fifteen;
  for (int i = 0; i < kDeviceMacroSlots; ++i) fifteen.emplace_back("M" + std::to_string(i), 1);
  const MacroArea full = AreaWith(fifteen);
  const MacroAreaChange sixteenth = AddMacroToMouse(full, Name("More"), LibraryData(1));
  EXPECT_EQ(sixteenth.outcome.status, MacroStatus::kMouseFull);
  EXPECT_TRUE(sixteenth.outcome.text.empty());
  EXPECT_EQ(sixteenth.area, full);

  // 500 bytes in the area; a 20-byte record does not fit.
  const MacroArea nearly = AreaWith({{"A", 240}, {"B", 228}});
  ASSERT_EQ(ParseMacroArea(nearly).total, 500);
  const MacroAreaChange overflow = AddMacroToMouse(nearly, Name("C"), LibraryData(4));
  EXPECT_EQ(overflow.outcome.status, MacroStatus::kAreaOverflow);
  EXPECT_EQ(overflow.outcome.key, "Str103");
  EXPECT_EQ(overflow.area, nearly);

  const MacroArea exact = AreaWith({{"A", 240}, {"B", 223}});
  EXPECT_EQ(ParseMacroArea(AddMacroToMouse(exact, Name("C"), LibraryData(1)).area).total, 512);
}

TEST(DeviceMacrosTest, NamesTheTableWouldNotSeeAreRefused) {
  EXPECT_EQ(AddMacroToMouse({}, Name("\xC3\xBF"), LibraryData(2)).outcome.status,
            MacroStatus::kEmptyName);
  EXPECT_EQ(AddMacroToMouse({}, MacroName{}, LibraryData(2)).outcome.status,
            MacroStatus::kEmptyName);
}

TEST(DeviceMacrosTest, DeletingMovesLaterMacrosAndRepointsButtons) {
  const MacroArea area = AreaWith({{"A", 24}, {"B", 14}, {"C", 4}});
  const DeviceMacroTable before = ParseMacroArea(area);
  ASSERT_EQ(before.slots[1].address, 0x228);
  ASSERT_EQ(before.slots[2].address, 0x246);
  ProfileCodeTexts codes;
  ProfileDisplayNames names;
  codes.fill("00000000");
  codes[0] = "10020000";  // Profile 1 slot 1 plays A
  names[0] = "A";
  codes[13] = "10022800";  // Profile 2 slot 2 plays B
  names[13] = "B";
  codes[35] = "10024600";  // Profile 3 slot 12 plays C
  names[35] = "C";
  codes[5] = "09010000";  // DPI + on a button, its name shared by no code of a macro
  names[5] = "B";

  const MacroRemoval removal = RemoveMacroFromMouse(area, 0, codes, names);
  ASSERT_TRUE(removal.outcome.ok());
  const DeviceMacroTable after = ParseMacroArea(removal.area);
  EXPECT_EQ(after.Names(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(after.slots[0].address, 0x200);
  EXPECT_EQ(after.slots[1].address, 0x200 + 30);
  EXPECT_EQ(removal.codes[0], "00000000");
  EXPECT_EQ(removal.codes[13], "10020000");
  EXPECT_EQ(removal.codes[35], "10021E00");
  EXPECT_EQ(removal.codes[5], "09010000");
}

TEST(DeviceMacrosTest, DamagedAreasAlwaysFinish) {
  MacroArea area{};
  area.fill(0x41);  // names and events that never end
  const DeviceMacroTable table = ParseMacroArea(area);
  EXPECT_LE(table.total, 512);
  MacroArea tail{};
  std::fill(tail.begin() + 500, tail.end(), 0x41);
  tail[0] = 0x00;
  tail[1] = 0x41;
  std::fill(tail.begin() + 16, tail.begin() + 500, 0xA1);
  // A record whose events run past the area ends the table, so adding replaces it.
  EXPECT_EQ(ParseMacroArea(tail).Count(), 0);
  const MacroAreaChange added = AddMacroToMouse(tail, Name("New"), LibraryData(3));
  ASSERT_TRUE(added.outcome.ok());
  EXPECT_EQ(ParseMacroArea(added.area).Names(), std::vector<std::string>{"New"});
}

TEST(DeviceMacrosTest, SavingWritesTwoHalves) {
  MacroArea area{};
  area[0] = 1;
  area[256] = 2;
  const auto writes = MacroAreaWrites(area);
  EXPECT_EQ(writes[0].offset, 496);
  EXPECT_EQ(writes[1].offset, 752);
  EXPECT_EQ(writes[0].bytes[0], 1);
  EXPECT_EQ(writes[1].bytes[0], 2);
}

TEST(DeviceMacrosTest, BindingRules) {
  EXPECT_EQ(MacroKeyCode(0x228), "10022800");
  EXPECT_TRUE(IsDeviceMacroCode("10022800"));
  EXPECT_FALSE(IsDeviceMacroCode("100710FF"));
  std::array<std::string, 12> shown;
  shown.fill("Right Click");
  shown[0] = "Left Click";
  EXPECT_FALSE(MayBindMacro(shown, 0, "Left Click"));
  EXPECT_TRUE(MayBindMacro(shown, 1, "Left Click"));
  shown[4] = "Left Click";
  EXPECT_TRUE(MayBindMacro(shown, 0, "Left Click"));
}

TEST(DeviceMacrosTest, ExportAndImportOfTheMacroArea) {
  const auto folder = std::filesystem::temp_directory_path() / "kvrm_device_macros_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const MacroArea area = AreaWith({{"A", 5}});
  ASSERT_TRUE(ExportMacroArea(area, (folder / "abc.bin").string()).ok());
  EXPECT_TRUE(std::filesystem::exists(folder / "abc.bin"));
  ASSERT_TRUE(ExportMacroArea(area, (folder / "def").string()).ok());
  EXPECT_EQ(std::filesystem::file_size(folder / "def.bin"), 512u);
  MacroArea read{};
  ASSERT_TRUE(ReadMacroAreaFile((folder / "def.bin").string(), &read).ok());
  EXPECT_EQ(read, area);
  std::filesystem::resize_file(folder / "def.bin", 100);
  MacroArea untouched{};
  EXPECT_EQ(ReadMacroAreaFile((folder / "def.bin").string(), &untouched).status,
            MacroStatus::kNotMacroFile);
  EXPECT_EQ(untouched, MacroArea{});
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kvrm
