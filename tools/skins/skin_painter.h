#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

namespace kvrm::skins {

// One look of the skin: dark surfaces and a single accent colour.
struct Palette {
  QColor base_top;     // window background, top of the gradient
  QColor base_bottom;  // window background, bottom
  QColor band;         // header and footer bands
  QColor card;         // cards of the pages
  QColor card_border;
  QColor control;  // buttons at rest
  QColor control_border;
  QColor well;  // input wells and unlit steps
  QColor text;
  QColor dim;
  QColor accent;
  QColor accent_deep;  // accent mixed into the dark surfaces
  QColor glow;         // second colour of the lighting picture
  QColor lighting;     // lighting strips of the drawn mouse
};

Palette Graphite();
Palette Midnight();

// What the layouts put on a page body, read from the skin guide.
struct GuideRect {
  QRect rect;
  int number = 0;
};
struct SkinGuide {
  std::map<QString, std::vector<GuideRect>> cards;    // with a heading marker
  std::map<QString, std::vector<GuideRect>> panels;   // plain
  std::map<QString, std::vector<GuideRect>> labels;   // key page labels, number = slot
  std::map<QString, std::vector<GuideRect>> wells;    // input wells
  std::map<QString, std::vector<GuideRect>> numbers;  // row numbers
  std::map<QString, QPoint> glows;
};

// Images shared by every layout, by resource name.
std::map<QString, QImage> DrawSharedImages(const Palette& palette, const SkinGuide& guide);
// The images of one layout, by stem ("BackGround", "Back1".."Back5").
std::map<QString, QImage> DrawLayoutImages(const Palette& palette, const SkinGuide& guide);

}  // namespace kvrm::skins
