#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>

namespace kvrm::ui {

// The colour of the skin that is see-through.
inline constexpr int kSkinTransparentRed = 128;

// The image with every pixel of the skin's maroon (128, 0, 0) see-through.
QImage WithMaroonTransparent(QImage image);

// The PNG skin images of the executable by name ("SetS_02"), decoded once, with
// the skin's maroon (128, 0, 0) made transparent.
class SkinLibrary {
 public:
  // A null pixmap when the resources hold no such image.
  const QPixmap& Pixmap(const QString& name);
  // The part of the image that is not see-through: the window's outline when
  // the image is the background. Empty for a missing image.
  const QRegion& Outline(const QString& name);

 private:
  QHash<QString, QPixmap> pixmaps_;
  QHash<QString, QRegion> outlines_;
};

}  // namespace kvrm::ui
