#include "texts/layout_config.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "common/resources.h"
#include "texts/language_parser.h"
#include "texts/layout_keys.h"
#include "texts/skin_images.h"

namespace kvrm::test {
namespace {

using ::testing::Optional;

std::string_view ResourceText(std::string_view name) {
  const auto bytes = FindResource(kRcData, name);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

GeneralSettings ShippedSettings() {
  ConversionError error;
  const auto settings = ReadGeneralSettings(&error);
  EXPECT_TRUE(settings.has_value()) << error.key << ": " << error.message;
  return settings.value_or(GeneralSettings{});
}

// A layout section holding every listed key with the same value.
LanguageTable EveryKeyWith(std::string_view value) {
  LanguageTable section;
  for (const std::string& key : layout_keys::AllLayoutKeys()) section.Set(key, std::string(value));
  return section;
}

// General settings text with one line replaced (or added when absent).
std::string GeneralText(std::string_view key, std::string_view line) {
  std::string text;
  bool replaced = false;
  const LanguageTable shipped = ParseIniLines(ResourceText("org")).Section("org");
  for (const auto& [stored, value] : shipped.entries()) {
    if (stored == FoldKey(key)) {
      text += std::string(line) + "\r\n";
      replaced = true;
    } else {
      text += stored + "=" + value + "\r\n";
    }
  }
  if (!replaced) text += std::string(line) + "\r\n";
  return "[org]\r\n" + text;
}

TEST(GeneralSettingsTest, ShippedSettings) {
  const GeneralSettings s = ShippedSettings();
  EXPECT_FALSE(s.web_enable);
  EXPECT_EQ(s.path, "");
  EXPECT_TRUE(s.gd_enable);
  EXPECT_TRUE(s.be_enable);
  EXPECT_FALSE(s.engineer_enable);
  EXPECT_EQ(s.ic_config_type, 0);
  EXPECT_TRUE(s.Uses4230LightingPositions());
  EXPECT_EQ(s.gun6_num, 2);
  EXPECT_EQ(s.gun7_num, 3);
}

TEST(GeneralSettingsTest, CountsAreClamped) {
  struct Case {
    std::string line;
    int GeneralSettings::*field;
    int expected;
  };
  const Case cases[] = {
      {"Gun6_Num=0", &GeneralSettings::gun6_num, 1},
      {"Gun6_Num=5", &GeneralSettings::gun6_num, 2},
      {"Gun7_Num=9", &GeneralSettings::gun7_num, 3},
      {"Gun7_Num=-4", &GeneralSettings::gun7_num, 1},
      {"Num_Order=7", &GeneralSettings::num_order, 1},
      {"Num_Order=-1", &GeneralSettings::num_order, 0},
  };
  for (const Case& c : cases) {
    const std::string key = c.line.substr(0, c.line.find('='));
    const auto s = ParseGeneralSettings(GeneralText(key, c.line), nullptr);
    ASSERT_TRUE(s.has_value()) << c.line;
    EXPECT_EQ((*s).*c.field, c.expected) << c.line;
  }
}

TEST(GeneralSettingsTest, FlagsAreOnForOneOnly) {
  for (const auto& [value, on] :
       {std::pair{"1", true}, {"2", false}, {"0", false}, {"-1", false}}) {
    const auto s =
        ParseGeneralSettings(GeneralText("TR_Enable", "TR_Enable=" + std::string(value)), nullptr);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->tr_enable, on) << value;
  }
}

TEST(GeneralSettingsTest, TextsAndOptionalEngineerButton) {
  const auto web =
      ParseGeneralSettings(GeneralText("Web", "Web = http://mouse.example/ a b"), nullptr);
  ASSERT_TRUE(web.has_value());
  EXPECT_EQ(web->web, "http://mouse.example/ a b");

  const auto engineer =
      ParseGeneralSettings(GeneralText("Engineer_Enable", "Engineer_Enable=1"), nullptr);
  ASSERT_TRUE(engineer.has_value());
  EXPECT_TRUE(engineer->engineer_enable);

  const auto without = ParseGeneralSettings(GeneralText("Engineer_Enable", "; none"), nullptr);
  ASSERT_TRUE(without.has_value());
  EXPECT_FALSE(without->engineer_enable);
}

TEST(GeneralSettingsTest, MissingOrMalformedValueStops) {
  struct Case {
    std::string key;
    std::string line;
    std::string message;
  };
  const Case cases[] = {
      {"Gun6_Num", "Gun6_Num=abc", "'abc' is not a valid integer value"},
      {"Web_X", "// Web_X=30", "'' is not a valid integer value"},
      {"IC_Config_Type", "IC_Config_Type=0x1", "'0x1' is not a valid integer value"},
      {"Engineer_Enable", "Engineer_Enable=yes", "'yes' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    ConversionError error;
    EXPECT_FALSE(ParseGeneralSettings(GeneralText(c.key, c.line), &error).has_value()) << c.line;
    EXPECT_EQ(error.message, c.message);
    EXPECT_EQ(FoldKey(error.key), FoldKey(c.key));
  }
}

TEST(LayoutIntegerTest, DecimalIntegersOnly) {
  EXPECT_THAT(ParseLayoutInteger("180"), Optional(180));
  EXPECT_THAT(ParseLayoutInteger("-12"), Optional(-12));
  EXPECT_THAT(ParseLayoutInteger("+7"), Optional(7));
  EXPECT_THAT(ParseLayoutInteger("2147483647"), Optional(2147483647));
  EXPECT_THAT(ParseLayoutInteger("-2147483648"), Optional(-2147483647 - 1));
  for (std::string_view bad : {"", "-", "2147483648", "12px", "1 2", "$10", "1.5", "٣"}) {
    EXPECT_EQ(ParseLayoutInteger(bad), std::nullopt) << bad;
  }
}

TEST(LayoutTest, ShippedLayoutsHoldEveryKeyAsAnInteger) {
  const std::vector<std::string> keys = layout_keys::AllLayoutKeys();
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << "a key twice";
  for (int k = 1; k <= kLayoutCount; ++k) {
    const std::string name = "org" + std::to_string(k);
    const LanguageTable section = ParseIniLines(ResourceText(name)).Section(name);
    for (const std::string& key : keys) {
      EXPECT_TRUE(section.Has(key)) << name << " lacks " << key;
      EXPECT_TRUE(ParseLayoutInteger(section.Text(key)).has_value()) << name << " " << key;
    }
  }
}

TEST(LayoutTest, ShippedLayoutsReadForBothIcTypes) {
  GeneralSettings settings = ShippedSettings();
  for (int ic_type : {0, 1, 2}) {
    settings.ic_config_type = ic_type;
    for (int k = 1; k <= kLayoutCount; ++k) {
      ConversionError error;
      const auto layout = ReadLayout(k, settings, &error);
      ASSERT_TRUE(layout.has_value()) << k << " " << error.key << ": " << error.message;
      for (const layout_keys::DialogKeys& dialog : layout_keys::kDialogs) {
        LayoutValues values = LayoutValues::FromResource(k);
        EXPECT_TRUE(ReadDialogLayout(values, dialog, &error).has_value())
            << k << " " << error.key << ": " << error.message;
      }
    }
  }
}

// The reader asks only for listed keys: a section of nothing but the listed
// keys satisfies it, with every element enabled so that every position is read.
TEST(LayoutTest, ReaderReadsOnlyListedKeys) {
  GeneralSettings settings;
  for (int ic_type : {1, 2}) {
    settings.ic_config_type = ic_type;
    LayoutValues values(EveryKeyWith("1"));
    ConversionError error;
    const auto layout = ReadLayout(values, settings, &error);
    ASSERT_TRUE(layout.has_value()) << error.key;
    EXPECT_TRUE(layout->Chrome(ChromeButton::kLang3).shown);
  }
  for (const layout_keys::DialogKeys& dialog : layout_keys::kDialogs) {
    LayoutValues values(EveryKeyWith("1"));
    ConversionError error;
    EXPECT_TRUE(ReadDialogLayout(values, dialog, &error).has_value()) << error.key;
  }
}

TEST(LayoutTest, MissingOrMalformedKeyStopsWithConversionError) {
  struct Case {
    std::string key;
    std::string value;  // empty: the key is left out
    std::string message;
  };
  const Case cases[] = {
      {"M_L_W", "abc", "'abc' is not a valid integer value"},
      {"DPI3_Steps_D", "", "'' is not a valid integer value"},
      {"Gun_Marco_Color_Lable_Width", "12.5", "'12.5' is not a valid integer value"},
      {"Btn_B12_Enable", "on", "'on' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    LanguageTable section;
    for (const std::string& key : layout_keys::AllLayoutKeys()) {
      if (FoldKey(key) != FoldKey(c.key)) section.Set(key, "3");
    }
    if (!c.value.empty()) section.Set(c.key, c.value);
    LayoutValues values(section);
    ConversionError error;
    EXPECT_FALSE(ReadLayout(values, GeneralSettings{}, &error).has_value()) << c.key;
    EXPECT_EQ(error.message, c.message);
    EXPECT_EQ(error.key, c.key);
  }
}

TEST(LayoutTest, ValuesAfterTheFirstFailureReadAsZero) {
  LanguageTable section;
  section.Set("A", "x");
  section.Set("B", "5");
  LayoutValues values(section);
  EXPECT_EQ(values.Get("A"), 0);
  EXPECT_EQ(values.Get("B"), 0);
  EXPECT_EQ(values.error().key, "A");
}

TEST(LayoutTest, DisabledElementNeedsNoPosition) {
  LanguageTable section = EveryKeyWith("2");
  for (std::string_view key : {"Btn_B2_X", "Btn_B2_Y", "ComboKey8_X", "Key12_Y"}) {
    section.Set(key, "");
  }
  section.Set("Btn_B2_Enable", "0");
  section.Set("ComboKey8_Enable", "0");
  section.Set("Key12_Enable", "0");
  LayoutValues values(section);
  const auto layout = ReadLayout(values, GeneralSettings{}, nullptr);
  ASSERT_TRUE(layout.has_value());
  EXPECT_FALSE(layout->Chrome(ChromeButton::kSwitch).shown);
  EXPECT_FALSE(layout->key_buttons[11].shown);
  EXPECT_EQ(ComboKey8Visible(*layout, GeneralSettings{}, 2), false);
}

TEST(LayoutTest, SpacesAroundEqualsAreIgnored) {
  const IniSections ini = ParseIniLines("[org1]\r\nM_L_W =180\r\n// M_L_W=1\r\n");
  LayoutValues values(ini.Section("org1"));
  EXPECT_EQ(values.Get("M_L_W"), 180);
  EXPECT_TRUE(values.ok());
}

TEST(LayoutTest, LightingPositionsFollowIcType) {
  LanguageTable section = EveryKeyWith("5");
  section.Set("LEDMode3_X", "100");
  section.Set("LEDMode3_4230_X", "400");
  section.Set("LED_Mode_3_Lable_Y", "110");
  section.Set("LED_Mode_3_4230_Lable_Y", "410");
  for (const auto& [ic_type, x, label_y] :
       {std::tuple{1, 100, 110}, {2, 400, 410}, {0, 400, 410}}) {
    GeneralSettings settings;
    settings.ic_config_type = ic_type;
    LayoutValues values(section);
    const auto layout = ReadLayout(values, settings, nullptr);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->lighting_modes[2].x, x) << ic_type;
    EXPECT_EQ(layout->lighting_mode_labels[2].at.y, label_y) << ic_type;
  }
}

TEST(LayoutTest, OnlyTheChosenLightingSetIsRead) {
  LanguageTable section = EveryKeyWith("5");
  section.Set("LEDMode1_4230_X", "");
  GeneralSettings settings;
  settings.ic_config_type = 1;
  LayoutValues plain(section);
  EXPECT_TRUE(ReadLayout(plain, settings, nullptr).has_value());
  settings.ic_config_type = 2;
  LayoutValues variant(section);
  ConversionError error;
  EXPECT_FALSE(ReadLayout(variant, settings, &error).has_value());
  EXPECT_EQ(error.key, "LEDMode1_4230_X");
}

TEST(LayoutTest, LabelsColoursAndPlacesAsRead) {
  LanguageTable section = EveryKeyWith("0");
  section.Set("DPI_Setting_Lable_X", "40");
  section.Set("DPI_Setting_Lable_Size", "11");
  section.Set("DPI_Setting_Lable_B", "238");
  section.Set("Color_G_SP_R", "34");
  section.Set("Color_G_SP_G", "211");
  section.Set("Color_G_SP_B", "238");
  section.Set("PCMacroName_H", "340");
  LayoutValues values(section);
  const auto layout = ReadLayout(values, GeneralSettings{}, nullptr);
  ASSERT_TRUE(layout.has_value());
  const LabelStyle& label = layout->Label("DPI_Setting");
  EXPECT_EQ(label.at.x, 40);
  EXPECT_EQ(label.height(), 22);
  EXPECT_EQ(label.colour.Value(), 238u * 65536u);
  EXPECT_EQ(layout->surfaces.menu_highlight_back.Value(), 34u + 211u * 256u + 238u * 65536u);
  EXPECT_EQ(layout->At("PCMacroName").h, 340);
  EXPECT_THROW(layout->At("NoSuchControl"), std::out_of_range);
}

TEST(LayoutRulesTest, LayoutButtonsPlaceTheirLabels) {
  const int expected[] = {1, 4, 7, 2, 5, 8, 3, 6, 9, 10, 11, 12};
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(LabelForLayoutButton(n), expected[n - 1]) << n;
}

TEST(LayoutRulesTest, StepPlaces) {
  const Place row{100, 300, 0, 0, 4};
  // DPI row stacked upward: step 3 sits two step heights plus 2 D above step 1.
  EXPECT_EQ(StepPlace(row, 3, 20, 16, true), (Point{100, 300 - 2 * 16 - 2 * 4}));
  EXPECT_EQ(StepPlace(row, 3, 20, 16, false), (Point{100 + 2 * 20 + 2 * 4, 300}));
  EXPECT_EQ(StepPlace(row, 1, 20, 16, true), (Point{100, 300}));
  EXPECT_EQ(ScaleNumberPlace({126, 464}), (Point{130, 488}));
}

TEST(LayoutRulesTest, InsetCaptionsOfPageButtons) {
  Layout layout;
  layout.caption_inset_front = 4;
  layout.caption_inset_back = 6;
  EXPECT_EQ(ChromeCaption(layout, true, {24, 54}, 100).x, 28);
  EXPECT_EQ(ChromeCaption(layout, true, {24, 54}, 100).width, 90);
  EXPECT_EQ(ChromeCaption(layout, false, {690, 605}, 100).x, 690);
  EXPECT_EQ(ChromeCaption(layout, false, {690, 605}, 100).width, 100);
}

TEST(LayoutRulesTest, ComboKey8Visibility) {
  Layout layout;
  layout.combo_keys[7].shown = true;
  GeneralSettings gun;
  gun.gd_enable = true;
  EXPECT_EQ(ComboKey8Visible(layout, gun, 2), true);
  EXPECT_EQ(ComboKey8Visible(layout, gun, 1), std::nullopt);
  EXPECT_EQ(ComboKey8Visible(layout, GeneralSettings{}, 2), std::nullopt);
  layout.combo_keys[7].shown = false;
  EXPECT_EQ(ComboKey8Visible(layout, gun, 2), false);
}

// Width and height from the IHDR chunk that follows the PNG signature.
struct PngSize {
  int width = 0;
  int height = 0;
};
std::optional<PngSize> ReadPngSize(std::span<const uint8_t> png) {
  constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin()) ||
      std::string_view(reinterpret_cast<const char*>(png.data() + 12), 4) != "IHDR") {
    return std::nullopt;
  }
  const auto big_endian = [&](size_t at) {
    return static_cast<int>(uint32_t{png[at]} << 24 | uint32_t{png[at + 1]} << 16 |
                            uint32_t{png[at + 2]} << 8 | uint32_t{png[at + 3]});
  };
  return PngSize{big_endian(16), big_endian(20)};
}

void ExpectPng(const std::string& name, int width, int height) {
  const auto size = ReadPngSize(FindResource(kPng, name));
  ASSERT_TRUE(size.has_value()) << name << " is not an embedded PNG";
  EXPECT_EQ(size->width, width) << name;
  EXPECT_EQ(size->height, height) << name;
}

TEST(SkinImagesTest, EveryImageEmbeddedInItsSize) {
  for (const skin_images::SkinImage& image : skin_images::kSharedImages) {
    ExpectPng(std::string(image.name), image.width, image.height);
  }
  for (int k = 1; k <= kLayoutCount; ++k) {
    for (const skin_images::SkinImage& image : skin_images::kLayoutImages) {
      ExpectPng(skin_images::LayoutImageName(k, image.name), image.width, image.height);
    }
  }
}

struct Box {
  int x, y, w, h;
  bool Overlaps(const Box& o) const {
    return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
  }
};

int ImageWidth(std::string_view name) {
  return ReadPngSize(FindResource(kPng, name)).value_or(PngSize{}).width;
}
int ImageHeight(std::string_view name) {
  return ReadPngSize(FindResource(kPng, name)).value_or(PngSize{}).height;
}

// Header buttons, the logo and the engineer button's fixed place lie inside
// the window without covering one another, in every layout.
TEST(SkinImagesTest, HeaderButtonsInsideTheWindowAndApart) {
  const GeneralSettings settings = ShippedSettings();
  for (int k = 1; k <= kLayoutCount; ++k) {
    const auto layout = ReadLayout(k, settings, nullptr);
    ASSERT_TRUE(layout.has_value());
    std::vector<std::pair<std::string, Box>> boxes = {
        {"Engineer",
         {kEngineerButtonPlace.x, kEngineerButtonPlace.y, ImageWidth("SetS_01"),
          ImageHeight("SetS_01")}},
        {"Web", {settings.web_x, settings.web_y, ImageWidth("WebS_01"), ImageHeight("WebS_01")}}};
    for (size_t i = 0; i < kChromeButtonCount; ++i) {
      const std::string name(layout_keys::kChromeButtons[i].name);
      const std::string image = name.starts_with("Confirm") ? "BtnS_01"
                                : name == "Exit"            ? "ExitS_01"
                                : name == "Mini"            ? "MiniS_01"
                                                            : "SetS_01";
      ASSERT_TRUE(layout->chrome[i].shown) << name;
      const Point at = layout->chrome[i].at;
      boxes.push_back({name, {at.x, at.y, ImageWidth(image), ImageHeight(image)}});
    }
    for (size_t i = 0; i < boxes.size(); ++i) {
      const Box& b = boxes[i].second;
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= skin_images::kWindowWidth &&
                  b.y + b.h <= skin_images::kWindowHeight)
          << k << " " << boxes[i].first;
      for (size_t j = 0; j < i; ++j) {
        EXPECT_FALSE(b.Overlaps(boxes[j].second))
            << k << " " << boxes[i].first << " " << boxes[j].first;
      }
    }
  }
}

// The key page labels sit inside the window and the body image that shows the
// mouse, and do not overlap one another.
TEST(SkinImagesTest, KeyLabelsInsideTheKeyPageBody) {
  const auto layout = ReadLayout(1, ShippedSettings(), nullptr);
  ASSERT_TRUE(layout.has_value());
  const Place body = layout->At("P1");
  std::vector<Box> placed;
  for (const Switchable& key : layout->key_buttons) {
    ASSERT_TRUE(key.shown);
    const Box box{key.at.x, key.at.y, layout->key_width, ImageHeight("KeyS_01")};
    EXPECT_GE(box.x, body.x);
    EXPECT_GE(box.y, body.y);
    EXPECT_LE(box.x + box.w, body.x + ImageWidth("L1_Back1"));
    EXPECT_LE(box.y + box.h, body.y + ImageHeight("L1_Back1"));
    for (const Box& other : placed) EXPECT_FALSE(box.Overlaps(other)) << box.x << "," << box.y;
    placed.push_back(box);
  }
}

}  // namespace
}  // namespace kvrm::test
