#include "ui/widgets/skin_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace kvrm::ui {

SkinPicture::SkinPicture(SkinLibrary& skins, const QString& name, QWidget* parent)
    : QWidget(parent), skins_(skins) {
  setObjectName(name);
}

void SkinPicture::SetImage(const QString& image) {
  if (image == image_) return;
  image_ = image;
  const QPixmap& pixmap = skins_.Pixmap(image_);
  if (!pixmap.isNull()) resize(pixmap.size());
  update();
}

void SkinPicture::paintEvent(QPaintEvent*) {
  const QPixmap& pixmap = skins_.Pixmap(image_);
  if (pixmap.isNull()) return;
  QPainter(this).drawPixmap(0, 0, pixmap);
}

void SkinPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT pressed(event->globalPosition());
}

void SkinPicture::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) Q_EMIT dragged(event->globalPosition());
}

void SkinPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
}

}  // namespace kvrm::ui
