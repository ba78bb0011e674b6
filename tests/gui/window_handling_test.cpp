#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <fstream>

#include "gui/window_fixture.h"
#include "ui/presence_timers.h"
#include "ui/skin_library.h"

namespace kvrm::ui::test {
namespace {

TEST(SkinLibraryTest, MaroonAloneBecomesSeeThrough) {
  QImage image(3, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(128, 0, 0));
  image.setPixel(1, 0, qRgb(128, 0, 1));
  image.setPixel(2, 0, qRgb(127, 0, 0));
  const QImage result = WithMaroonTransparent(image);
  EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(result.pixel(1, 0)), 255);
  EXPECT_EQ(qAlpha(result.pixel(2, 0)), 255);
}

TEST(PresenceTimersTest, TicksInsideAnOperationAreLeftOut) {
  EventPasses passes;
  PresenceTimers timers(passes);
  int ticks = 0;
  timers.SetTick([&ticks] { ++ticks; });
  {
    EventPasses::Scope operation(passes);
    timers.Tick();
  }
  EXPECT_EQ(ticks, 0);
  timers.Tick();
  EXPECT_EQ(ticks, 1);
  timers.SetEnabled(PresenceTimer::kDevTimerFirst, true);
  EXPECT_TRUE(timers.IsEnabled(PresenceTimer::kDevTimerFirst));
  EXPECT_FALSE(timers.IsEnabled(PresenceTimer::kDevTimer));
}

class WindowHandlingTest : public WindowFixture {};

TEST_F(WindowHandlingTest, TheSkinGivesTheWindowItsOutlineExceptOnTheEngineerPage) {
  services.engineer_button = true;
  CreateWindowWithMouse();
  EXPECT_EQ(window->mask(), skins.Outline("L1_BackGround"));
  EXPECT_FALSE(window->mask().isEmpty());
  window->PageOperation(8);
  EXPECT_TRUE(window->mask().isEmpty());
  window->PageOperation(1);
  EXPECT_EQ(window->mask(), skins.Outline("L1_BackGround"));
}

TEST_F(WindowHandlingTest, DraggingTheBackgroundMovesTheWindow) {
  CreateWindow();
  window->show();
  const QPoint start = window->pos();
  QWidget& background = Control("Img_Base_1");
  const QPointF at(300, 300);
  QMouseEvent press(QEvent::MouseButtonPress, at, background.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&background, &press);
  const QPointF to = at + QPointF(40, 25);
  QMouseEvent move(QEvent::MouseMove, to, background.mapToGlobal(at) + QPointF(40, 25),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&background, &move);
  EXPECT_EQ(window->pos(), start + QPoint(40, 25));
}

TEST_F(WindowHandlingTest, MinimiseAndExit) {
  CreateWindow();
  window->show();
  Click("Btn_Mini_3");
  EXPECT_TRUE(window->isMinimized());
  window->RestoreAndRaise();
  Click("Btn_Exit_2");
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->session().DevicePresent());
}

TEST_F(WindowHandlingTest, ResetKeepsTheMouseRunningAndConfirmThreeReadsItAgain) {
  CreateWindowWithMouse();
  Click("Btn_Confirm1_2");
  for (int copy = 1; copy <= 5; ++copy) {
    EXPECT_EQ(ImageOf("Img_Confirm1_" + QString::number(copy)), "BtnS_03");
  }
  EXPECT_TRUE(messages.texts().isEmpty());
  EXPECT_TRUE(Control("Disable_All_1").isHidden());

  Click("Btn_Confirm3_1");
  EXPECT_EQ(messages.texts(), QStringList{"Waiting for the device reconnect\n"});
  EXPECT_TRUE(window->session().DevicePresent());
  EXPECT_FALSE(window->session().no_device_state());
  EXPECT_TRUE(Control("Disable_All_1").isHidden());
}

TEST_F(WindowHandlingTest, ProfileFilesGoThroughTheChosenFile) {
  QTemporaryDir folder;
  QString chosen;
  services.choose_profile_file = [&chosen](bool) { return chosen; };
  CreateWindowWithMouse();

  chosen = folder.filePath("saved");
  Click("Btn_Save_1");
  EXPECT_EQ(QFileInfo(folder.filePath("saved.bin")).size(), 2048);
  EXPECT_EQ(ImageOf("Img_Save_4"), "SetS_03");

  chosen = folder.filePath("broken.bin");
  {
    std::ofstream file(chosen.toStdString(), std::ios::binary);
    file << std::string(2048, '\0');
  }
  Click("Btn_Load_2");
  ASSERT_EQ(messages.texts().size(), 1);
  EXPECT_TRUE(messages.texts()[0].startsWith("Loading .bin is error!"));

  messages.clear();
  chosen.clear();
  Click("Btn_Load_2");
  EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace
}  // namespace kvrm::ui::test
