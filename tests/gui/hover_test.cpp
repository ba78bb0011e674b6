#include <gtest/gtest.h>

#include "gui/window_fixture.h"
#include "ui/header_rules.h"
#include "ui/marquee.h"

namespace kvrm::ui::test {
namespace {

QStringList Copies(const QString& picture) {
  QStringList names;
  for (int copy = 1; copy <= 5; ++copy) names << picture + "_" + QString::number(copy);
  return names;
}

TEST(HeaderRulesTest, PictureNamesFollowTheLabels) {
  EXPECT_EQ(HoverPictureName("Btn_Exit_2", true), "Img_Exit");
  EXPECT_EQ(HoverPictureName("Btn_Adv_3", false), "Img_Adv_3");
  EXPECT_EQ(HoverPictureName("Btn_LoadBIN", false), "Img_LoadBIN");
  EXPECT_EQ(FamilyOfLabel("Btn_Confirm2_4"), HoverFamily::kConfirm);
  EXPECT_EQ(FamilyOfLabel("Btn_Save_1"), HoverFamily::kPage);
  EXPECT_EQ(FamilyOfLabel("Btn_Lang3_5"), HoverFamily::kLanguage);
  EXPECT_EQ(FamilyOfLabel("Btn_Program"), HoverFamily::kUpdate);
  EXPECT_EQ(FamilyOfLabel("Btn_Web_1"), HoverFamily::kWeb);
  EXPECT_EQ(FamilyOfLabel("Key3"), std::nullopt);
}

TEST(MarqueeTest, RollsLeftWithFourSpacesOncePerHover) {
  HoverRecord record{"Btn_Macro_1", "Macro", "Macro", 0};
  RollCaption(record);
  EXPECT_EQ(record.rolling_caption, "acro    M");
  RollCaption(record);
  EXPECT_EQ(record.rolling_caption, "cro    Ma");
  // The counter wraps from 21 back to 2, so the gap never comes again.
  for (int tick = 3; tick <= 40; ++tick) RollCaption(record);
  EXPECT_GE(record.counter, 2);
  EXPECT_LE(record.counter, 20);
  EXPECT_EQ(record.rolling_caption.count("    "), 1);
  EXPECT_EQ(record.rolling_caption.size(), QString("Macro    ").size());
}

TEST(MarqueeTest, AnEmptyCaptionStaysEmpty) {
  HoverRecord record{"Btn_Web_1", "", "", 0};
  RollCaption(record);
  EXPECT_EQ(record.rolling_caption, "");
  EXPECT_EQ(record.counter, 1);
}

class HoverTest : public WindowFixture {};

TEST_F(HoverTest, PageButtonsHighlightOnlyTheHoveredCopy) {
  CreateWindowWithMouse();
  Click("Btn_Switch_1");
  Enter("Btn_Adv_3");
  EXPECT_EQ(ImageOf("Img_Adv_3"), "SetS_02");
  EXPECT_EQ(ImageOf("Img_Adv_1"), "SetS_01");
  Leave("Btn_Adv_3");
  for (const QString& name : Copies("Img_Adv")) EXPECT_EQ(ImageOf(name), "SetS_01");
  for (const QString& name : Copies("Img_Switch")) EXPECT_EQ(ImageOf(name), "SetS_03");
}

TEST_F(HoverTest, LanguageButtonsGiveTheCurrentLanguageBackItsLook) {
  CreateWindow();
  Enter("Btn_Lang1_2");
  EXPECT_EQ(ImageOf("Img_Lang1_2"), "SetS_02");
  Leave("Btn_Lang1_2");
  for (const QString& name : Copies("Img_Lang1")) EXPECT_EQ(ImageOf(name), "SetS_03");
  Enter("Btn_Lang3_1");
  Leave("Btn_Lang3_1");
  EXPECT_EQ(ImageOf("Img_Lang3_1"), "SetS_01");
  EXPECT_EQ(ImageOf("Img_Lang1_1"), "SetS_03");
}

TEST_F(HoverTest, WholeFamiliesChangeEveryCopy) {
  CreateWindow();
  struct Case {
    const char* label;
    const char* picture;
    const char* entered;
    const char* left;
  };
  const Case cases[] = {{"Btn_Confirm2_4", "Img_Confirm2", "BtnS_02", "BtnS_01"},
                        {"Btn_Exit_1", "Img_Exit", "ExitS_02", "ExitS_01"},
                        {"Btn_Mini_5", "Img_Mini", "MiniS_02", "MiniS_01"},
                        {"Btn_Web_3", "Img_Web", "WebS_02", "WebS_01"}};
  for (const Case& c : cases) {
    Enter(c.label);
    for (const QString& name : Copies(c.picture)) EXPECT_EQ(ImageOf(name), c.entered) << c.label;
    Leave(c.label);
    for (const QString& name : Copies(c.picture)) EXPECT_EQ(ImageOf(name), c.left) << c.label;
  }
}

TEST_F(HoverTest, CaptionRollsOnlyWithTextRolling) {
  for (const bool rolling : {true, false}) {
    services.general_settings = [rolling](ConversionError* error) {
      auto settings = ReadGeneralSettings(error);
      settings->tr_enable = rolling;
      return settings;
    };
    CreateWindow();
    Enter("Btn_Macro_2");
    EXPECT_TRUE(window->marquee().running());
    window->marquee().Tick();
    EXPECT_EQ(TextOf("Btn_Macro_2"), rolling ? "acro    M" : "Macro");
    window->marquee().Tick();
    EXPECT_EQ(TextOf("Btn_Macro_2"), rolling ? "cro    Ma" : "Macro");
    EXPECT_EQ(TextOf("Btn_Macro_1"), "Macro");
    Leave("Btn_Macro_2");
    EXPECT_FALSE(window->marquee().running());
    EXPECT_EQ(TextOf("Btn_Macro_2"), "Macro");
  }
}

TEST_F(HoverTest, WebButtonLeavesTheHoverRecordAlone) {
  CreateWindow();
  Enter("Btn_Adv_1");
  Leave("Btn_Adv_1");
  Enter("Btn_Web_1");
  EXPECT_EQ(window->marquee().record().label, "Btn_Adv_1");
  EXPECT_FALSE(window->marquee().running());
}

}  // namespace
}  // namespace kvrm::ui::test
