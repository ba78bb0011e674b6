#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "gui/window_fixture.h"
#include "ui/ui_work_queue.h"

namespace kvrm::ui::test {
namespace {

const SimInterfaceSpec kKeyboard{"sim:keyboard", 0x046D, 0xC31C, {}, true, false};

class PresenceTest : public WindowFixture {};

TEST_F(PresenceTest, LosingTheMouseLocksThePagesAndSaysSo) {
  CreateWindowWithMouse();
  window->PageOperation(4);
  bus.Unplug("sim:mouse");
  Tick();
  EXPECT_EQ(messages.texts(), QStringList{"Waiting for the device reconnect\n"});
  EXPECT_TRUE(window->session().no_device_state());
  EXPECT_EQ(window->current_page(), 1);
  EXPECT_TRUE(Shown("gbPage1"));
  EXPECT_FALSE(Shown("gbPage2"));
  EXPECT_FALSE(Control("Disable_All_3").isHidden());
  EXPECT_EQ(ImageOf("Img_Main_2"), "SetS_03");
  EXPECT_EQ(ImageOf("Img_Adv_2"), "SetS_01");
  messages.clear();
  Click("Btn_Adv_1");
  EXPECT_EQ(messages.texts(), QStringList{"Finding the specified device"});
}

TEST_F(PresenceTest, LosingTheMouseOnTheEngineerPageReturnsToTheSkinSize) {
  services.engineer_button = true;
  CreateWindowWithMouse();
  window->PageOperation(8);
  bus.Unplug("sim:mouse");
  Tick();
  EXPECT_EQ(window->size(), window->skin_size());
  EXPECT_TRUE(Shown("gbPage1"));
  EXPECT_FALSE(Shown("gbPage7"));
}

TEST_F(PresenceTest, AMouseArrivingLaterIsRead) {
  bus.AddInterface(kKeyboard);
  CreateWindow();
  Tick();
  EXPECT_EQ(messages.texts(), QStringList{"Waiting for the device reconnect\n"});
  EXPECT_FALSE(window->session().DevicePresent());
  messages.clear();
  Tick();
  EXPECT_TRUE(messages.texts().isEmpty());

  PlugMouse();
  Tick();
  EXPECT_TRUE(window->session().DevicePresent());
  EXPECT_FALSE(window->session().no_device_state());
  EXPECT_FALSE(Shown("Disable_All_1"));
  EXPECT_EQ(TextOf("Key4"), "Right Click");
  EXPECT_TRUE(messages.texts().isEmpty());
  EXPECT_FALSE(window->busy_window().isVisible());
}

TEST_F(PresenceTest, ReadingReturnsToTheCurrentPage) {
  CreateWindowWithMouse();
  window->PageOperation(5);
  bus.AddInterface(kKeyboard);
  Tick();
  EXPECT_EQ(window->current_page(), 5);
  EXPECT_TRUE(Shown("gbPage3"));
  EXPECT_FALSE(Shown("gbPage1"));
  EXPECT_FALSE(Shown("Disable_All_1"));
}

TEST_F(PresenceTest, InputReportsTakeEffectOnTheUiThread) {
  CreateWindowWithMouse();
  std::vector<std::pair<int, bool>> ticks;
  QObject::connect(&window->model(), &SessionModel::testButtonChanged,
                   [&ticks](int button, bool ticked) { ticks.emplace_back(button, ticked); });
  bus.QueueInputReport({0x42, 0x00, 0x00, 0x08, 0, 0, 0, 0});
  bus.QueueInputReport({0x42, 0x00, 0x00, 0x00, 0, 0, 0, 0});
  QElapsedTimer waited;
  waited.start();
  while (ticks.size() < 2 && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  const std::vector<std::pair<int, bool>> expected = {
      {static_cast<int>(TestButton::kProfile), true},
      {static_cast<int>(TestButton::kProfile), false}};
  EXPECT_EQ(ticks, expected);
}

TEST(UiWorkQueueTest, WorkWaitsForTheOperationInProgress) {
  EventPasses passes;
  UiWorkQueue queue(passes);
  int runs = 0;
  {
    EventPasses::Scope operation(passes);
    queue.Post([&runs] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
  }
  QElapsedTimer waited;
  waited.start();
  while (runs == 0 && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace kvrm::ui::test
