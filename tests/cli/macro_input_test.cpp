#include "cli/macro_input.h"

#include <gtest/gtest.h>

namespace kvrm::cli {
namespace {

TEST(MacroInputTest, TakesTheLinesTheMacroPageWrites) {
  const struct {
    const char* line;
    const char* stored;
  } cases[] = {
      {"1 A CODE:8204", "1 A CODE:8204"},
      {"2 a CODE:02e1", "2 a CODE:02E1"},
      {"1 Space bar CODE:822C", "1 Space bar CODE:822C"},
      {"1  CODE:82C4", "1  CODE:82C4"},
      {"1 LeftKey CODE:00A1", "1 LeftKey CODE:00A1"},
      {"2 Backward CODE:0030", "2 Backward CODE:0030"},
      {"1 Ctrl CODE:8101", "1 Ctrl CODE:8101"},
      {"2 Right Windows CODE:0180", "2 Right Windows CODE:0180"},
      {"3 04fb0a", "3 04FB0A"},
      {"0 1", "0 1"},
      {"0 65535", "0 65535"},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_EQ(CanonicalEventLine(c.line, &why), std::optional<std::string>(c.stored))
        << c.line << ": " << why;
  }
}

TEST(MacroInputTest, RefusesLinesTheEncoderWouldMisread) {
  for (const char* line : {"0 0",
                           "0 65536",
                           "0 050",
                           "0 ",
                           "0 5x",
                           "0 -5",
                           "1 A CODE:0204",
                           "2 A CODE:8204",
                           "1 LeftKey CODE:0021",
                           "1 X CODE:00A3",
                           "1 Ctrl CODE:8103",
                           "1 A CODE:9004",
                           "1 A CODE:82G4",
                           "1 A CODE 8204",
                           "1A CODE:8204",
                           "3 05FB0A",
                           "3 04FB0",
                           "7 FD0A",
                           "8 FC",
                           "x",
                           "9 something"}) {
    std::string why;
    EXPECT_EQ(CanonicalEventLine(line, &why), std::nullopt) << line;
    EXPECT_FALSE(why.empty()) << line;
  }
}

TEST(MacroInputTest, ListEncodesAsTheMacroPageWould) {
  const EventLines parsed = ParseEventLines({"1 A CODE:8204\r", "", "  0 50", "2 A CODE:0204"});
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  EXPECT_EQ(parsed.list, (MacroList{"10", "1 A CODE:8204", "0 50", "2 A CODE:0204"}));
  const EncodedMacro encoded = EncodeMacro(parsed.list, StopMode::Cycles(5));
  EXPECT_EQ(encoded.bytes, (std::vector<uint8_t>{0xFD, 0x05, 0x82, 0x04, 0xFE, 0x00, 0x32, 0x02,
                                                 0x04, 0xFC, 0x00}));
}

TEST(MacroInputTest, HeaderOnlyForAnEmptyInput) {
  EXPECT_EQ(ParseEventLines({}).list, MacroList{"00"});
  EXPECT_EQ(ParseEventLines({"1 LeftKey CODE:00A1"}).list,
            (MacroList{"00", "1 LeftKey CODE:00A1"}));
}

TEST(MacroInputTest, OneBadLineRefusesAllAndNamesIt) {
  const EventLines parsed = ParseEventLines({"1 A CODE:8204", "", "2 A CODE:8204"});
  EXPECT_TRUE(parsed.list.empty());
  EXPECT_TRUE(parsed.error.starts_with("line 3 \"2 A CODE:8204\": ")) << parsed.error;
}

TEST(MacroInputTest, StopModes) {
  EXPECT_EQ(ParseStopMode("released"), StopMode::UntilReleased());
  EXPECT_EQ(ParseStopMode("none"), StopMode::None());
  EXPECT_EQ(ParseStopMode("1"), StopMode::Cycles(1));
  EXPECT_EQ(ParseStopMode("254"), StopMode::Cycles(254));
  for (const char* text : {"0", "255", "", "3x", "-1", "Released"}) {
    EXPECT_EQ(ParseStopMode(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace kvrm::cli
