#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "device/timer_scheduler.h"
#include "ui/event_passes.h"

namespace kvrm::ui {

// DevTimer (3500 ms) and DevTimerFirst (50 ms) as Qt timers; both tick the
// same handler. A tick that falls inside an operation of the mouse is left out:
// the timer comes round again.
class PresenceTimers : public QObject, public TimerScheduler {
  Q_OBJECT

 public:
  explicit PresenceTimers(EventPasses& passes, QObject* parent = nullptr);

  void SetTick(std::function<void()> tick) { tick_ = std::move(tick); }
  void SetEnabled(PresenceTimer timer, bool enabled) override;
  bool IsEnabled(PresenceTimer timer) const override;
  // What both timers run: the tick, unless an operation of the mouse is open.
  void Tick();

 Q_SIGNALS:
  // After every tick that ran.
  void ticked();

 private:
  QTimer& TimerOf(PresenceTimer timer);
  const QTimer& TimerOf(PresenceTimer timer) const;

  EventPasses& passes_;
  QTimer dev_timer_;
  QTimer dev_timer_first_;
  std::function<void()> tick_;
};

}  // namespace kvrm::ui
