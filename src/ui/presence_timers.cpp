#include "ui/presence_timers.h"

namespace kvrm::ui {

PresenceTimers::PresenceTimers(EventPasses& passes, QObject* parent)
    : QObject(parent), passes_(passes) {
  dev_timer_.setInterval(kDevTimerIntervalMs);
  dev_timer_first_.setInterval(kDevTimerFirstIntervalMs);
  connect(&dev_timer_, &QTimer::timeout, this, &PresenceTimers::Tick);
  connect(&dev_timer_first_, &QTimer::timeout, this, &PresenceTimers::Tick);
}

void PresenceTimers::SetEnabled(PresenceTimer timer, bool enabled) {
  QTimer& t = TimerOf(timer);
  if (enabled && !t.isActive()) t.start();
  if (!enabled) t.stop();
}

bool PresenceTimers::IsEnabled(PresenceTimer timer) const {
  return TimerOf(timer).isActive();
}

void PresenceTimers::Tick() {
  if (passes_.nested() || !tick_) return;
  tick_();
  Q_EMIT ticked();
}

QTimer& PresenceTimers::TimerOf(PresenceTimer timer) {
  return timer == PresenceTimer::kDevTimer ? dev_timer_ : dev_timer_first_;
}

const QTimer& PresenceTimers::TimerOf(PresenceTimer timer) const {
  return timer == PresenceTimer::kDevTimer ? dev_timer_ : dev_timer_first_;
}

}  // namespace kvrm::ui
