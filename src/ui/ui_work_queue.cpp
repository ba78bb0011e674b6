#include "ui/ui_work_queue.h"

#include <QMetaObject>
#include <QTimer>

namespace kvrm::ui {
namespace {

// How soon work that found an operation in progress looks again.
constexpr int kRetryMs = 20;

}  // namespace

UiWorkQueue::UiWorkQueue(EventPasses& passes, QObject* parent) : QObject(parent), passes_(passes) {}

void UiWorkQueue::Post(std::function<void()> work) {
  std::lock_guard lock(mutex_);
  pending_.push_back(std::move(work));
  if (drain_scheduled_) return;
  drain_scheduled_ = true;
  QMetaObject::invokeMethod(this, &UiWorkQueue::Drain, Qt::QueuedConnection);
}

void UiWorkQueue::Drain() {
  if (passes_.nested()) {
    QTimer::singleShot(kRetryMs, this, &UiWorkQueue::Drain);
    return;
  }
  for (;;) {
    std::function<void()> work;
    {
      std::lock_guard lock(mutex_);
      if (pending_.empty()) {
        drain_scheduled_ = false;
        return;
      }
      work = std::move(pending_.front());
      pending_.pop_front();
    }
    work();
  }
}

}  // namespace kvrm::ui
