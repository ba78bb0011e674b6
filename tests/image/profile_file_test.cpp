// Saving the whole configuration to a file and loading it back.
#include "image/profile_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
#include "support/session_fixture.h"

namespace kvrm::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

class ProfileFileTest : public SessionFixture {
 protected:
  std::string PathOf(const std::string& name) {
    std::filesystem::create_directories(data_folder);
    return (data_folder / name).string();
  }
  void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, bytes, &error)) << error;
  }
  std::vector<uint8_t> MouseBytes() { return {mouse->memory().begin(), mouse->memory().end()}; }
  size_t BackupCount() {
    if (!std::filesystem::exists(data_folder / "backups")) return 0;
    return static_cast<size_t>(
        std::distance(std::filesystem::directory_iterator(data_folder / "backups"),
                      std::filesystem::directory_iterator()));
  }
};

TEST(ProfileFileName, AddsBinOnlyWhenMissing) {
  EXPECT_EQ(ProfileFileName("backup"), "backup.bin");
  EXPECT_EQ(ProfileFileName("backup.bin"), "backup.bin");
  EXPECT_EQ(ProfileFileName("BACKUP.BIN"), "BACKUP.BIN");
  EXPECT_EQ(ProfileFileName("backup.bin.old"), "backup.bin.old.bin");
}

TEST_F(ProfileFileTest, SaveReadsTheMouseAgainAndWritesItsImage) {
  StartWithMouse();
  mouse->memory()[0x38] = 0x33;  // changed by the firmware since the last read
  const std::string path = PathOf("saved.bin");
  ASSERT_TRUE(SaveProfileFile(session, path));
  std::string error;
  EXPECT_EQ(ReadWholeFile(path, &error), MouseBytes());
}

TEST_F(ProfileFileTest, SaveAndLoadLeaveTheConfigurationUnchangedAndReadTheMouseAgain) {
  StartWithMouse();
  const std::string path = PathOf("same.bin");
  ASSERT_TRUE(SaveProfileFile(session, path));
  const auto before = MouseBytes();
  bus.ClearLog();
  ASSERT_TRUE(LoadProfileFile(session, path));
  EXPECT_EQ(MouseBytes(), before);
  EXPECT_EQ(mouse->restarts(), 1);
  EXPECT_EQ(CountSent("> 40 07 00 00 08 00"), 1);
  EXPECT_TRUE(session.DevicePresent());
  EXPECT_FALSE(session.refresh_in_progress());
  EXPECT_EQ(BackupCount(), 1u);
}

TEST_F(ProfileFileTest, RefusedFilesWriteNothing) {
  StartWithMouse();
  auto wrong_marker = MouseBytes();
  wrong_marker[495] = 0xE1;
  auto short_file = MouseBytes();
  short_file.resize(1000);
  auto long_file = MouseBytes();
  long_file.push_back(0);
  auto from_4230c = MouseBytes();
  from_4230c[1010] = 0x02;  // patch code length 512: a 4230C's layout
  from_4230c[1011] = 0x00;
  auto too_long_code = MouseBytes();
  too_long_code[1010] = 0x03;  // 800 bytes do not fit the 784-byte area
  too_long_code[1011] = 0x20;
  struct Case {
    std::vector<uint8_t> bytes;
    std::string message;
  };
  for (const Case& c :
       {Case{wrong_marker, "Loading .bin is error!"}, Case{short_file, "2048"},
        Case{long_file, "2048"}, Case{from_4230c, "4230C"}, Case{too_long_code, "another chip"}}) {
    const std::string path = PathOf("refused.bin");
    WriteFile(path, c.bytes);
    observer.events.clear();
    bus.ClearLog();
    EXPECT_FALSE(LoadProfileFile(session, path));
    ASSERT_EQ(observer.events.size(), 1u);
    EXPECT_THAT(observer.events[0], HasSubstr(c.message));
    EXPECT_EQ(CountSent("> 40 07"), 0);
    EXPECT_EQ(mouse->restarts(), 0);
    EXPECT_FALSE(session.refresh_in_progress());
  }
}

TEST_F(ProfileFileTest, WithoutTheMouseBothShowFindingTheDevice) {
  session.Start();
  EXPECT_FALSE(SaveProfileFile(session, PathOf("x.bin")));
  EXPECT_FALSE(LoadProfileFile(session, PathOf("x.bin")));
  EXPECT_EQ(observer.Count("message Str022"), 2);
  EXPECT_FALSE(std::filesystem::exists(PathOf("x.bin")));
}

TEST_F(ProfileFileTest, AFileThatCannotBeOpenedIsReportedAndTheMouseUntouched) {
  StartWithMouse();
  EXPECT_FALSE(LoadProfileFile(session, PathOf("missing.bin")));
  ASSERT_EQ(observer.events.size(), 1u);
  EXPECT_THAT(observer.events[0], HasSubstr("missing.bin"));
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(ProfileFileTest, OnlyTheNewestTwentyBackupsAreKept) {
  StartWithMouse();
  const std::string path = PathOf("same.bin");
  ASSERT_TRUE(SaveProfileFile(session, path));
  for (int i = 0; i < 22; ++i) {
    std::string error;
    ASSERT_TRUE(backups->Keep(mouse->memory(), "test" + std::to_string(i), &error)) << error;
  }
  EXPECT_EQ(BackupCount(), static_cast<size_t>(BackupStore::kKeep));
}

TEST_F(ProfileFileTest, ABackupThatCannotBeWrittenStopsTheLoad) {
  StartWithMouse();
  const std::string path = PathOf("same.bin");
  ASSERT_TRUE(SaveProfileFile(session, path));
  // A file where the backup folder should be.
  std::filesystem::remove_all(data_folder / "backups");
  WriteFile((data_folder / "backups").string(), {1});
  observer.events.clear();
  EXPECT_FALSE(LoadProfileFile(session, path));
  EXPECT_EQ(mouse->restarts(), 0);
  EXPECT_THAT(observer.events.back(), HasSubstr("not changed"));
}

}  // namespace
}  // namespace kvrm::test
