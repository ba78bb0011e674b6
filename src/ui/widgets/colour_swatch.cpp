#include "ui/widgets/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace kvrm::ui {

ColourSwatch::ColourSwatch(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
}

void ColourSwatch::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), colour_);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
}

}  // namespace kvrm::ui
