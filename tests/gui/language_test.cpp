#include <gtest/gtest.h>

#include <QGuiApplication>

#include "common/resources.h"
#include "gui/window_fixture.h"
#include "texts/language_parser.h"

namespace kvrm::ui::test {
namespace {

class LanguageTest : public WindowFixture {};

TEST_F(LanguageTest, SwitchingRetranslatesHeaderAndKeyLabels) {
  CreateWindowWithMouse();
  ASSERT_EQ(TextOf("Key7"), "Middle Click");
  window->key_page().key_label(5)->setText("0A0B0C0D");
  Click("Btn_Lang2_4");
  EXPECT_EQ(window->current_language(), 2);
  EXPECT_EQ(TextOf("Key7"), "中键");
  EXPECT_EQ(TextOf("Key5"), "0A0B0C0D");
  EXPECT_EQ(TextOf("Btn_Adv_1"), "高级");
  EXPECT_EQ(TextOf("Btn_Adv_5"), "高级");
  EXPECT_EQ(TextOf("Btn_Engineer_1"), "Engineer");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "游戏鼠标");
  EXPECT_EQ(Control("Btn_Adv_1").font().family(), "WenQuanYi Micro Hei");
  for (int copy = 1; copy <= 5; ++copy) {
    const QString n = QString::number(copy);
    EXPECT_EQ(ImageOf("Img_Lang2_" + n), "SetS_03");
    EXPECT_EQ(ImageOf("Img_Lang1_" + n), "SetS_01");
  }
  EXPECT_EQ(ImageOf("Img_Base_3"), "L2_BackGround");
  EXPECT_EQ(ImageOf("Img_P1"), "L2_Back1");

  Click("Btn_Lang1_1");
  EXPECT_EQ(TextOf("Key7"), "Middle Click");
  EXPECT_EQ(TextOf("Btn_Adv_1"), "Advanced");
}

TEST_F(LanguageTest, SwitchingKeepsTheCurrentPage) {
  CreateWindowWithMouse();
  Click("Btn_Breath_1");
  Click("Btn_Lang3_3");
  EXPECT_EQ(window->current_page(), 5);
  EXPECT_TRUE(Shown("gbPage3"));
  EXPECT_FALSE(Shown("gbPage1"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "USB Gaming Mouse");
}

TEST_F(LanguageTest, MessagesComeInTheCurrentLanguage) {
  CreateWindow();
  Tick();
  Click("Btn_Lang3_1");
  messages.clear();
  Click("Btn_Adv_1");
  EXPECT_EQ(messages.texts(), QStringList{"Not find the specified device"});
}

TEST_F(LanguageTest, TheHoverRecordTakesTheNewCaption) {
  services.general_settings = [](ConversionError* error) {
    auto settings = ReadGeneralSettings(error);
    settings->tr_enable = true;
    return settings;
  };
  CreateWindow();
  Enter("Btn_Lang2_1");
  window->marquee().Tick();
  window->marquee().Tick();
  ASSERT_NE(TextOf("Btn_Lang2_1"), window->marquee().record().saved_caption);
  Click("Btn_Lang2_1");
  EXPECT_EQ(window->marquee().record().counter, 0);
  EXPECT_EQ(window->marquee().record().saved_caption, TextOf("Btn_Lang2_2"));
  EXPECT_EQ(window->marquee().record().rolling_caption, TextOf("Btn_Lang2_2"));
  Leave("Btn_Lang2_1");
  EXPECT_EQ(TextOf("Btn_Lang2_1"), TextOf("Btn_Lang2_2"));
}

// Layout 2 with one value that is no number.
std::optional<Layout> BrokenLayout(int k, const GeneralSettings& settings, ConversionError* error) {
  if (k != 2) return ReadLayout(k, settings, error);
  const auto bytes = FindResource(kRcData, "ORG2");
  IniSections sections = ParseIniLines({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  LanguageTable section = sections.Section("org2");
  section.Set("Btn_B4_X", "abc");
  LayoutValues values(section);
  return ReadLayout(values, settings, error);
}

TEST_F(LanguageTest, AFaultyLayoutShowsItsErrorAndAppliesNothing) {
  services.layouts = BrokenLayout;
  CreateWindowWithMouse();
  const QPoint adv_at = Control("Img_Adv_1").pos();
  Click("Btn_Lang2_1");
  EXPECT_EQ(messages.texts(), QStringList{"'abc' is not a valid integer value"});
  EXPECT_EQ(TextOf("Btn_Adv_1"), "Advanced");
  EXPECT_EQ(TextOf("Key7"), "Middle Click");
  EXPECT_EQ(ImageOf("Img_Base_1"), "L1_BackGround");
  EXPECT_EQ(Control("Img_Adv_1").pos(), adv_at);
}

}  // namespace
}  // namespace kvrm::ui::test
