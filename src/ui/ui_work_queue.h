#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>

#include "device/input_report_thread.h"
#include "ui/event_passes.h"

namespace kvrm::ui {

// Work for the UI thread, from any thread. It runs from the outermost message
// loop only: while an operation of the mouse keeps the loop turning inside it,
// the work waits, so a report of the mouse's buttons never interleaves with a
// transfer.
class UiWorkQueue : public QObject, public UiDispatcher {
  Q_OBJECT

 public:
  explicit UiWorkQueue(EventPasses& passes, QObject* parent = nullptr);

  void Post(std::function<void()> work) override;

 private:
  void Drain();

  EventPasses& passes_;
  std::mutex mutex_;
  std::deque<std::function<void()>> pending_;
  bool drain_scheduled_ = false;
};

}  // namespace kvrm::ui
