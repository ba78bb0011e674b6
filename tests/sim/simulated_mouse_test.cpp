#include "sim/simulated_mouse.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/sim_fixture.h"
#include "support/support.h"

namespace kvrm::test {
namespace {

uint8_t Checksum(const ConfigImage& m, int begin, int end) {
  return static_cast<uint8_t>(std::accumulate(m.begin() + begin, m.begin() + end, 0) & 0xFF) ^ 0x5A;
}

class SimulatedMouseTest : public SimFixture {};

TEST_F(SimulatedMouseTest, FieldWritesKeepTheSectionChecksumRight) {
  struct Case {
    uint8_t address;
    int begin, checksum;
  };
  for (const Case& c : {Case{0x39, 0, 163}, Case{0xA5, 164, 191}, Case{0xC4, 192, 240},
                        Case{0xF8, 241, 289}}) {
    ASSERT_TRUE(commands.WriteBytes(c.address, 0x12, 0x34, 0x56, 3));
    EXPECT_EQ(mouse->memory()[c.address + 2], 0x56);
    EXPECT_EQ(mouse->memory()[static_cast<size_t>(c.checksum)],
              Checksum(mouse->memory(), c.begin, c.checksum))
        << int{c.address};
  }
}

TEST_F(SimulatedMouseTest, AWriteThatSetsTheChecksumByteIsStoredAsSent) {
  ASSERT_TRUE(commands.WriteBytes(162, 0x01, 0x99, 0, 2));
  EXPECT_EQ(mouse->memory()[163], 0x99);
}

TEST_F(SimulatedMouseTest, BlockWritesAreStoredExactlyAsSent) {
  std::vector<uint8_t> block(147, 0x77);  // no valid checksums in it
  ASSERT_TRUE(commands.WriteBlock(192, block));
  EXPECT_TRUE(std::all_of(mouse->memory().begin() + 192, mouse->memory().begin() + 339,
                          [](uint8_t b) { return b == 0x77; }));
}

TEST_F(SimulatedMouseTest, RestartLeavesTheBusAndComesBack) {
  bus.set_restart_delay_ms(2000);
  const int before = link.CountHidDevices();
  ASSERT_TRUE(commands.SendCommand(Opcode::kRestart, 0, 0, 0, 0));
  EXPECT_EQ(mouse->restarts(), 1);
  EXPECT_EQ(link.CountHidDevices(), before - 1);
  EXPECT_FALSE(commands.SendCommand(Opcode::kIdentify, 0, 0, 0, 0)) << "old handles are stale";
  clock.SleepMilliseconds(1999);
  EXPECT_EQ(link.CountHidDevices(), before - 1);
  clock.SleepMilliseconds(1);
  EXPECT_EQ(link.CountHidDevices(), before);
  EXPECT_TRUE(link.SearchAcceptedIds());
  EXPECT_TRUE(link.DevicePresent());
}

TEST_F(SimulatedMouseTest, IdentifyAnswersTheVariantCode) {
  mouse->set_variant_code(kVariantCode4230C);
  ASSERT_TRUE(commands.SendCommand(Opcode::kIdentify, 0, 0, 0, 0));
  ASSERT_TRUE(commands.GetReply());
  EXPECT_EQ(commands.reply_bytes()[0], kVariantCode4230C);
  EXPECT_EQ(commands.reply_bytes()[1], ':');
}

TEST_F(SimulatedMouseTest, ANewCommandDropsUnfetchedReplies) {
  std::array<uint8_t, 14> out{};
  ASSERT_TRUE(commands.SendCommand(Opcode::kReadBlock, 0, 0, 0, 14));
  ASSERT_TRUE(commands.SendCommand(Opcode::kIdentify, 0, 0, 0, 0));
  ASSERT_TRUE(commands.GetReply());
  EXPECT_EQ(commands.reply_bytes()[1], ':');
}

TEST(SimLogFormat, OneReportALine) {
  EXPECT_EQ(FormatSimReport({SimReport::Kind::kSent, Bytes("40 05 00 39 FF 00 00 03")}),
            "> 40 05 00 39 FF 00 00 03");
  EXPECT_EQ(FormatSimReport({SimReport::Kind::kInput, Bytes("42 00 00 08")}), "! 42 00 00 08");
}

}  // namespace
}  // namespace kvrm::test
