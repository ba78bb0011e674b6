#include "ui/loading_window.h"

#include <QPainter>
#include <cmath>

namespace kvrm::ui {
namespace {

constexpr int kFrameMs = 80;
constexpr int kSpokes = 12;
constexpr int kBelowCentreAtCreation = 40;

}  // namespace

LoadingWindow::LoadingWindow(EventPasses& passes, QWidget* main_window)
    : QWidget(main_window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus),
      passes_(passes),
      main_window_(main_window) {
  setObjectName("FormLoadingUI");
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_ShowWithoutActivating);
  frame_timer_.setInterval(kFrameMs);
  connect(&frame_timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

QPoint LoadingWindow::CentredOver(int extra_down) const {
  const QRect main = main_window_->geometry();
  return {main.left() + (main.width() - width()) / 2,
          main.top() + (main.height() - height()) / 2 + extra_down};
}

void LoadingWindow::PlaceAtCreation() {
  move(CentredOver(kBelowCentreAtCreation));
}

void LoadingWindow::Show() {
  if (!isVisible()) {
    move(CentredOver(0));
    show();
  }
  passes_.RunOnce();
}

void LoadingWindow::Hide() {
  hide();
  passes_.RunOnce();
}

void LoadingWindow::showEvent(QShowEvent*) {
  shown_for_.start();
  frame_timer_.start();
}

void LoadingWindow::hideEvent(QHideEvent*) {
  frame_timer_.stop();
}

void LoadingWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::black);
  const int lead = shown_for_.isValid() ? static_cast<int>(shown_for_.elapsed() / kFrameMs) : 0;
  const QPointF centre = QRectF(rect()).center();
  const double radius = 0.3 * std::min(width(), height());
  for (int i = 0; i < kSpokes; ++i) {
    const double angle = 2 * M_PI * i / kSpokes;
    // The spoke just passed is brightest; the ones behind it fade out.
    const int age = ((lead - i) % kSpokes + kSpokes) % kSpokes;
    QColor colour(40, 200, 220);
    colour.setAlphaF(1.0 - 0.075 * age);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    const QPointF at(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    painter.drawEllipse(at, 9.0, 9.0);
  }
}

}  // namespace kvrm::ui
