#include "ui/skin_library.h"

#include <QBitmap>
#include <QImage>

#include "common/resources.h"

namespace kvrm::ui {
namespace {

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

}  // namespace

const QPixmap& SkinLibrary::Pixmap(const QString& name) {
  auto it = cache_.find(name);
  if (it != cache_.end()) return *it;
  QPixmap pixmap;
  const auto bytes = FindResource(kPng, name.toStdString());
  if (!bytes.empty()) {
    QImage image;
    if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG")) {
      pixmap = QPixmap::fromImage(WithMaroonTransparent(std::move(image)));
    }
  }
  return *cache_.insert(name, pixmap);
}

QRegion OpaqueRegion(const QPixmap& pixmap) {
  if (pixmap.isNull()) return {};
  if (!pixmap.hasAlphaChannel()) return QRegion(pixmap.rect());
  return QRegion(pixmap.mask());
}

}  // namespace kvrm::ui
