#include "device/hid_report_descriptor.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/support.h"

namespace kvrm {
namespace {

using test::Bytes;

// The boot keyboard of the HID class definition: modifiers, reserved byte and six
// key codes in, five LEDs plus padding out, no report ids.
const char kBootKeyboard[] =
    "05 01 09 06 A1 01 05 07 19 E0 29 E7 15 00 25 01 75 01 95 08 81 02"
    " 95 01 75 08 81 01 95 05 75 01 05 08 19 01 29 05 91 02 95 01 75 03 91 01"
    " 95 06 75 08 15 00 25 65 05 07 19 00 29 65 81 00 C0";

// A three-button wheel mouse without report ids: 3 buttons, 5 padding bits, X, Y, wheel.
const char kPlainMouse[] =
    "05 01 09 02 A1 01 09 01 A1 00 05 09 19 01 29 03 15 00 25 01 95 03 75 01 81 02"
    " 95 01 75 05 81 01 05 01 09 30 09 31 09 38 15 81 25 7F 75 08 95 03 81 06 C0 C0";

// A gaming mouse interface: mouse (id 1: 5 buttons, 16-bit X/Y, wheel = 6 bytes),
// consumer keys (id 2, 2 bytes) and a vendor collection with the 7-byte feature
// reports 0x40 and 0x41 and the 7-byte input report 0x42.
const char kGamingMouse[] =
    "05 01 09 02 A1 01 85 01 09 01 A1 00"
    " 05 09 19 01 29 05 15 00 25 01 95 05 75 01 81 02 95 01 75 03 81 01"
    " 05 01 09 30 09 31 16 01 80 26 FF 7F 75 10 95 02 81 06"
    " 09 38 15 81 25 7F 75 08 95 01 81 06 C0 C0"
    " 05 0C 09 01 A1 01 85 02 19 00 2A 3C 02 15 00 26 3C 02 75 10 95 01 81 00 C0"
    " 06 00 FF 09 01 A1 01 85 40 09 01 15 00 26 FF 00 75 08 95 07 B1 02"
    " 85 41 09 02 95 07 B1 02 85 42 09 03 95 07 81 02 C0";

struct ValidCase {
  std::string name;
  std::string bytes;
  int input, output, feature;
  bool ids;
};

class ValidDescriptorTest : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidDescriptorTest, GivesWindowsReportLengths) {
  const ValidCase& c = GetParam();
  const auto parsed = ParseReportDescriptor(Bytes(c.bytes));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->capabilities.input_report_length, c.input);
  EXPECT_EQ(parsed->capabilities.output_report_length, c.output);
  EXPECT_EQ(parsed->capabilities.feature_report_length, c.feature);
  EXPECT_EQ(parsed->uses_report_ids, c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ValidDescriptorTest,
    testing::Values(
        ValidCase{"BootKeyboard", kBootKeyboard, 9, 2, 0, false},
        ValidCase{"PlainMouse", kPlainMouse, 5, 0, 0, false},
        ValidCase{"GamingMouse", kGamingMouse, 8, 0, 8, true},
        ValidCase{"Empty", "", 0, 0, 0, false},
        // 9 one-bit fields round up to 2 bytes.
        ValidCase{"RoundsUpToBytes", "A1 01 75 01 95 09 81 02 C0", 3, 0, 0, false},
        // Pop restores size 8 / count 2, so the second field is 16 bits, not 64.
        ValidCase{"PushPop", "A1 01 75 08 95 02 A4 75 10 95 04 81 02 B4 81 02 C0", 11, 0, 0, false},
        ValidCase{"LongItemSkipped", "FE 02 10 A1 01 A1 01 75 08 95 01 B1 02 C0", 0, 0, 2, false},
        ValidCase{"FourByteCount", "A1 01 75 08 97 03 00 00 00 91 02 C0", 0, 4, 0, false},
        // Same id in input and feature: each kind keeps its own length.
        ValidCase{"IdPerKind", "A1 01 85 05 75 08 95 03 81 02 95 01 B1 02 C0", 4, 0, 2, true},
        ValidCase{"LongestAccepted", "A1 01 75 08 96 FE FF B1 02 C0", 0, 0, 65535, false}),
    [](const testing::TestParamInfo<ValidCase>& info) { return info.param.name; });

struct MalformedCase {
  std::string name;
  std::string bytes;
};

class MalformedDescriptorTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptorTest, IsRejected) {
  EXPECT_FALSE(ParseReportDescriptor(Bytes(GetParam().bytes)).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, MalformedDescriptorTest,
    testing::Values(MalformedCase{"TruncatedShortItem", "05 01 09 02 A1 01 26 FF"},
                    MalformedCase{"TruncatedLongItemHeader", "FE 01"},
                    MalformedCase{"TruncatedLongItemData", "FE 05 10 01 02"},
                    MalformedCase{"OpenCollection", "A1 01 A1 00 C0"},
                    MalformedCase{"EndWithoutCollection", "A1 01 C0 C0"},
                    MalformedCase{"PopWithoutPush", "A1 01 A4 B4 B4 C0"},
                    MalformedCase{"HugeCount", "A1 01 75 08 97 FF FF FF FF 81 02 C0"},
                    MalformedCase{"SizeTimesCountOverflow",
                                  "A1 01 77 FF FF FF FF 97 FF FF FF FF 81 02 C0"},
                    MalformedCase{"ReportTooLong", "A1 01 75 08 96 FF FF B1 02 C0"},
                    MalformedCase{"ItemsSumTooLong", "A1 01 75 08 96 00 80 81 02 81 02 C0"},
                    MalformedCase{"ReportIdZero", "A1 01 85 00 75 08 95 01 81 02 C0"},
                    MalformedCase{"ReportIdAbove255", "A1 01 86 00 01 75 08 95 01 81 02 C0"},
                    MalformedCase{"ReportBeforeFirstId", "A1 01 75 08 95 01 81 02 85 01 81 02 C0"},
                    MalformedCase{"ReservedGlobalTag", "A1 01 C4 C0"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(ReportDescriptorTest, RejectsEveryTruncationOfASingleCollection) {
  const std::vector<uint8_t> keyboard = Bytes(kBootKeyboard);
  // Cuts before the Collection item leave well-formed global and local items only.
  const size_t collection = std::find(keyboard.begin(), keyboard.end(), 0xA1) - keyboard.begin();
  for (size_t length = collection + 1; length < keyboard.size(); ++length) {
    EXPECT_FALSE(ParseReportDescriptor(std::span(keyboard).first(length)).has_value()) << length;
  }
}

TEST(ReportDescriptorTest, SurvivesEverySingleByteCorruption) {
  const std::vector<uint8_t> original = Bytes(kGamingMouse);
  for (size_t pos = 0; pos < original.size(); ++pos) {
    for (int value = 0; value < 256; ++value) {
      std::vector<uint8_t> corrupted = original;
      corrupted[pos] = static_cast<uint8_t>(value);
      const auto parsed = ParseReportDescriptor(corrupted);
      if (!parsed) continue;
      EXPECT_LE(parsed->capabilities.input_report_length, 0xFFFF);
      EXPECT_LE(parsed->capabilities.feature_report_length, 0xFFFF);
    }
  }
}

}  // namespace
}  // namespace kvrm
