#include "ui/widgets/caption_label.h"

#include <QMouseEvent>

namespace kvrm::ui {

CaptionLabel::CaptionLabel(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_TranslucentBackground);
}

void CaptionLabel::enterEvent(QEnterEvent*) {
  Q_EMIT entered();
}

void CaptionLabel::leaveEvent(QEvent*) {
  Q_EMIT left();
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT pressed(event->globalPosition());
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) Q_EMIT dragged(event->globalPosition());
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
}

}  // namespace kvrm::ui
