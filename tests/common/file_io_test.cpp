#include "common/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvrm {
namespace {

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::path(::testing::TempDir()) / "kvrm-file-io";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

TEST_F(FileIoTest, WritesAndReadsBackWithoutLeavingATemporaryFile) {
  const std::string path = (folder / "a.bin").string();
  const std::vector<uint8_t> bytes = {1, 2, 3};
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, bytes, &error)) << error;
  EXPECT_EQ(ReadWholeFile(path, &error), bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(FileIoTest, FailuresSayWhatAndKeepTheOldFile) {
  const std::string path = (folder / "keep.bin").string();
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{7}, &error));
  EXPECT_FALSE(ReadWholeFile((folder / "missing.bin").string(), &error));
  EXPECT_NE(error.find("missing.bin"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(folder.string(), &error)) << "a folder is no file";
  EXPECT_FALSE(WriteFileAtomically((folder / "no" / "such" / "x.bin").string(),
                                   std::vector<uint8_t>{1}, &error));
  EXPECT_EQ(ReadWholeFile(path, &error), std::vector<uint8_t>{7});
}

}  // namespace
}  // namespace kvrm
