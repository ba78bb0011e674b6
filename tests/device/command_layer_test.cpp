#include "device/command_layer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "support/sim_fixture.h"
#include "support/support.h"

namespace kvrm::test {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class CommandLayerTest : public SimFixture {
 protected:
  std::vector<uint8_t> Counting(size_t n) {
    std::vector<uint8_t> v(n);
    std::iota(v.begin(), v.end(), uint8_t{1});
    return v;
  }
};

TEST_F(CommandLayerTest, WriteBlockSendsHeaderThenSevenBytePacketsWithStaleTail) {
  const auto data = Counting(12);
  ASSERT_TRUE(commands.WriteBlock(484, data));
  EXPECT_THAT(LogLines(), ElementsAre("> 40 07 01 E4 00 0C 00 00", "> 41 01 02 03 04 05 06 07",
                                      "> 41 08 09 0A 0B 0C 06 07"));
  EXPECT_TRUE(std::equal(data.begin(), data.end(), mouse->memory().begin() + 484));
  EXPECT_EQ(busy.shows, 2);
  EXPECT_EQ(busy.hides, 0);
}

TEST_F(CommandLayerTest, WriteBlockPacketCounts) {
  for (auto [count, data_reports] : {std::pair{147, 21}, {2048, 293}, {7, 1}, {8, 2}}) {
    bus.ClearLog();
    ASSERT_TRUE(commands.WriteBlock(0, Counting(static_cast<size_t>(count))));
    const auto sent = Reports('>');
    ASSERT_EQ(sent.size(), static_cast<size_t>(1 + data_reports)) << count;
    EXPECT_EQ(sent[0][1], 0x07);
  }
}

TEST_F(CommandLayerTest, FirstDataPacketOfAWriteBlockPadsWithFF) {
  ASSERT_TRUE(commands.WriteBlock(496, Counting(3)));
  EXPECT_THAT(LogLines().back(), "> 41 01 02 03 FF FF FF FF");
}

TEST_F(CommandLayerTest, WriteChunksCoversTheVendorAndUserSections) {
  struct Case {
    int start, count, reports, last_address, last_count;
  };
  for (const Case& c : {Case{0, 164, 55, 162, 2}, Case{164, 28, 10, 191, 1}}) {
    bus.ClearLog();
    ASSERT_TRUE(commands.WriteChunks(c.start, Counting(static_cast<size_t>(c.count))));
    const auto sent = Reports('>');
    ASSERT_EQ(sent.size(), static_cast<size_t>(c.reports));
    for (size_t i = 0; i < sent.size(); ++i) {
      EXPECT_EQ(sent[i][1], 0x05);
      EXPECT_EQ(sent[i][2], 0x00);
      EXPECT_EQ(sent[i][3], (c.start + 3 * static_cast<int>(i)) % 256);
    }
    EXPECT_EQ(sent.back()[3], c.last_address);
    EXPECT_EQ(sent.back()[7], c.last_count);
  }
  // The short last chunk of the user section keeps the previous chunk's bytes after its one.
  EXPECT_EQ(LogLines().back(), "> 40 05 00 BF 1C 1A 1B 01");
}

TEST_F(CommandLayerTest, WriteBytesAndWriteQuadFramesWithPause) {
  const int64_t start = clock.NowMicroseconds();
  ASSERT_TRUE(commands.WriteBytes(0x39, 0xFF, 0x00, 0x00, 3));
  ASSERT_TRUE(commands.WriteQuad(0x7F, 0x08, 0x01, 0x00, 0x00));
  EXPECT_THAT(LogLines(), ElementsAre("> 40 05 00 39 FF 00 00 03", "> 40 05 01 7F 08 01 00 00"));
  EXPECT_EQ(clock.NowMicroseconds() - start, 200'000);
  EXPECT_EQ(busy.shows, 2);
  EXPECT_EQ(busy.hides, 2);
  EXPECT_EQ(busy.event_passes, 2);
  EXPECT_THAT(std::vector<uint8_t>(mouse->memory().begin() + 0x7F, mouse->memory().begin() + 0x83),
              ElementsAre(0x08, 0x01, 0x00, 0x00));
}

TEST_F(CommandLayerTest, ReadsFetchOneReplyPerSevenBytesAndCopyOnlyTheCount) {
  mouse->memory()[0xA4] = 0x5E;
  std::array<uint8_t, 28> user{};
  ASSERT_TRUE(commands.ReadShort(164, 28, user));
  EXPECT_EQ(Reports('<').size(), 4u);
  EXPECT_EQ(LogLines().front(), "> 40 06 00 A4 00 1C 00 00");
  EXPECT_TRUE(std::equal(user.begin(), user.end(), mouse->memory().begin() + 164));

  bus.ClearLog();
  std::array<uint8_t, 4> one;
  one.fill(0x11);
  ASSERT_TRUE(commands.ReadBlock(0xA4, 1, one));
  EXPECT_EQ(LogLines().front(), "> 40 09 00 A4 00 01 00 00");
  EXPECT_EQ(Reports('<').size(), 1u);
  EXPECT_THAT(one, ElementsAre(0x5E, 0xFF, 0xFF, 0xFF));
}

TEST_F(CommandLayerTest, WholeImageReadIs293RepliesEachFollowedByTheWait) {
  for (size_t i = 0; i < kImageSize; ++i) mouse->memory()[i] = static_cast<uint8_t>(i * 7);
  ConfigImage image{};
  const int64_t start = clock.NowMicroseconds();
  ASSERT_TRUE(commands.ReadBlock(0, kImageSize, image));
  EXPECT_EQ(image, mouse->memory());
  EXPECT_EQ(Reports('<').size(), 293u);
  EXPECT_EQ(clock.NowMicroseconds() - start, 293 * 500);
  EXPECT_EQ(busy.shows, 293);
  busy.shows = 0;
  ASSERT_TRUE(commands.ReadBlockQuiet(0, kImageSize, image));
  EXPECT_EQ(busy.shows, 0);
}

TEST_F(CommandLayerTest, FailedReplyGivesFFAndNoWait) {
  bus.ArmFaults({.fail_transfer = 2});  // 1 is the read header, 2 its only reply
  std::array<uint8_t, 7> out{};
  const int64_t start = clock.NowMicroseconds();
  ASSERT_TRUE(commands.ReadShort(0, 7, out));
  EXPECT_THAT(out, Each(0xFF));
  EXPECT_EQ(clock.NowMicroseconds(), start);
}

TEST_F(CommandLayerTest, WithoutCommandHandleNothingIsSentAndReadsGiveFF) {
  link.ForgetDevice();
  EXPECT_FALSE(commands.WriteBytes(0x38, 1, 0, 0, 1));
  EXPECT_EQ(busy.shows, 0);
  EXPECT_FALSE(commands.WriteQuad(0x7F, 1, 2, 3, 4));
  EXPECT_FALSE(commands.WriteChunks(0, Counting(6)));
  EXPECT_FALSE(commands.WriteBlock(0, Counting(6)));
  std::array<uint8_t, 28> out{};
  EXPECT_FALSE(commands.ReadShort(164, 28, out));
  EXPECT_THAT(out, Each(0xFF));
  EXPECT_FALSE(commands.GetReply());
  EXPECT_THAT(commands.reply_bytes(), Each(0xFF));
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(CommandLayerTest, UnplugMidTransferLeavesFFAndNeverHangs) {
  for (size_t i = 0; i < kImageSize; ++i) mouse->memory()[i] = 0x00;
  bus.ArmFaults({.unplug_mouse_after = 100});
  ConfigImage image{};
  ASSERT_TRUE(commands.ReadBlock(0, kImageSize, image));
  EXPECT_EQ(image[0], 0x00);
  EXPECT_EQ(image[2047], 0xFF);
  // 99 replies arrived (transfer 1 was the header).
  EXPECT_EQ(image[99 * 7 - 1], 0x00);
  EXPECT_EQ(image[99 * 7], 0xFF);
  EXPECT_FALSE(commands.WriteBytes(0x38, 1, 0, 0, 1));
}

TEST_F(CommandLayerTest, XDataWriteAndRead) {
  ASSERT_TRUE(commands.XDataWrite(0x7241, 0x06));
  uint8_t value = 0;
  ASSERT_TRUE(commands.XDataRead(0x7241, &value));
  EXPECT_EQ(value, 0x06);
  EXPECT_THAT(LogLines(), ElementsAre("> 40 01 72 41 06 00 00 00", "> 40 02 72 41 00 01 00 00",
                                      "< 41 06 00 00 00 00 00 00"));
}

TEST_F(CommandLayerTest, TransfersFromTwoThreadsDoNotInterleave) {
  for (size_t i = 0; i < 64; ++i) mouse->memory()[i] = 0xAA;
  for (size_t i = 64; i < 128; ++i) mouse->memory()[i] = 0x55;
  auto reader = [&](uint16_t address, uint8_t expected, bool* ok) {
    *ok = true;
    for (int n = 0; n < 200; ++n) {
      std::array<uint8_t, 64> out{};
      commands.ReadShort(address, 64, out);
      for (uint8_t b : out) *ok = *ok && b == expected;
    }
  };
  bool ok_a = false, ok_b = false;
  std::thread a(reader, 0, 0xAA, &ok_a);
  std::thread b(reader, 64, 0x55, &ok_b);
  a.join();
  b.join();
  EXPECT_TRUE(ok_a);
  EXPECT_TRUE(ok_b);
}

}  // namespace
}  // namespace kvrm::test
