#include "macros/macro_codec.h"

#include <gtest/gtest.h>

#include "support/support.h"

namespace kvrm {
namespace {

using test::Bytes;

const std::string kLeftDown = "1 LeftKey CODE:00A1";
const std::string kLeftUp = "2 LeftKey CODE:0021";

TEST(MacroCodecTest, EncodesLinesWithTheStopModeWrapper) {
  struct Case {
    MacroList list;
    StopMode stop;
    std::string bytes;
  };
  const Case cases[] = {
      {{"00", kLeftDown, kLeftUp}, StopMode::UntilReleased(), "FD 00 A1 21 FC 00"},
      {{"00", kLeftDown, kLeftUp}, StopMode::Cycles(3), "FD 03 A1 21 FC 00"},
      {{"00", kLeftDown, kLeftUp}, StopMode::None(), "A1 21 00"},
      {{"10", "0 300"}, StopMode::None(), "FE 01 2C 00"},
      {{"10", "0 abc"}, StopMode::None(), "FE 00 00 00"},
      {{"10", "0 99999"}, StopMode::None(), "FE FF FF 00"},
      {{"00", "1 Shift CODE:8102", "1 A CODE:8204", "2 A CODE:0204", "2 Shift CODE:0102"},
       StopMode::None(),
       "81 02 82 04 02 04 01 02 00"},
      {{"00", "3 04FB0A"}, StopMode::None(), "04 FB 0A 00"},
      // A repeat-start line (fire macros) keeps the macro unwrapped.
      {{"00", "7 FD0A", kLeftDown, "8 FC"}, StopMode::UntilReleased(), "FD 0A A1 FC 00"},
      {{}, StopMode::UntilReleased(), "FD 00 FC 00"},
      {{"00", "x note"}, StopMode::None(), "00"},
  };
  for (const auto& c : cases) {
    const EncodedMacro encoded = EncodeMacro(c.list, c.stop);
    ASSERT_TRUE(encoded.outcome.ok()) << c.bytes;
    EXPECT_EQ(encoded.bytes, Bytes(c.bytes));
  }
}

TEST(MacroCodecTest, RefusesLinesTheMouseCannotPlay) {
  for (const std::string bad : {"1 X CODE:0000", "1 X CODE:00FE", "1 X CODE:FE01", "2 X CODE:zz01",
                                "3 05FB0A", "3 0", "7 FC0A", "8 FD"}) {
    const EncodedMacro encoded = EncodeMacro({"00", bad}, StopMode::None());
    EXPECT_EQ(encoded.outcome.status, MacroStatus::kBadLine) << bad;
    EXPECT_NE(encoded.outcome.text.find(bad), std::string::npos);
  }
}

TEST(MacroCodecTest, AByteFormNeverGrowsPastItsSlot) {
  MacroList list = {"00"};
  // 84 delays of 3 bytes are 252 event bytes: 256 with wrapper and terminator.
  for (int i = 0; i < 84; ++i) list.push_back("0 5");
  EXPECT_EQ(EncodeMacro(list, StopMode::UntilReleased()).bytes.size(), 256u);
  list.push_back(kLeftDown);
  const EncodedMacro too_long = EncodeMacro(list, StopMode::UntilReleased());
  EXPECT_EQ(too_long.outcome.status, MacroStatus::kTooLong);
  EXPECT_TRUE(too_long.bytes.empty());
  EXPECT_EQ(EncodeMacro(list, StopMode::None()).bytes.size(), 254u);
}

TEST(MacroCodecTest, DecodesLinesDelayModeAndStopMode) {
  const DecodedMacro decoded = DecodeMacro(Bytes("FD 05 82 04 FE 00 32 02 04 FC 00"));
  EXPECT_EQ(decoded.list, (MacroList{"10", "1 A CODE:8204", "0 50", "2 A CODE:0204"}));
  EXPECT_EQ(decoded.delay_mode, DelayMode::kRecorded);
  EXPECT_EQ(decoded.stop_mode, StopMode::Cycles(5));

  const DecodedMacro mixed = DecodeMacro(Bytes("A1 FE 00 0A 81 01 01 01 04 80 7F 82 CA 21 00"));
  EXPECT_EQ(mixed.list, (MacroList{"10", kLeftDown, "0 10", "1 Ctrl CODE:8101", "2 Ctrl CODE:0101",
                                   "3 04807F", "1  CODE:82CA", kLeftUp}));
  EXPECT_EQ(mixed.stop_mode, StopMode::None());
}

TEST(MacroCodecTest, HeaderFollowsTheFirstFourDelays) {
  struct Case {
    std::string bytes;
    std::string header;
    DelayMode mode;
  };
  const Case cases[] = {
      {"A1 21 00", "00", DelayMode::kNone},
      {"FE 00 00 A1 00", "00", DelayMode::kNone},
      {"FE 00 14 FE 00 14 FE 00 14 FE 00 14 FE 00 63 00", "0120", DelayMode::kFixed},
      {"FE 00 14 FE 00 14 00", "10", DelayMode::kRecorded},
      {"FE 00 14 FE 00 14 FE 00 14 FE 00 15 00", "10", DelayMode::kRecorded},
  };
  for (const auto& c : cases) {
    const DecodedMacro decoded = DecodeMacro(Bytes(c.bytes));
    EXPECT_EQ(decoded.list[0], c.header) << c.bytes;
    EXPECT_EQ(decoded.delay_mode, c.mode) << c.bytes;
  }
  EXPECT_EQ(DecodeMacro(Bytes("FE 00 14 FE 00 14 FE 00 14 FE 00 14 00")).fixed_delay_ms, 20);
}

TEST(MacroCodecTest, StopValueDecidesTheStopMode) {
  EXPECT_EQ(DecodeMacro(Bytes("FD 00 A1 FC 00")).stop_mode, StopMode::UntilReleased());
  EXPECT_EQ(DecodeMacro(Bytes("FD FE A1 FC 00")).stop_mode, StopMode::Cycles(254));
  EXPECT_FALSE(DecodeMacro(Bytes("FD FF A1 FC 00")).stop_mode.has_value());
  EXPECT_EQ(DecodeMacro(Bytes("A1 00")).stop_mode, StopMode::None());
}

TEST(MacroCodecTest, DamagedBytesEndTheMacro) {
  struct Case {
    std::string bytes;
    MacroList list;
  };
  const Case cases[] = {
      {"A1 77 21 00", {"00", kLeftDown}},
      {"A1 FE 00", {"00", kLeftDown}},
      {"82", {"00"}},
      {"", {"00"}},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeMacro(Bytes(c.bytes)).list, c.list) << c.bytes;
}

TEST(MacroCodecTest, RepeatLinesForFireRecords) {
  EXPECT_EQ(DecodeMacro(Bytes("FD 00 A1 04 00 06 FC 00"), true).list,
            (MacroList{"00", "7 FD00", kLeftDown, "3 040006", "8 FC"}));
}

TEST(MacroCodecTest, RoundTripsEveryLineKind) {
  const MacroList list = {"10",
                          kLeftDown,
                          "0 65535",
                          "3 04FB0A",
                          "1 Alt CODE:8104",
                          "2 F24 CODE:0273",
                          kLeftUp,
                          "1 Backward CODE:00B0"};
  const EncodedMacro encoded = EncodeMacro(list, StopMode::Cycles(7));
  const DecodedMacro decoded = DecodeMacro(encoded.bytes);
  EXPECT_EQ(decoded.list, list);
  EXPECT_EQ(decoded.stop_mode, StopMode::Cycles(7));
}

TEST(MacroCodecTest, LengthWalk) {
  EXPECT_EQ(MacroLength(Bytes("00")), 1u);
  EXPECT_EQ(MacroLength(Bytes("FD 00 A1 21 FC 00")), 6u);
  EXPECT_EQ(MacroLength(Bytes("A1 55 21 00")), 2u);  // 0x55 ends it
  EXPECT_FALSE(MacroLength(Bytes("A1 21")).has_value());
  EXPECT_FALSE(MacroLength(Bytes("FE 00")).has_value());
}

TEST(MacroCodecTest, ChangingTheStopMode) {
  std::array<uint8_t, kMacroSlotSize> slot{};
  const auto plain = Bytes("A1 21 00");
  std::copy(plain.begin(), plain.end(), slot.begin());
  size_t length = 3;
  ASSERT_TRUE(ChangeStopMode(slot, &length, StopMode::UntilReleased()).ok());
  EXPECT_EQ(length, 6u);
  EXPECT_EQ(std::vector<uint8_t>(slot.begin(), slot.begin() + 7), Bytes("FD 00 A1 21 FC 00 00"));
  ASSERT_TRUE(ChangeStopMode(slot, &length, StopMode::Cycles(9)).ok());
  EXPECT_EQ(length, 6u);
  EXPECT_EQ(slot[1], 9);

  std::array<uint8_t, kMacroSlotSize> full{};
  full.fill(0xA1);
  full[254] = 0x00;
  size_t full_length = 255;
  EXPECT_EQ(ChangeStopMode(full, &full_length, StopMode::UntilReleased()).status,
            MacroStatus::kTooLong);
  EXPECT_EQ(full_length, 255u);
  EXPECT_EQ(full[0], 0xA1);
}

}  // namespace
}  // namespace kvrm
