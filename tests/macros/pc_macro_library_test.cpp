#include "macros/pc_macro_library.h"

#include <gtest/gtest.h>

#include "common/resources.h"
#include "support/support.h"
#include "temp_folder.h"

namespace kvrm {
namespace {

using test::Bytes;
using test::FileBytes;
using test::WriteBytes;

class PcMacroLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library.Load().ok()); }

  void AddMacros(std::initializer_list<std::string_view> names) {
    for (auto name : names) ASSERT_TRUE(library.New(name, nullptr).ok()) << name;
  }

  test::TempFolder folder;
  PcMacroLibrary library{folder.path()};
};

TEST_F(PcMacroLibraryTest, FirstStartCreatesTheEmptyLibraryFile) {
  EXPECT_EQ(FindResource(kRcData, kEmptyLibraryResource).size(), kLibraryFileSize);
  const auto bytes = FileBytes(folder.path() / "KVRM4210C-Macro.bin");
  EXPECT_EQ(bytes.size(), 27200u);
  EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(library.Count(), 0);
}

TEST_F(PcMacroLibraryTest, NamesAreStoredHighByteFirst) {
  int index = -1;
  ASSERT_TRUE(library.New("Run", &index).ok());
  ASSERT_TRUE(library.New("12345678", nullptr).ok());
  EXPECT_EQ(index, 0);
  const auto bytes = FileBytes(library.FilePath());
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16),
            Bytes("00 52 00 75 00 6E 00 00 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 272, bytes.begin() + 288),
            Bytes("00 31 00 32 00 33 00 34 00 35 00 36 00 37 00 38"));
  EXPECT_EQ(library.New("123456789", nullptr).status, MacroStatus::kNameTooLong);
  EXPECT_EQ(library.New("", nullptr).status, MacroStatus::kEmptyName);
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"Run", "12345678"}));
}

TEST_F(PcMacroLibraryTest, DuplicateNamesAreRefused) {
  AddMacros({"Run", "Jump"});
  const auto before = FileBytes(library.FilePath());
  EXPECT_EQ(library.New("Run", nullptr).key, "Str106");
  EXPECT_EQ(library.Rename(1, "Jump").status, MacroStatus::kDuplicateName);
  EXPECT_EQ(library.Rename(1, "Run").status, MacroStatus::kDuplicateName);
  EXPECT_EQ(FileBytes(library.FilePath()), before);
  ASSERT_TRUE(library.Rename(1, "Hop").ok());
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"Run", "Hop"}));
}

TEST_F(PcMacroLibraryTest, DeletingMovesLaterMacrosDown) {
  AddMacros({"A", "B", "C"});
  ASSERT_TRUE(library.StoreLines(2, {"00", "1 LeftKey CODE:00A1"}, StopMode::None()).ok());
  ASSERT_TRUE(library.Delete(0).ok());
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(library.Macro(1).data[0], 0xA1);
  const auto bytes = FileBytes(library.FilePath());
  EXPECT_EQ(bytes[272 + 16], 0xA1);  // slot 1's data on disk
  EXPECT_TRUE(std::all_of(bytes.begin() + 2 * 272, bytes.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(PcMacroLibraryTest, EditsAreEncodedAndRefusedWhenTooLong) {
  AddMacros({"A"});
  ASSERT_TRUE(
      library
          .StoreLines(0, {"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, StopMode::Cycles(3))
          .ok());
  EXPECT_EQ(library.Macro(0).Length(), 6u);
  EXPECT_EQ(library.Decode(0).stop_mode, StopMode::Cycles(3));
  MacroList long_list = {"00"};
  for (int i = 0; i < 100; ++i) long_list.push_back("0 5");
  EXPECT_EQ(library.StoreLines(0, long_list, StopMode::None()).status, MacroStatus::kTooLong);
  EXPECT_EQ(library.Macro(0).Length(), 6u);
  ASSERT_TRUE(library.ChangeStopMode(0, StopMode::UntilReleased()).ok());
  EXPECT_EQ(library.Macro(0).data[1], 0x00);
}

TEST_F(PcMacroLibraryTest, TheLibraryHoldsAHundredMacros) {
  for (int i = 0; i < kLibrarySlots; ++i) {
    ASSERT_TRUE(library.New("M" + std::to_string(i), nullptr).ok());
  }
  EXPECT_TRUE(library.Full());
  EXPECT_EQ(library.New("More", nullptr).status, MacroStatus::kLibraryFull);
}

TEST_F(PcMacroLibraryTest, ExportAndImportOne) {
  AddMacros({"Run", "Jump"});
  ASSERT_TRUE(library.StoreLines(0, {"00", "1 A CODE:8204"}, StopMode::None()).ok());
  ASSERT_TRUE(library.ExportOne(0, (folder.path() / "run.bin").string()).ok());
  ASSERT_TRUE(library.ExportAll((folder.path() / "abc.bin").string()).ok());
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "run.bin"), 272u);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "abc.bin"), 27200u);
  ASSERT_TRUE(library.ExportAll((folder.path() / "abc").string()).ok());
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "abc.bin"));

  EXPECT_EQ(library.ImportOne(folder.path() / "run.bin", nullptr).status,
            MacroStatus::kDuplicateName);
  EXPECT_EQ(library.Count(), 2);
  ASSERT_TRUE(library.Delete(0).ok());
  int index = -1;
  ASSERT_TRUE(library.ImportOne(folder.path() / "run.bin", &index).ok());
  EXPECT_EQ(index, 1);
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"Jump", "Run"}));
  EXPECT_EQ(library.Macro(1).data[0], 0x82);

  WriteBytes(folder.path() / "short.bin", Bytes("00 41"));
  EXPECT_EQ(library.ImportOne(folder.path() / "short.bin", nullptr).status,
            MacroStatus::kNotMacroFile);
  WriteBytes(folder.path() / "noname.bin", std::vector<uint8_t>(272, 0));
  EXPECT_EQ(library.ImportOne(folder.path() / "noname.bin", nullptr).status,
            MacroStatus::kNotMacroFile);
  EXPECT_EQ(library.Count(), 2);
}

TEST_F(PcMacroLibraryTest, ImportAllReplacesTheLibrary) {
  AddMacros({"A", "B"});
  ASSERT_TRUE(library.ExportAll((folder.path() / "all").string()).ok());
  ASSERT_TRUE(library.Delete(0).ok());
  ASSERT_TRUE(library.ImportAll(folder.path() / "all.bin").ok());
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"A", "B"}));
  WriteBytes(folder.path() / "short.bin", std::vector<uint8_t>(300, 0));
  EXPECT_EQ(library.ImportAll(folder.path() / "short.bin").status, MacroStatus::kNotMacroFile);
  EXPECT_EQ(library.Count(), 2);
}

TEST(PcMacroLibraryFileTest, ADamagedFileIsReadAsFarAsItGoesAndKept) {
  test::TempFolder folder;
  PcMacroLibrary library(folder.path());
  // One full record and a second one cut short, behind an empty slot.
  std::vector<uint8_t> bytes(272 * 2 + 20, 0);
  bytes[1] = 'A';
  bytes[16] = 0xA1;
  bytes[2 * 272 + 1] = 'B';
  WriteBytes(library.FilePath(), bytes);
  const Outcome loaded = library.Load(std::vector<uint8_t>(kLibraryFileSize, 0));
  EXPECT_EQ(loaded.status, MacroStatus::kDamaged);
  EXPECT_NE(loaded.text.find("damaged"), std::string::npos);
  EXPECT_EQ(library.Names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(library.Macro(0).data[0], 0xA1);
  auto copy = library.FilePath();
  copy += ".damaged";
  EXPECT_EQ(FileBytes(copy), bytes);
  ASSERT_TRUE(library.New("C", nullptr).ok());
  EXPECT_EQ(std::filesystem::file_size(library.FilePath()), kLibraryFileSize);
  EXPECT_EQ(FileBytes(copy), bytes);
}

TEST(PcMacroLibraryFileTest, AnUnreadableFileIsNeverOverwritten) {
  test::TempFolder folder;
  PcMacroLibrary library(folder.path());
  std::filesystem::create_directory(library.FilePath());  // a folder cannot be read as a file
  EXPECT_EQ(library.Load(std::vector<uint8_t>(kLibraryFileSize, 0)).status,
            MacroStatus::kFileError);
  EXPECT_EQ(library.New("A", nullptr).status, MacroStatus::kFileError);
  EXPECT_EQ(library.Count(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(library.FilePath()));
}

TEST(PcMacroLibraryFileTest, TheLibraryFolderIsCreatedWhenMissing) {
  test::TempFolder folder;
  PcMacroLibrary library(folder.path() / "data" / "kvrm");
  ASSERT_TRUE(library.Load(std::vector<uint8_t>(kLibraryFileSize, 0)).ok());
  EXPECT_EQ(std::filesystem::file_size(library.FilePath()), kLibraryFileSize);
}

}  // namespace
}  // namespace kvrm
