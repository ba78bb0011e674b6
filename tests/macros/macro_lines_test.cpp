#include "macros/macro_lines.h"

#include <gtest/gtest.h>

#include "macros/key_names.h"

namespace kvrm {
namespace {

TEST(MacroLinesTest, BuildersGiveTheLineGrammar) {
  struct Case {
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {DelayLine(50), "0 50"},
      {DelayLine(65535), "0 65535"},
      {MoveLine(-5, 10), "3 04FB0A"},
      {MoveLine(-128, 127), "3 04807F"},
      {RepeatStartLine(10), "7 FD0A"},
      {RepeatStopLine(), "8 FC"},
      {MouseButtonLine(MouseButton::kLeft, true), "1 LeftKey CODE:00A1"},
      {MouseButtonLine(MouseButton::kBackward, false), "2 Backward CODE:0030"},
      {MouseButtonLine(MouseButton::kForward, true), "1 Forward CODE:00A8"},
      {ModifierLine(kModifierShift, true), "1 Shift CODE:8102"},
      {ModifierLine(kModifierShift, false), "2 Shift CODE:0102"},
      {ModifierLine(kModifierRightWindows, true), "1 Right Windows CODE:8180"},
      {KeyLine("A", 0x04, true), "1 A CODE:8204"},
      {KeyLine("Space bar", 0x2C, false), "2 Space bar CODE:022C"},
      {KeyLine("", 0xCA, true), "1  CODE:82CA"},
      {HeaderLine(DelayMode::kNone, 7), "00"},
      {HeaderLine(DelayMode::kFixed, 20), "0120"},
      {HeaderLine(DelayMode::kRecorded, 7), "10"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.line, c.expected);
}

TEST(MacroLinesTest, NameAndCodeAreFoundByPosition) {
  EXPECT_EQ(LineKind("1 Space bar CODE:822C"), 1);
  EXPECT_EQ(EventName("1 Space bar CODE:822C"), "Space bar");
  EXPECT_EQ(CodeField("1 Space bar CODE:822C"), "822C");
  EXPECT_EQ(EventName("1  CODE:82CA"), "");
  EXPECT_EQ(LineKind("x"), -1);
  EXPECT_EQ(EventName("1 A"), "");
}

TEST(MacroLinesTest, ListItemsShowIconAndText) {
  struct Case {
    std::string line;
    int icon;
    std::string text;
  };
  const Case cases[] = {
      {"1 LeftKey CODE:00A1", 1, "LeftKey"},
      {"2 Space bar CODE:022C", 2, "Space bar"},
      {"1  CODE:82CA", 1, ""},
      {"0 50", 0, "50 ms"},
      {"0 65535", 0, "65535 ms"},
      {"3 04FB0A", 3, "X: -5  Y: 10"},
      {"3 04807F", 3, "X: -128  Y: 127"},
      {"3 04", 3, "X: 0  Y: 0"},
      {"7 FD0A", 7, "Rep-Start  10"},
      {"8 FC", 8, "Rep-Stop"},
      {"x?", 0, ""},
  };
  for (const auto& c : cases) {
    const MacroListItem item = ListItemForLine(c.line);
    EXPECT_EQ(item.icon, c.icon) << c.line;
    EXPECT_EQ(item.text, c.text) << c.line;
  }
}

TEST(MacroLinesTest, ItemIShowsLineIPlusOneAndTheHeaderIsNeverDrawn) {
  EXPECT_EQ(ListItemCount({}), 0);
  EXPECT_EQ(ListItemCount({"10"}), 0);
  const MacroList list = {"10", "0 30", "1 A CODE:8204"};
  EXPECT_EQ(ListItemCount(list), 2);
  EXPECT_EQ(ListItem(list, 1).text, "A");
  EXPECT_EQ(ListItem(list, 2).text, "");
}

TEST(KeyNamesTest, UsageNames) {
  struct Case {
    uint8_t usage;
    std::string_view name;
  };
  const Case cases[] = {
      {0x04, "A"},
      {0x1D, "Z"},
      {0x1E, "1"},
      {0x26, "9"},
      {0x27, "0"},
      {0x3A, "F1"},
      {0x45, "F12"},
      {0x68, "F13"},
      {0x73, "F24"},
      {0x59, "1 (numeric pad)"},
      {0x62, "0 (numeric pad)"},
      {0x2C, "Space bar"},
      {0xE3, "Win"},
      {0xE7, "Win"},
      {0x9C, "Clear"},
      {0x32, ""},
      {0xCA, ""},
      {0x00, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UsageName(c.usage), c.name) << int{c.usage};
}

TEST(KeyNamesTest, VirtualKeys) {
  struct Case {
    int vk;
    std::string_view name;
    uint8_t usage;
    uint8_t modifier;
    bool recorded;
  };
  const Case cases[] = {
      {0x41, "A", 0x04, 0, true},
      {0x30, "0", 0x27, 0, true},
      {0x39, "9", 0x26, 0, true},
      {0x60, "0 (numeric pad)", 0x62, 0, true},
      {0x69, "9 (numeric pad)", 0x61, 0, true},
      {0x70, "F1", 0x3A, 0, true},
      {0x87, "F24", 0x73, 0, true},
      {0x10, "Shift", 0, kModifierShift, true},
      {0x5C, "Right Windows", 0, kModifierRightWindows, true},
      {0xA6, "Browser_Back", 0xCA, 0, true},
      {0xB5, "Launch_Media_Select", 0xD1, 0, true},
      {0xDF, "OEM_8", 0x00, 0, true},
      {0x07, "None", 0x00, 0, true},
      {0xFF, "255", 0x00, 0, false},
  };
  for (const auto& c : cases) {
    const VirtualKey key = VirtualKeyInfo(c.vk);
    EXPECT_EQ(key.name, c.name) << c.vk;
    EXPECT_EQ(key.usage, c.usage) << c.vk;
    EXPECT_EQ(key.modifier, c.modifier) << c.vk;
    EXPECT_EQ(key.recorded, c.recorded) << c.vk;
  }
  EXPECT_EQ(KeyDialogUsage(0x11), 0xE0);
  EXPECT_EQ(KeyDialogUsage(0x41), 0x04);
}

}  // namespace
}  // namespace kvrm
