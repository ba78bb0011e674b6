#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "device/timer_scheduler.h"
#include "sim/simulated_bus.h"
#include "ui/event_passes.h"
#include "ui/main_window.h"
#include "ui/message_presenter.h"
#include "ui/skin_library.h"

namespace kvrm::ui::test {

// The window over the simulated bus on a virtual clock, its presence timers
// fired by hand and its messages recorded.
class WindowFixture : public ::testing::Test {
 protected:
  // Builds the window (its start-up runs) and the busy window, which starts the
  // search for the mouse. Tests change services first when they need to.
  void CreateWindow();
  // The window with the mouse plugged in and read.
  void CreateWindowWithMouse();
  void PlugMouse();
  // One tick of whichever presence timer runs.
  void Tick();
  // Lets queued work and the window's events run.
  void ProcessEvents();

  // A control of the window by name, failing the test when there is none.
  QWidget& Control(const QString& name);
  QString ImageOf(const QString& name);
  QString TextOf(const QString& name);
  bool Shown(const QString& name);
  // A header caption clicked, entered or left as the mouse would.
  void Click(const QString& name);
  void Enter(const QString& name);
  void Leave(const QString& name);
  // The short writes sent since the last ClearLog, as (address, value).
  std::vector<std::pair<int, int>> ShortWrites();

  VirtualClock clock;
  SimulatedHidBus bus{clock};
  ManualScheduler scheduler;
  RecordedMessages messages;
  EventPasses passes;
  SkinLibrary skins;
  WindowServices services{bus, clock, scheduler, messages, passes, skins};
  std::vector<QUrl> opened_urls;
  std::unique_ptr<MainWindow> window;
};

}  // namespace kvrm::ui::test
