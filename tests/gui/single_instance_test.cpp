#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "gui/window_fixture.h"
#include "ui/single_instance.h"

namespace kvrm::ui::test {
namespace {

// A caption of its own, so a window the developer has open is not disturbed.
const QString kTestCaption =
    "kvrm single instance test " + QString::number(QCoreApplication::applicationPid());

bool WaitFor(const bool& flag) {
  QElapsedTimer waited;
  waited.start();
  while (!flag && waited.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return flag;
}

TEST(SingleInstanceTest, SecondStartAsksTheFirstToComeForwardAndGivesWay) {
  SingleInstance first(kTestCaption);
  ASSERT_TRUE(first.Claim());
  bool raised = false;
  QObject::connect(&first, &SingleInstance::raiseRequested, [&raised] { raised = true; });

  SingleInstance second(kTestCaption);
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(WaitFor(raised));
}

TEST(SingleInstanceTest, NameDependsOnTheCaption) {
  EXPECT_EQ(InstanceServerName(kWindowCaption), InstanceServerName(kWindowCaption));
  EXPECT_NE(InstanceServerName(kWindowCaption), InstanceServerName(kTestCaption));
}

class RaiseTest : public WindowFixture {};

TEST_F(RaiseTest, RestoreAndRaiseBringsAMinimisedWindowBack) {
  CreateWindow();
  window->show();
  window->showMinimized();
  window->RestoreAndRaise();
  EXPECT_FALSE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace kvrm::ui::test
