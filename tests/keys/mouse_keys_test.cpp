#include "keys/mouse_keys.h"

#include <gtest/gtest.h>

#include "image/factory_recipe.h"
#include "image/section_copies.h"
#include "macros/device_macros.h"
#include "macros/macro_name.h"
#include "texts/language_set.h"

namespace kvrm {
namespace {

SectionCopies CopiesOf(const ConfigImage& image, ChipVariant variant) {
  SectionCopies copies;
  copies.SetVariant(variant);
  auto take = [&](auto& copy, int offset) {
    std::copy_n(image.begin() + offset, copy.size(), copy.begin());
  };
  take(copies.vendor, layout::kVendorOffset);
  take(copies.user, layout::kUserOffset);
  for (int p = 0; p < 3; ++p)
    take(copies.profiles[static_cast<size_t>(p)], layout::kProfileOffsets[p]);
  take(copies.fire_keys, layout::kFireKeyOffset);
  take(copies.macro_area, layout::kMacroAreaOffset);
  return copies;
}

TEST(MouseKeys, FactoryProfileOneNamesItsButtonsAsTheKeyPageShowsThem) {
  const LanguageTable english = LoadLanguageTable(1);
  const MouseKeys keys = DeriveMouseKeys(
      CopiesOf(BuildFactoryImage(ChipVariant::k4210C, 1), ChipVariant::k4210C), nullptr, english);
  const auto& profile1 = keys.names.profiles[0];
  EXPECT_EQ(profile1[0].text, "Left Click");
  EXPECT_EQ(profile1[2].text, "Fire Key1");
  EXPECT_EQ(profile1[5].text, "DPI +");
  EXPECT_EQ(profile1[7].text, "DPI Loop");
  for (const auto& macro : keys.naming.device_macros) EXPECT_EQ(macro.record_length, 0);
  EXPECT_FALSE(keys.naming.fire_macro_file_loaded);
  EXPECT_EQ(keys.naming.variant, ChipVariant::k4210C);
}

TEST(MouseKeys, DeviceMacrosAreNamedOnTheButtonsThatPlayThem) {
  const LanguageTable english = LoadLanguageTable(1);
  SectionCopies copies = CopiesOf(BuildFactoryImage(ChipVariant::k4210C, 1), ChipVariant::k4210C);
  const std::vector<uint8_t> events = {0x82, 0x04, 0x02, 0x04, 0x00};
  const auto added = AddMacroToMouse(copies.macro_area, *MacroNameFromText("Run"), events);
  ASSERT_TRUE(added.outcome.ok());
  copies.macro_area = added.area;
  const auto refs = DeviceMacroRefs(ParseMacroArea(copies.macro_area));
  ASSERT_FALSE(refs.empty());
  ASSERT_NE(refs[0].record_length, 0);
  SetSlotCode(copies.profiles[1], 4,
              {0x10, static_cast<uint8_t>(refs[0].address >> 8),
               static_cast<uint8_t>(refs[0].address & 0xFF), 0x00});
  const MouseKeys keys = DeriveMouseKeys(copies, nullptr, english);
  EXPECT_EQ(keys.names.profiles[1][3].text, "Run");
}

}  // namespace
}  // namespace kvrm
