#include "cli/setting_args.h"

#include <gtest/gtest.h>

namespace kvrm::cli {
namespace {

TEST(ParseIntIn, TakesOnlyWholeNumbersInRange) {
  EXPECT_EQ(ParseIntIn("15", 2, 15), 15);
  EXPECT_EQ(ParseIntIn("2", 2, 15), 2);
  for (const char* text : {"", "1", "16", "3x", " 3", "+3", "0x3", "99999999999"}) {
    EXPECT_FALSE(ParseIntIn(text, 2, 15)) << text;
  }
}

TEST(ParseDpiValue, GivesTheTableIndex) {
  EXPECT_EQ(ParseDpiValue("200"), 0);
  EXPECT_EQ(ParseDpiValue("2400"), 8);
  EXPECT_EQ(ParseDpiValue("6400"), 11);
  for (const char* text : {"100", "300", "6401", "1600dpi", ""})
    EXPECT_FALSE(ParseDpiValue(text)) << text;
}

TEST(ParseRgb, ReadsSixHexDigits) {
  EXPECT_EQ(ParseRgb("FF8000"), (vendor::Rgb{0xFF, 0x80, 0x00}));
  EXPECT_EQ(ParseRgb("#00ff7f"), (vendor::Rgb{0x00, 0xFF, 0x7F}));
  for (const char* text : {"FF800", "FF80000", "GG0000", "+F0000", "#", ""}) {
    EXPECT_FALSE(ParseRgb(text)) << text;
  }
}

TEST(ParseOnOff, TakesOnlyOnAndOff) {
  EXPECT_EQ(ParseOnOff("on"), true);
  EXPECT_EQ(ParseOnOff("off"), false);
  EXPECT_FALSE(ParseOnOff("yes"));
}

}  // namespace
}  // namespace kvrm::cli
