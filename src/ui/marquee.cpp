#include "ui/marquee.h"

namespace kvrm::ui {
namespace {

constexpr int kCounterWrapsAbove = 20;
constexpr int kCounterAfterWrap = 2;
const QString kGap = "    ";

}  // namespace

void RollCaption(HoverRecord& record) {
  ++record.counter;
  if (record.counter > kCounterWrapsAbove) record.counter = kCounterAfterWrap;
  if (record.rolling_caption.isEmpty()) return;
  const QString first = record.rolling_caption.left(1);
  const QString rest = record.rolling_caption.mid(1);
  record.rolling_caption = record.counter == 1 ? rest + kGap + first : rest + first;
}

Marquee::Marquee(QObject* parent) : QObject(parent) {
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &Marquee::Tick);
}

void Marquee::Begin(const QString& label, const QString& caption, bool label_enabled) {
  record_ = {label, caption, caption, 0};
  if (label_enabled) timer_.start();
}

void Marquee::ReplaceCaption(const QString& caption) {
  record_.counter = 0;
  record_.saved_caption = caption;
  record_.rolling_caption = caption;
}

void Marquee::Tick() {
  if (!rolling_enabled_) return;
  RollCaption(record_);
  Q_EMIT captionRolled(record_.label, record_.rolling_caption);
}

}  // namespace kvrm::ui
