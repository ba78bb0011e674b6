#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace kvrm::ui {

// The caption under the mouse: which label, its own caption, the caption as
// rolled so far, and the ticks since the hover began.
struct HoverRecord {
  QString label;
  QString saved_caption;
  QString rolling_caption;
  int counter = 0;
};

// One 200 ms step of the rolling caption: the counter goes up and wraps from
// 21 to 2; on the tick where it is 1 the first character moves to the end
// behind four spaces, on every other tick it simply moves to the end.
void RollCaption(HoverRecord& record);

// LabelRun: rolls the hovered caption every 200 ms, when text rolling is on.
class Marquee : public QObject {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 200;

  explicit Marquee(QObject* parent = nullptr);

  void set_enabled(bool rolling_enabled) { rolling_enabled_ = rolling_enabled; }
  // Records a hovered label and its caption, counter at 0; the timer starts
  // only for a label that is enabled.
  void Begin(const QString& label, const QString& caption, bool label_enabled);
  void Start() { timer_.start(); }
  void Stop() { timer_.stop(); }
  bool running() const { return timer_.isActive(); }
  // The language changed under the hovered label: its new caption is the one to
  // roll and to restore.
  void ReplaceCaption(const QString& caption);
  void Tick();
  const HoverRecord& record() const { return record_; }

 Q_SIGNALS:
  // The recorded label is to show this caption.
  void captionRolled(const QString& label, const QString& caption);

 private:
  QTimer timer_;
  HoverRecord record_;
  bool rolling_enabled_ = false;
};

}  // namespace kvrm::ui
