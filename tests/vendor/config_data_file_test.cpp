#include "vendor/config_data_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "support/session_fixture.h"
#include "support/support.h"

namespace kvrm::test {
namespace {

using ::testing::ElementsAre;

class ConfigDataFileTest : public SessionFixture {
 protected:
  std::string File(const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(data_folder);
    const std::string path = (data_folder / "data.bin").string();
    std::string error;
    EXPECT_TRUE(WriteFileAtomically(path, bytes, &error)) << error;
    return path;
  }
  ConfigDataProgrammer programmer{session};
};

TEST(CheckEEPatchCodeSection, HeaderFromTheFourCodeBytes) {
  PatchHeaderAndMcuLed header{};
  header[0] = 0x99;
  header[2] = 0x02;
  header[3] = 0xE0;
  const uint8_t code[4] = {1, 2, 3, 4};
  CheckEEPatchCodeSection(header, code);
  EXPECT_THAT(std::vector<uint8_t>(header.begin(), header.begin() + 8),
              ElementsAre(0x04, 0x00, 0x02, 0xE0, 0x00, 0x1A, 0x01, 0x50));
}

TEST_F(ConfigDataFileTest, ProgrammingWritesTwentyBytesThenRestartsAndReads) {
  StartWithMouse();
  ASSERT_TRUE(programmer.LoadFile(
      File(Bytes("AA BB 02 E0 CC DD EE FF 02 83 00 00 00 00 00 DF 01 02 03 04 77 77"))));
  ASSERT_TRUE(programmer.Program());
  const auto& m = mouse->memory();
  EXPECT_THAT(std::vector<uint8_t>(m.begin() + 1008, m.begin() + 1028),
              ElementsAre(0x04, 0x00, 0x02, 0xE0, 0x00, 0x1A, 0x01, 0x50, 0x02, 0x83, 0, 0, 0, 0,
                          0, 0xDF, 1, 2, 3, 4));
  EXPECT_EQ(CountSent("> 40 07 03 F0 00 10"), 1);
  EXPECT_EQ(CountSent("> 40 07 04 00 00 04"), 1);
  EXPECT_EQ(mouse->restarts(), 1);
  EXPECT_TRUE(session.DevicePresent());
  EXPECT_TRUE(programmer.file_loaded()) << "programming keeps the file loaded";
}

TEST_F(ConfigDataFileTest, NothingIsProgrammedWithoutAFileOrAfterThePageIsOpenedAgain) {
  StartWithMouse();
  EXPECT_FALSE(programmer.Program());
  ASSERT_TRUE(programmer.LoadFile(File(std::vector<uint8_t>(20, 0))));
  programmer.PageOpened();
  EXPECT_FALSE(programmer.Program());
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(ConfigDataFileTest, AShortFileIsRefusedAndChangesNothing) {
  StartWithMouse();
  const PatchHeaderAndMcuLed before = session.copies().patch_header;
  EXPECT_FALSE(programmer.LoadFile(File(std::vector<uint8_t>(19, 0x55))));
  EXPECT_EQ(session.copies().patch_header, before);
  EXPECT_FALSE(programmer.file_loaded());
  EXPECT_EQ(observer.events.size(), 1u);
}

}  // namespace
}  // namespace kvrm::test
