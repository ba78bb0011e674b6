#include "ui/skin_library.h"

#include <QBitmap>
#include <QImage>

#include "common/resources.h"

namespace kvrm::ui {

QImage WithMaroonTransparent(QImage image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb maroon = qRgb(kSkinTransparentRed, 0, 0);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == maroon) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

const QPixmap& SkinLibrary::Pixmap(const QString& name) {
  auto it = pixmaps_.find(name);
  if (it != pixmaps_.end()) return *it;
  QPixmap pixmap;
  const auto bytes = FindResource(kPng, name.toStdString());
  if (!bytes.empty()) {
    QImage image;
    if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG")) {
      pixmap = QPixmap::fromImage(WithMaroonTransparent(std::move(image)));
    }
  }
  return *pixmaps_.insert(name, pixmap);
}

const QRegion& SkinLibrary::Outline(const QString& name) {
  auto it = outlines_.find(name);
  if (it != outlines_.end()) return *it;
  const QPixmap& pixmap = Pixmap(name);
  QRegion outline;
  if (!pixmap.isNull()) {
    outline = pixmap.hasAlphaChannel() ? QRegion(pixmap.mask()) : QRegion(pixmap.rect());
  }
  return *outlines_.insert(name, outline);
}

}  // namespace kvrm::ui
