#include <gtest/gtest.h>

#include <QGuiApplication>

#include "gui/window_fixture.h"
#include "image/user_fields.h"

namespace kvrm::ui::test {
namespace {

class PageOperationsTest : public WindowFixture {};

TEST_F(PageOperationsTest, StartsLockedOnProfileOneWithLanguageOne) {
  CreateWindow();
  EXPECT_EQ(window->current_page(), 1);
  EXPECT_EQ(window->current_language(), 1);
  EXPECT_TRUE(Shown("gbPage1"));
  for (int n = 2; n <= 7; ++n) EXPECT_FALSE(Shown("gbPage" + QString::number(n))) << n;
  for (int copy = 1; copy <= 5; ++copy) {
    const QString n = QString::number(copy);
    EXPECT_FALSE(Control("Disable_All_" + n).isHidden());
    EXPECT_EQ(ImageOf("Img_Main_" + n), "SetS_03");
    EXPECT_EQ(ImageOf("Img_Lang1_" + n), "SetS_03");
    EXPECT_EQ(ImageOf("Img_Adv_" + n), "SetS_01");
    EXPECT_EQ(TextOf("Btn_Adv_" + n), "Advanced");
  }
  EXPECT_EQ(window->size(), window->skin_size());
  EXPECT_EQ(window->windowTitle(), kWindowCaption);
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Gaming Mouse");
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
}

TEST_F(PageOperationsTest, WithoutAMouseEveryPageButtonAnswersFindingTheDevice) {
  CreateWindow();
  Tick();
  for (const char* button :
       {"Btn_Main_1", "Btn_Switch_2", "Btn_Fixed_3", "Btn_Adv_4", "Btn_Breath_5", "Btn_Macro_1",
        "Btn_Update_2", "Btn_Save_3", "Btn_Load_4", "Btn_Confirm1_5", "Btn_Confirm3_1"}) {
    messages.clear();
    Click(button);
    EXPECT_EQ(messages.texts(), QStringList{"Finding the specified device"}) << button;
    EXPECT_EQ(window->current_page(), 1) << button;
    EXPECT_TRUE(Shown("gbPage1")) << button;
  }
}

TEST_F(PageOperationsTest, ReadingTheMouseUnlocksThePagesAndNamesTheKeys) {
  CreateWindowWithMouse();
  EXPECT_FALSE(Shown("Disable_All_1"));
  EXPECT_EQ(TextOf("Key1"), "Left Click");
  EXPECT_TRUE(scheduler.IsEnabled(PresenceTimer::kDevTimer));
  EXPECT_FALSE(scheduler.IsEnabled(PresenceTimer::kDevTimerFirst));
  EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PageOperationsTest, PageButtonsSwitchContainersAndSelectTheirButton) {
  CreateWindowWithMouse();
  struct Case {
    const char* button;
    int page;
    const char* container;
    const char* picture;
  };
  const Case cases[] = {
      {"Btn_Adv_1", 4, "gbPage2", "Img_Adv_"},       {"Btn_Breath_2", 5, "gbPage3", "Img_Breath_"},
      {"Btn_Macro_3", 6, "gbPage4", "Img_Macro_"},   {"Btn_Update_4", 7, "gbPage5", "Img_Update_"},
      {"Btn_Switch_5", 2, "gbPage1", "Img_Switch_"}, {"Btn_Main_1", 1, "gbPage1", "Img_Main_"}};
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(window->current_page(), c.page) << c.button;
    for (int n = 1; n <= 7; ++n) {
      const QString name = "gbPage" + QString::number(n);
      EXPECT_EQ(Shown(name), name == c.container) << c.button << " " << name.toStdString();
    }
    for (int copy = 1; copy <= 5; ++copy) {
      EXPECT_EQ(ImageOf(c.picture + QString::number(copy)), "SetS_03") << c.button;
    }
    EXPECT_EQ(ImageOf("Img_Load_1"), "SetS_01");
  }
  EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PageOperationsTest, EngineerPageEnlargesTheWindowAndOtherPagesRestoreIt) {
  services.engineer_button = true;
  CreateWindowWithMouse();
  EXPECT_TRUE(Shown("Btn_Engineer_1"));
  EXPECT_EQ(TextOf("Btn_Engineer_1"), "Engineer");
  Click("Btn_Engineer_1");
  EXPECT_EQ(window->current_page(), 8);
  EXPECT_TRUE(Shown("gbPage7"));
  EXPECT_EQ(window->size(), QSize(1256, 680));
  window->PageOperation(4);
  EXPECT_EQ(window->size(), window->skin_size());
}

TEST_F(PageOperationsTest, EngineerButtonStaysHiddenInTheShippedLayouts) {
  CreateWindow();
  for (int copy = 1; copy <= 5; ++copy) {
    EXPECT_FALSE(Shown("Btn_Engineer_" + QString::number(copy)));
    EXPECT_FALSE(Shown("Img_Engineer_" + QString::number(copy)));
  }
}

TEST_F(PageOperationsTest, ProfileButtonsWriteTheActivationBytesInOrder) {
  services.general_settings = [](ConversionError* error) {
    auto settings = ReadGeneralSettings(error);
    settings->gd_enable = false;
    settings->be_enable = false;
    return settings;
  };
  CreateWindowWithMouse();
  struct Case {
    int colour_nibble;
    const char* button;
    std::vector<std::pair<int, int>> writes;
  };
  const Case cases[] = {
      {3, "Btn_Switch_1", {{167, 0}, {168, 15}, {169, 0}, {170, 24}, {164, 0x31}}},
      {15, "Btn_Switch_1", {{167, 0}, {168, 15}, {169, 0}, {170, 24}, {164, 0xF1}}},
      {2, "Btn_Fixed_2", {{167, 0}, {168, 0}, {169, 0}, {170, 0}, {164, 0x22}}},
      {15, "Btn_Main_3", {{167, 0}, {168, 0}, {169, 0}, {170, 0}, {164, 0xF0}}},
  };
  for (const Case& c : cases) {
    UserSection& user = window->session().copies().user;
    user[0] = static_cast<uint8_t>(c.colour_nibble << 4);
    bus.ClearLog();
    Click(c.button);
    EXPECT_EQ(ShortWrites(), c.writes) << c.button << " colour " << c.colour_nibble;
    EXPECT_EQ(user[0] & 0x0F, window->current_page() - 1);
  }
}

TEST_F(PageOperationsTest, ProfileButtonsDoNothingWhileTheImageIsBeingRefreshed) {
  CreateWindowWithMouse();
  window->session().set_refresh_in_progress(true);
  Click("Btn_Switch_1");
  EXPECT_EQ(window->current_page(), 1);
  Click("Btn_Adv_1");
  EXPECT_EQ(window->current_page(), 4);
  window->session().set_refresh_in_progress(false);
  EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PageOperationsTest, WebButtonOpensTheAddressOnlyWhenEnabled) {
  for (const bool enabled : {false, true}) {
    services.general_settings = [enabled](ConversionError* error) {
      auto settings = ReadGeneralSettings(error);
      settings->web_enable = enabled;
      settings->web = "https://example.com/mouse";
      return settings;
    };
    opened_urls.clear();
    CreateWindow();
    Click("Btn_Web_2");
    for (int copy = 1; copy <= 5; ++copy) {
      EXPECT_EQ(ImageOf("Img_Web_" + QString::number(copy)), "WebS_03");
    }
    EXPECT_EQ(opened_urls.size(), enabled ? 1u : 0u);
    if (enabled) {
      EXPECT_EQ(opened_urls[0], QUrl("https://example.com/mouse"));
    }
  }
}

TEST_F(PageOperationsTest, BusyWindowStartsFortyPixelsBelowTheMiddle) {
  CreateWindow();
  const QRect main = window->geometry();
  const QRect busy = window->busy_window().geometry();
  EXPECT_EQ(busy.left(), main.left() + (main.width() - busy.width()) / 2);
  EXPECT_EQ(busy.top(), main.top() + (main.height() - busy.height()) / 2 + 40);
  EXPECT_TRUE(window->busy_window().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window->busy_window().isVisible());
}

}  // namespace
}  // namespace kvrm::ui::test
