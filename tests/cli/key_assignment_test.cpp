#include "cli/key_assignment.h"

#include <gtest/gtest.h>

#include <array>

namespace kvrm::cli {
namespace {

KeyNamingState NamingState() {
  KeyNamingState state;
  state.fire_keys[0] = {3, 60, true};
  state.combo_flags[static_cast<int>(ComboFunction::kMiddle)] = 0x08;
  state.variant = ChipVariant::k4230C;
  return state;
}

TEST(ParseKeyFunction, ReadsCodesTagsNamesAndCombinations) {
  const struct {
    const char* text;
    const char* code;
  } cases[] = {
      {"0b8f0000", "0B8F0000"},      // eight hex digits are the code itself
      {"2001", "09010000"},          // a menu tag
      {"DPI +", "09010000"},         // an English name
      {"key_cpii", "09010000"},      // a control name
      {"Middle Click", "01040008"},  // with the function's combo flag
      {"Fire Key1", "0692003C"},     // with the fire key's settings
      {"1005", "1006A0FF"},          // the fire macro key of the chip
      {"Home", "03022300"},          // the menu item, not the key
      {"Ctrl+Shift+A", "02030400"},  // a combination
      {"a", "02000400"},             // a key alone
  };
  for (const auto& c : cases) {
    std::string error;
    const std::optional<KeyCode> code = ParseKeyFunction(c.text, NamingState(), &error);
    ASSERT_TRUE(code) << c.text << ": " << error;
    EXPECT_EQ(FormatKeyCode(*code), c.code) << c.text;
  }
}

TEST(ParseKeyFunction, RefusesWithAReason) {
  for (const char* text : {"", "99", "123456", "Ctrl+Nothing", "A+B+C", "0101000G"}) {
    std::string error;
    EXPECT_FALSE(ParseKeyFunction(text, NamingState(), &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

std::array<KeyName, kSlotsPerProfile> Names(std::initializer_list<int> left_click_slots) {
  std::array<KeyName, kSlotsPerProfile> names{};
  for (KeyName& name : names) name.key = "Str277";
  for (int slot : left_click_slots) names[static_cast<size_t>(slot - 1)].key = kLeftClickKey;
  return names;
}

TEST(AssignmentRefusal, KeepsTheLastLeftClickOfProfile1) {
  const struct {
    int profile;
    int slot;
    std::initializer_list<int> left_clicks;
    bool new_is_left_click;
    bool device_macro;
    bool refused;
  } cases[] = {
      {1, 1, {1}, false, false, true},      // the only Left Click
      {1, 1, {1, 4}, false, false, false},  // another one stays
      {1, 1, {1}, true, false, false},      // Left Click again
      {1, 3, {}, false, false, false},      // a profile without one loses nothing
      {2, 1, {1}, false, false, false},     // other profiles may lose it to a menu item
      {3, 1, {1}, false, true, true},       // but not to a device macro
      {1, 1, {1}, false, true, true},      {1, 3, {1}, false, true, false},  // a macro elsewhere
      {2, 1, {1, 2}, false, true, false},
  };
  for (const auto& c : cases) {
    const auto names = Names(c.left_clicks);
    EXPECT_EQ(AssignmentRefusal(c.profile, c.slot, names, c.new_is_left_click, c.device_macro)
                  .has_value(),
              c.refused)
        << "profile " << c.profile << " slot " << c.slot;
  }
}

TEST(IsDeviceMacroCode, TellsDeviceMacrosFromTheFireMacroKey) {
  EXPECT_TRUE(IsDeviceMacroCode({0x10, 0x02, 0x10, 0x00}));
  EXPECT_FALSE(IsDeviceMacroCode({0x10, 0x07, 0x10, 0xFF}));
  EXPECT_FALSE(IsDeviceMacroCode({0x01, 0x01, 0x00, 0x00}));
}

}  // namespace
}  // namespace kvrm::cli
