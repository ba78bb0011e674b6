#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "device/busy_window.h"
#include "ui/event_passes.h"

namespace kvrm::ui {

// TFormLoadingUI: the small always-on-top window with a turning wheel shown
// while the mouse is read or written.
class LoadingWindow : public QWidget, public BusyWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 206;
  static constexpr int kHeight = 196;

  LoadingWindow(EventPasses& passes, QWidget* main_window);

  // The creation handler: centred over the main window, 40 pixels below its
  // middle, on top of every window; still hidden.
  void PlaceAtCreation();

  // ShowBusyWindow: centred over the main window, shown, events processed.
  void Show() override;
  // HideBusyWindow: hidden, events processed.
  void Hide() override;
  void ProcessEvents() override { passes_.RunOnce(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPoint CentredOver(int extra_down) const;

  EventPasses& passes_;
  QWidget* main_window_;
  // The wheel turns only while it can be seen, so an idle tool costs nothing.
  QTimer frame_timer_;
  QElapsedTimer shown_for_;
};

}  // namespace kvrm::ui
