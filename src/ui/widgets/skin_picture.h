#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include "ui/skin_library.h"

namespace kvrm::ui {

// A skinned picture (Img_…): shows one skin image at its own size and tells
// which one through the property "image".
class SkinPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString image READ image)

 public:
  SkinPicture(SkinLibrary& skins, const QString& name, QWidget* parent);

  // Takes the image's size when the image exists.
  void SetImage(const QString& image);
  const QString& image() const { return image_; }

 Q_SIGNALS:
  void pressed(QPointF global_position);
  void dragged(QPointF global_position);
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  SkinLibrary& skins() { return skins_; }

 private:
  SkinLibrary& skins_;
  QString image_;
};

}  // namespace kvrm::ui
