#include "ui/event_passes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kvrm::ui {

namespace {

// Clicks and keys wait until the operation is over, so no handler of the user's
// starts in the middle of a transfer; painting and timers go on.
constexpr auto kPassFlags = QEventLoop::ExcludeUserInputEvents;

}  // namespace

void EventPasses::RunOnce() {
  Scope scope(*this);
  QCoreApplication::processEvents(kPassFlags);
}

void EventPasses::RunFor(int milliseconds) {
  Scope scope(*this);
  if (milliseconds <= 0) {
    QCoreApplication::processEvents(kPassFlags);
    return;
  }
  // A loop that waits for events instead of polling, ended by a precise timer.
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(kPassFlags);
}

}  // namespace kvrm::ui
