#include "macros/macro_edits.h"

#include <gtest/gtest.h>

#include "macros/macro_name.h"

namespace kvrm {
namespace {

const std::string kPressA = "1 A CODE:8204";
const std::string kReleaseA = "2 A CODE:0204";
const std::string kPressB = "1 B CODE:8205";
const std::string kReleaseB = "2 B CODE:0205";

TEST(MacroEditsTest, DeletingPairsPressesWithReleases) {
  struct Case {
    MacroList list;
    int item;
    MacroList expected;
    int selected;
  };
  const Case cases[] = {
      {{"10", kPressA, "0 50", kReleaseA}, 0, {"10", "0 50"}, 0},
      {{"00", kPressA, kReleaseA, kPressA, kReleaseA}, 2, {"00", kPressA, kReleaseA}, 1},
      {{"00", kPressA, kPressB, kReleaseB, kReleaseA}, 0, {"00", kPressB, kReleaseB}, 0},
      {{"00", kPressA, kPressB, kReleaseB, kReleaseA}, 3, {"00", kPressB, kReleaseB}, 1},
      {{"00", "0 5", "3 04FB0A"}, 1, {"00", "0 5"}, 0},
      {{"00", "0 5"}, 0, {"00"}, -1},
  };
  for (const auto& c : cases) {
    const MacroEdit edit = DeleteItem(c.list, c.item);
    ASSERT_TRUE(edit.outcome.ok());
    EXPECT_EQ(edit.list, c.expected);
    EXPECT_EQ(edit.selected, c.selected);
  }
}

TEST(MacroEditsTest, AMissingPartnerDeletesNothing) {
  for (const MacroList& list : {MacroList{"00", kReleaseA, kPressA}, MacroList{"00", kPressA}}) {
    const MacroEdit edit = DeleteItem(list, 0);
    EXPECT_EQ(edit.outcome.text, "Macro Content Error");
    EXPECT_EQ(edit.list, list);
  }
}

TEST(MacroEditsTest, InsertingFrontAndBack) {
  const MacroList list = {"00", kPressA, "0 50", kReleaseA};
  const MacroEdit front = InsertItem(list, 2, InsertSide::kFront, "0 30");
  EXPECT_EQ(front.list, (MacroList{"00", kPressA, "0 50", "0 30", kReleaseA}));
  EXPECT_EQ(front.selected, 2);
  const MacroEdit back = InsertItem(list, 2, InsertSide::kBack, "3 04FB0A");
  EXPECT_EQ(back.list.back(), "3 04FB0A");
  EXPECT_EQ(back.selected, 3);
  EXPECT_EQ(ReplaceItem(list, 1, "0 7").list[2], "0 7");
}

TEST(MacroNameTest, EightCodeUnitsHighByteFirst) {
  EXPECT_EQ(MacroNameText(*MacroNameFromText("Run")), "Run");
  EXPECT_FALSE(MacroNameFromText("123456789").has_value());
  // A character beyond the first plane takes two code units.
  const auto wide = MacroNameFromText(
      "\xF0\x9F\x94\xAB"
      "abcdef");
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ((*wide)[0], 0xD8);
  EXPECT_EQ(MacroNameText(*wide),
            "\xF0\x9F\x94\xAB"
            "abcdef");
  EXPECT_FALSE(MacroNameFromText("\xF0\x9F\x94\xAB"
                                 "abcdefg")
                   .has_value());
  EXPECT_FALSE(MacroNameFromText("\xC3").has_value());
  EXPECT_FALSE(MacroNameFromText("\xC0\xAF").has_value());
  MacroName lone{};
  lone[0] = 0xDC;
  lone[3] = 'x';
  EXPECT_EQ(MacroNameText(lone), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace kvrm
