// Draws the skin images of the mouse tool into resources/png:
//   kvrm_make_skins <png folder> <skin guide> [--preview <folder> <rcdata folder>]
// Layouts 1 and 2 use the graphite look, layout 3 its midnight variant; the
// shared images are graphite. Sizes come from the skin image table, so an image
// of the wrong size cannot be written. With --preview it also writes a contact
// sheet and mock-ups of the pages as the layouts arrange them.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "skin_painter.h"
#include "skin_preview.h"
#include "texts/skin_images.h"

namespace {

namespace si = kvrm::skin_images;
using kvrm::skins::SkinGuide;

bool ReadGuide(const QString& path, SkinGuide& guide) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QStringList f = in.readLine().split(' ', Qt::SkipEmptyParts);
    if (f.isEmpty() || f[0].startsWith('#')) continue;
    std::vector<int> n;
    for (int i = 2; i < f.size(); ++i) n.push_back(f[i].toInt());
    const QString& kind = f[0];
    const QString& image = f.value(1);
    if (kind == "glow" && n.size() == 2) {
      guide.glows[image] = QPoint(n[0], n[1]);
    } else if (kind == "number" && n.size() == 3) {
      guide.numbers[image].push_back({QRect(n[0], n[1], 0, 0), n[2]});
    } else if (n.size() >= 4) {
      const kvrm::skins::GuideRect rect{QRect(n[0], n[1], n[2], n[3]), n.size() > 4 ? n[4] : 0};
      if (kind == "card")
        guide.cards[image].push_back(rect);
      else if (kind == "panel")
        guide.panels[image].push_back(rect);
      else if (kind == "label")
        guide.labels[image].push_back(rect);
      else if (kind == "slot")
        guide.wells[image].push_back(rect);
      else
        return false;
    } else {
      return false;
    }
  }
  return guide.labels.count("Back1") == 1;
}

bool Save(const QImage& image, const QString& folder, const QString& name, int w, int h) {
  if (image.width() != w || image.height() != h) {
    std::fprintf(stderr, "%s is %dx%d, the skin table says %dx%d\n", qPrintable(name),
                 image.width(), image.height(), w, h);
    return false;
  }
  // The background stays opaque so its maroon is exact; the others keep alpha.
  const QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                             : image.convertToFormat(QImage::Format_RGB32);
  if (!out.save(folder + "/" + name + ".png", "PNG", 9)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  const bool preview = args.size() == 6 && args[3] == "--preview";
  if (args.size() != 3 && !preview) {
    std::fprintf(
        stderr, "usage: kvrm_make_skins <png folder> <skin guide> [--preview <folder> <rcdata>]\n");
    return 2;
  }
  SkinGuide guide;
  if (!ReadGuide(args[2], guide)) {
    std::fprintf(stderr, "cannot read the skin guide %s\n", qPrintable(args[2]));
    return 1;
  }
  const QString folder = args[1];
  QDir().mkpath(folder);

  kvrm::skins::ImageSet written;
  const auto shared = kvrm::skins::DrawSharedImages(kvrm::skins::Graphite(), guide);
  for (const si::SkinImage& entry : si::kSharedImages) {
    const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
    const auto it = shared.find(name);
    if (it == shared.end() || !Save(it->second, folder, name, entry.width, entry.height)) {
      std::fprintf(stderr, "%s not drawn\n", qPrintable(name));
      return 1;
    }
    written[name] = it->second;
  }
  for (int k = 1; k <= 3; ++k) {
    const auto palette = k == 3 ? kvrm::skins::Midnight() : kvrm::skins::Graphite();
    const auto images = kvrm::skins::DrawLayoutImages(palette, guide);
    for (const si::SkinImage& entry : si::kLayoutImages) {
      const QString stem = QString::fromLatin1(entry.name.data(), entry.name.size());
      const QString name = QString::fromStdString(si::LayoutImageName(k, entry.name));
      if (!Save(images.at(stem), folder, name, entry.width, entry.height)) return 1;
      written[name] = images.at(stem);
    }
  }

  if (preview) {
    const QString out = args[4];
    QDir().mkpath(out);
    kvrm::skins::ContactSheet(written).save(out + "/contact_sheet.png");
    for (int k : {1, 3}) {
      for (const auto& [page, image] : kvrm::skins::PagePreviews(written, args[5], k)) {
        image.save(out + QString("/layout%1_page%2.png").arg(k).arg(page));
      }
    }
  }
  return 0;
}
