#include "skin_painter.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>

#include "texts/skin_images.h"

namespace kvrm::skins {
namespace {

namespace si = kvrm::skin_images;

enum class State { kNormal, kHover, kPressed };

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor Alpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

class Painter : public QPainter {
 public:
  explicit Painter(QImage& image) : QPainter(&image) {
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
  }
};

QPen Stroke(const QColor& c, double width) {
  QPen pen(c, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void Box(QPainter& p, const QRectF& r, double radius, const QBrush& fill, const QColor& border,
         double border_width = 1.0) {
  p.setPen(border_width > 0 ? QPen(border, border_width) : Qt::NoPen);
  p.setBrush(fill);
  const double inset = border_width / 2;
  p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// A soft halo: rounded outlines growing outwards with falling opacity.
void Halo(QPainter& p, const QRectF& r, double radius, const QColor& colour, int spread,
          int strength) {
  p.setBrush(Qt::NoBrush);
  for (int i = spread; i >= 1; --i) {
    const int alpha = strength * (spread - i + 1) / (spread + 1);
    p.setPen(QPen(Alpha(colour, alpha), 1.5));
    p.drawRoundedRect(r.adjusted(-i, -i, i, i), radius + i, radius + i);
  }
}

void HaloPath(QPainter& p, const QPainterPath& path, const QColor& colour, double width, int spread,
              int strength) {
  p.setBrush(Qt::NoBrush);
  for (int i = spread; i >= 1; --i) {
    p.setPen(Stroke(Alpha(colour, strength * (spread - i + 1) / (spread + 1)), width + 2.0 * i));
    p.drawPath(path);
  }
}

// ---- Glyphs drawn as strokes, so that no font is needed ---------------------

// Letters and digits on a 14 x 22 cell (M is 16 wide).
QPainterPath Glyph(char c) {
  QPainterPath g;
  switch (c) {
    case 'K':
      g.moveTo(0, 0), g.lineTo(0, 22);
      g.moveTo(14, 0), g.lineTo(1, 13);
      g.moveTo(5, 9), g.lineTo(14, 22);
      break;
    case 'V':
      g.moveTo(0, 0), g.lineTo(7, 22), g.lineTo(14, 0);
      break;
    case 'R':
      g.moveTo(0, 22), g.lineTo(0, 0), g.lineTo(7, 0);
      g.cubicTo(15, 0, 15, 12, 7, 12), g.lineTo(0, 12);
      g.moveTo(7, 12), g.lineTo(14, 22);
      break;
    case 'M':
      g.moveTo(0, 22), g.lineTo(0, 0), g.lineTo(8, 13), g.lineTo(16, 0), g.lineTo(16, 22);
      break;
    case '1':
      g.moveTo(2, 5), g.lineTo(8, 0), g.lineTo(8, 22);
      break;
    case '2':
      g.moveTo(1, 5), g.cubicTo(2, -1, 13, -1, 13, 6);
      g.cubicTo(13, 11, 5, 15, 1, 22), g.lineTo(14, 22);
      break;
    case '3':
      g.moveTo(1, 1), g.lineTo(13, 1), g.lineTo(6, 9);
      g.cubicTo(15, 9, 15, 22, 7, 22), g.cubicTo(4, 22, 2, 21, 0, 19);
      break;
  }
  return g;
}

void DrawText(QPainter& p, const QString& text, QPointF at, double scale, const QPen& pen) {
  p.save();
  p.translate(at);
  p.scale(scale, scale);
  QPen scaled = pen;
  scaled.setWidthF(pen.widthF() / scale);
  p.setPen(scaled);
  p.setBrush(Qt::NoBrush);
  double x = 0;
  for (QChar ch : text) {
    const char c = ch.toLatin1();
    p.drawPath(Glyph(c).translated(x, 0));
    x += (c == 'M' ? 16 : 14) + 7;
  }
  p.restore();
}

// The emblem of the mouse: a hexagon with three claw slashes.
void Emblem(QPainter& p, QPointF centre, double radius, const QColor& accent, const QColor& core,
            bool filled) {
  QPainterPath hex;
  for (int i = 0; i < 6; ++i) {
    const double a = M_PI / 3 * i + M_PI / 6;
    const QPointF v = centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    i == 0 ? hex.moveTo(v) : hex.lineTo(v);
  }
  hex.closeSubpath();
  p.setPen(Stroke(accent, radius / 7));
  p.setBrush(filled ? QBrush(Alpha(accent, 70)) : QBrush(core));
  p.drawPath(hex);
  p.setPen(Stroke(accent, radius / 6.5));
  for (int i = -1; i <= 1; ++i) {
    const double dx = i * radius * 0.34;
    p.drawLine(centre + QPointF(dx + radius * 0.22, -radius * 0.5),
               centre + QPointF(dx - radius * 0.22, radius * 0.5));
  }
}

// ---- Buttons ----------------------------------------------------------------

// Page, save, load and language buttons: the selected state carries the accent bar.
QImage TabButton(const Palette& pal, State state) {
  QImage image = Blank(100, 30);
  Painter p(image);
  const QRectF r(0, 0, 100, 30);
  switch (state) {
    case State::kNormal:
      Box(p, r, 6, Vertical(r, Mix(pal.control, pal.text, 0.05), pal.control), pal.control_border);
      break;
    case State::kHover:
      Box(p, r, 6,
          Vertical(r, Mix(pal.control, pal.accent, 0.20), Mix(pal.control, pal.accent, 0.10)),
          Mix(pal.control_border, pal.accent, 0.65));
      break;
    case State::kPressed:
      Box(p, r, 6,
          Vertical(r, Mix(pal.control, pal.accent, 0.30), Mix(pal.control, pal.accent, 0.16)),
          pal.accent);
      p.setPen(Qt::NoPen);
      p.setBrush(pal.accent);
      p.drawRoundedRect(QRectF(14, 25, 72, 3), 1.5, 1.5);
      break;
  }
  return image;
}

// Confirm buttons and the buttons of the macro and fire macro pages.
QImage ActionButton(const Palette& pal, int w, int h, State state) {
  QImage image = Blank(w, h);
  Painter p(image);
  const QRectF r(0, 0, w, h);
  const double radius = std::min(6.0, h / 4.0);
  switch (state) {
    case State::kNormal:
      Box(p, r, radius, Vertical(r, Mix(pal.control, pal.text, 0.06), pal.control),
          Mix(pal.control_border, pal.accent, 0.35));
      break;
    case State::kHover:
      Box(p, r, radius,
          Vertical(r, Mix(pal.control, pal.accent, 0.30), Mix(pal.control, pal.accent, 0.18)),
          pal.accent);
      break;
    case State::kPressed:
      Box(p, r, radius,
          Vertical(r, Mix(pal.control, pal.accent, 0.40), Mix(pal.control, pal.accent, 0.55)),
          pal.accent, 1.5);
      break;
  }
  return image;
}

// Background of a button label on the key page: an accent notch marks the slot.
QImage KeyLabel(const Palette& pal, State state) {
  QImage image = Blank(150, 30);
  Painter p(image);
  const QRectF r(0, 0, 150, 30);
  const double accent_mix = state == State::kNormal ? 0.0 : state == State::kHover ? 0.16 : 0.32;
  const QColor border = state == State::kNormal ? pal.control_border : pal.accent;
  Box(p, r, 5,
      Vertical(r, Mix(Mix(pal.control, pal.text, 0.04), pal.accent, accent_mix),
               Mix(pal.control, pal.accent, accent_mix * 0.7)),
      border);
  p.setPen(Qt::NoPen);
  p.setBrush(state == State::kNormal ? pal.accent_deep : pal.accent);
  p.drawRoundedRect(QRectF(4, 8, 3, 14), 1.5, 1.5);
  return image;
}

QImage WindowButton(const Palette& pal, State state, bool exit) {
  QImage image = Blank(34, 33);
  Painter p(image);
  const QRectF r(2, 2, 30, 29);
  if (state != State::kNormal) {
    Box(p, r, 7, Mix(pal.control, pal.accent, state == State::kHover ? 0.25 : 0.5), pal.accent);
  }
  const QColor ink = state == State::kNormal ? pal.dim : pal.text;
  p.setPen(Stroke(ink, 2.0));
  if (exit) {
    p.drawLine(QPointF(12, 11.5), QPointF(22, 21.5));
    p.drawLine(QPointF(22, 11.5), QPointF(12, 21.5));
  } else {
    p.drawLine(QPointF(11.5, 17), QPointF(22.5, 17));
  }
  return image;
}

// The web button is the logo: emblem and word mark.
QImage Logo(const Palette& pal, State state) {
  QImage image = Blank(200, 66);
  Painter p(image);
  const QColor accent = state == State::kNormal ? Mix(pal.accent, pal.dim, 0.25) : pal.accent;
  if (state != State::kNormal) {
    QRadialGradient glow(QPointF(32, 33), 34);
    glow.setColorAt(0, Alpha(pal.accent, state == State::kHover ? 70 : 110));
    glow.setColorAt(1, Alpha(pal.accent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(32, 33), 34, 34);
  }
  Emblem(p, QPointF(32, 33), 20, accent, pal.base_bottom, state == State::kPressed);
  DrawText(p, "KVRM", QPointF(66, 18), 1.0,
           Stroke(state == State::kNormal ? Mix(pal.text, pal.dim, 0.3) : pal.text, 3.6));
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRoundedRect(QRectF(66, 48, 40, 3), 1.5, 1.5);
  p.setBrush(Alpha(accent, 120));
  p.drawRoundedRect(QRectF(110, 48, 16, 3), 1.5, 1.5);
  p.setBrush(Alpha(accent, 60));
  p.drawRoundedRect(QRectF(130, 48, 8, 3), 1.5, 1.5);
  return image;
}

// ---- Check, option, step and colour images --------------------------------

QImage CheckBox(const Palette& pal, bool on) {
  QImage image = Blank(16, 16);
  Painter p(image);
  const QRectF r(1, 1, 14, 14);
  if (on) {
    Box(p, r, 3.5, pal.accent, pal.accent);
    p.setPen(Stroke(pal.base_bottom, 2.2));
    QPainterPath tick;
    tick.moveTo(4.3, 8.3), tick.lineTo(7, 11), tick.lineTo(11.8, 5.2);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  } else {
    Box(p, r, 3.5, pal.well, Mix(pal.control_border, pal.text, 0.3), 1.4);
  }
  return image;
}

QImage OptionDot(const Palette& pal, bool on) {
  QImage image = Blank(15, 15);
  Painter p(image);
  p.setPen(QPen(on ? pal.accent : Mix(pal.control_border, pal.text, 0.3), 1.4));
  p.setBrush(pal.well);
  p.drawEllipse(QRectF(1.2, 1.2, 12.6, 12.6));
  if (on) {
    p.setPen(Qt::NoPen);
    p.setBrush(pal.accent);
    p.drawEllipse(QPointF(7.5, 7.5), 3.4, 3.4);
  }
  return image;
}

QImage Step(const Palette& pal, int w, int h, bool lit) {
  QImage image = Blank(w, h);
  Painter p(image);
  const QRectF r(2, 3, w - 4, h - 6);
  if (lit) {
    Halo(p, r, 2.5, pal.accent, 2, 60);
    Box(p, r, 2.5, Vertical(r, Mix(pal.accent, Qt::white, 0.25), pal.accent), pal.accent, 0);
  } else {
    Box(p, r, 2.5, Mix(pal.well, pal.control_border, 0.55), Mix(pal.well, pal.control_border, 0.8));
  }
  return image;
}

QImage ColourFrame(const Palette& pal) {
  QImage image = Blank(18, 18);
  Painter p(image);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Mix(pal.text, pal.control_border, 0.45), 1.6));
  p.drawRoundedRect(QRectF(0.8, 0.8, 16.4, 16.4), 4, 4);
  p.setPen(QPen(pal.base_bottom, 1.0));
  p.drawRoundedRect(QRectF(2.5, 2.5, 13, 13), 2.5, 2.5);
  return image;
}

QImage SliderThumb(const Palette& pal) {
  QImage image = Blank(25, 25);
  Painter p(image);
  QRadialGradient glow(QPointF(12.5, 12.5), 12.5);
  glow.setColorAt(0.55, Alpha(pal.accent, 90));
  glow.setColorAt(1, Alpha(pal.accent, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QRectF(0, 0, 25, 25));
  p.setBrush(pal.accent);
  p.drawEllipse(QPointF(12.5, 12.5), 7.5, 7.5);
  p.setBrush(pal.base_bottom);
  p.drawEllipse(QPointF(12.5, 12.5), 3, 3);
  return image;
}

// The slider track, drawn to tile side by side.
QImage SliderRuler(const Palette& pal) {
  QImage image = Blank(25, 25);
  Painter p(image);
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(pal.well, pal.control_border, 0.7));
  p.drawRect(QRectF(0, 10.5, 25, 4));
  p.setBrush(Alpha(pal.text, 24));
  p.drawRect(QRectF(0, 10.5, 25, 1));
  return image;
}

// ---- Guns ---------------------------------------------------------------------

// Side views of the seven guns, facing right, on a 120 x 56 cell.
QPainterPath GunShape(int n) {
  QPainterPath g;
  g.setFillRule(Qt::WindingFill);
  const auto rect = [&g](double x, double y, double w, double h, double r = 1.5) {
    g.addRoundedRect(QRectF(x, y, w, h), r, r);
  };
  const auto poly = [&g](std::initializer_list<QPointF> points) {
    QPolygonF polygon(points);
    g.addPolygon(polygon);
    g.closeSubpath();
  };
  const auto guard = [&g](double x, double y) {
    QPainterPath ring;
    ring.addEllipse(QRectF(x, y, 10, 9));
    QPainterPath hole;
    hole.addEllipse(QRectF(x + 2.2, y + 2, 5.6, 5));
    g.addPath(ring.subtracted(hole));
  };
  switch (n) {
    case 1:  // pistol
      rect(30, 15, 56, 11, 2);
      rect(84, 18, 6, 5, 1);
      poly({{58, 25}, {74, 25}, {70, 47}, {56, 47}});
      guard(48, 24);
      break;
    case 2:  // submachine gun
      rect(22, 17, 66, 13, 2);
      rect(88, 20, 16, 6, 1);
      rect(50, 29, 9, 19, 1.5);
      poly({{68, 29}, {77, 29}, {75, 44}, {67, 44}});
      poly({{6, 18}, {22, 19}, {22, 27}, {8, 32}});
      break;
    case 3:  // assault rifle
      rect(26, 17, 58, 12, 2);
      rect(84, 20, 28, 5, 1);
      rect(106, 17, 3, 4, 0.5);
      poly({{52, 28}, {61, 28}, {58, 47}, {48, 45}});
      poly({{68, 28}, {76, 28}, {74, 42}, {66, 42}});
      poly({{4, 17}, {26, 19}, {26, 29}, {6, 35}});
      rect(40, 12, 22, 5, 1);
      break;
    case 4:  // shotgun
      rect(24, 17, 88, 6, 1.5);
      rect(60, 23, 32, 7, 2.5);
      rect(26, 17, 30, 11, 2);
      poly({{40, 27}, {48, 27}, {46, 40}, {38, 40}});
      poly({{4, 20}, {26, 18}, {26, 28}, {8, 36}});
      break;
    case 5:  // sniper rifle
      rect(22, 21, 50, 10, 2);
      rect(72, 23, 44, 4, 1);
      rect(36, 10, 34, 7, 3);
      rect(44, 16, 3, 6, 0.5);
      rect(60, 16, 3, 6, 0.5);
      poly({{50, 30}, {58, 30}, {56, 42}, {48, 42}});
      poly({{2, 22}, {22, 21}, {22, 31}, {12, 31}, {4, 38}});
      poly({{86, 27}, {88, 27}, {82, 46}, {80, 46}});
      poly({{88, 27}, {90, 27}, {96, 46}, {94, 46}});
      break;
    case 6:  // light machine gun
      rect(18, 15, 70, 16, 2);
      rect(88, 20, 26, 6, 1);
      rect(42, 31, 20, 14, 2);
      rect(32, 10, 26, 4, 1.5);
      poly({{68, 30}, {77, 30}, {75, 44}, {67, 44}});
      poly({{2, 16}, {18, 17}, {18, 29}, {4, 34}});
      poly({{100, 26}, {102, 26}, {96, 44}, {94, 44}});
      break;
    default:  // burst rifle, bullpup
      rect(12, 16, 84, 14, 3);
      rect(96, 20, 16, 5, 1);
      rect(20, 29, 10, 17, 1.5);
      poly({{58, 29}, {66, 29}, {64, 44}, {56, 44}});
      rect(54, 10, 20, 6, 2.5);
      break;
  }
  return g;
}

QImage Gun(const Palette& pal, int n, bool selected) {
  QImage image = Blank(120, 56);
  Painter p(image);
  const QRectF r(0, 0, 120, 56);
  if (selected) {
    Box(p, r, 7,
        Vertical(r, Mix(pal.control, pal.accent, 0.22), Mix(pal.control, pal.accent, 0.10)),
        pal.accent, 1.5);
  } else {
    Box(p, r, 7, Vertical(r, Mix(pal.control, pal.text, 0.04), pal.control), pal.control_border);
  }
  // The lower part of the picture stays free for the gun's caption.
  const QPainterPath shape = QTransform().translate(14, 3).scale(0.78, 0.78).map(GunShape(n));
  if (selected) {
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
      p.setPen(Stroke(Alpha(pal.accent, 22 * (4 - i)), 2.0 * i));
      p.setBrush(Qt::NoBrush);
      p.drawPath(shape);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(selected ? pal.accent : Mix(pal.dim, pal.control, 0.15));
  p.drawPath(shape);
  return image;
}

// Fire mode pictures: one to three chevrons, larger for the longer patterns.
QImage GunMode(const Palette& pal, int size, int chevrons) {
  QImage image = Blank(size, size);
  Painter p(image);
  const QRectF r(0, 0, size, size);
  Box(p, r, size / 6.0, Vertical(r, Mix(pal.control, pal.accent, 0.12), pal.control),
      Mix(pal.control_border, pal.accent, 0.45));
  const double w = size * 0.46;
  const double h = size * 0.16;
  const double gap = size * 0.17;
  const double top = size / 2.0 - ((chevrons - 1) * gap + h) / 2;
  p.setPen(Stroke(pal.accent, size / 13.0));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < chevrons; ++i) {
    const double y = top + i * gap;
    QPainterPath c;
    c.moveTo(size / 2.0 - w / 2, y + h);
    c.lineTo(size / 2.0, y);
    c.lineTo(size / 2.0 + w / 2, y + h);
    p.drawPath(c);
  }
  return image;
}

// ---- Panels -----------------------------------------------------------------

void Card(QPainter& p, const Palette& pal, const QRectF& r, bool heading) {
  Box(p, r, 10, Vertical(r, Mix(pal.card, pal.text, 0.035), pal.card), pal.card_border);
  p.setPen(QPen(Alpha(pal.text, 14), 1));
  p.drawLine(QPointF(r.left() + 10, r.top() + 1.5), QPointF(r.right() - 10, r.top() + 1.5));
  if (heading) {
    p.setPen(Qt::NoPen);
    p.setBrush(pal.accent);
    p.drawRoundedRect(QRectF(r.left() + 7, r.top() + 12, 3, 15), 1.5, 1.5);
  }
}

void Well(QPainter& p, const Palette& pal, const QRectF& r) {
  Box(p, r, 4, pal.well, pal.control_border);
}

void Cards(QPainter& p, const Palette& pal, const SkinGuide& guide, const QString& image) {
  const auto draw = [&](const auto& map, bool heading) {
    const auto it = map.find(image);
    if (it == map.end()) return;
    for (const GuideRect& g : it->second) Card(p, pal, g.rect, heading);
  };
  draw(guide.panels, false);
  draw(guide.cards, true);
  if (const auto it = guide.wells.find(image); it != guide.wells.end()) {
    for (const GuideRect& g : it->second) Well(p, pal, g.rect);
  }
}

QImage InsertBase(const Palette& pal, const SkinGuide& guide, const QString& name) {
  QImage image = Blank(207, 162);
  Painter p(image);
  Box(p, QRectF(0, 0, 207, 162), 8,
      Vertical(QRectF(0, 0, 207, 162), Mix(pal.card, pal.text, 0.05), pal.card),
      Mix(pal.card_border, pal.accent, 0.3));
  p.setPen(QPen(pal.accent, 2));
  p.drawLine(QPointF(12, 1), QPointF(60, 1));
  Cards(p, pal, guide, name);
  return image;
}

// The chip of the update banner, with an arrow into it.
QImage UpdateBanner(const Palette& pal) {
  QImage image = Blank(540, 102);
  Painter p(image);
  const QRectF r(0, 0, 540, 102);
  Card(p, pal, r, false);
  p.setPen(Qt::NoPen);
  p.setBrush(pal.accent);
  p.drawRoundedRect(QRectF(0, 18, 3, 66), 1.5, 1.5);
  const QRectF chip(34, 27, 48, 48);
  p.setPen(QPen(Mix(pal.dim, pal.control, 0.2), 2.5));
  for (int i = 0; i < 4; ++i) {
    const double o = 9 + i * 10;
    p.drawLine(QPointF(chip.left() + o, chip.top() - 7), QPointF(chip.left() + o, chip.top()));
    p.drawLine(QPointF(chip.left() + o, chip.bottom()),
               QPointF(chip.left() + o, chip.bottom() + 7));
    p.drawLine(QPointF(chip.left() - 7, chip.top() + o), QPointF(chip.left(), chip.top() + o));
    p.drawLine(QPointF(chip.right(), chip.top() + o), QPointF(chip.right() + 7, chip.top() + o));
  }
  Box(p, chip, 6, Mix(pal.control, pal.text, 0.05), Mix(pal.control_border, pal.text, 0.2), 1.5);
  Halo(p, chip.adjusted(14, 14, -14, -14), 3, pal.accent, 3, 70);
  Box(p, chip.adjusted(14, 14, -14, -14), 3, pal.accent, pal.accent, 0);
  Well(p, pal, QRectF(116, 40, 404, 28));
  return image;
}

QImage DialogBackground(const Palette& pal) {
  QImage image(360, 200, QImage::Format_ARGB32_Premultiplied);
  image.fill(pal.base_bottom);
  Painter p(image);
  const QRectF r(0, 0, 360, 200);
  p.fillRect(r, Vertical(r, Mix(pal.card, pal.text, 0.05), pal.card));
  p.fillRect(QRectF(0, 0, 360, 48), Mix(pal.band, pal.text, 0.03));
  QLinearGradient line(QPointF(0, 0), QPointF(360, 0));
  line.setColorAt(0, Alpha(pal.accent, 0));
  line.setColorAt(0.2, pal.accent);
  line.setColorAt(0.8, pal.accent);
  line.setColorAt(1, Alpha(pal.accent, 0));
  p.fillRect(QRectF(0, 48, 360, 1), line);
  p.setPen(QPen(Mix(pal.card_border, pal.accent, 0.35), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 359, 199));
  return image;
}

// The engineer page is a light grey working page; its frame keeps that grey.
QImage EngineerBackground(const Palette& pal) {
  QImage image(1256, 680, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(231, 231, 231));
  Painter p(image);
  p.fillRect(QRectF(0, 0, 1256, 64),
             Vertical(QRectF(0, 0, 1256, 64), QColor(222, 224, 227), QColor(214, 216, 220)));
  p.fillRect(QRectF(0, 64, 1256, 2), Mix(pal.accent, QColor(231, 231, 231), 0.2));
  return image;
}

QImage EngineerClose() {
  QImage image = Blank(15, 15);
  Painter p(image);
  p.setPen(Stroke(QColor(80, 84, 90), 2));
  p.drawLine(QPointF(3, 3), QPointF(12, 12));
  p.drawLine(QPointF(12, 3), QPointF(3, 12));
  return image;
}

QImage EngineerResult(const Palette& pal) {
  QImage image = Blank(40, 40);
  Painter p(image);
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(pal.accent, Qt::black, 0.15));
  p.drawEllipse(QRectF(2, 2, 36, 36));
  p.setPen(Stroke(Qt::white, 3.5));
  QPainterPath tick;
  tick.moveTo(11, 21), tick.lineTo(17.5, 27.5), tick.lineTo(29.5, 13.5);
  p.setBrush(Qt::NoBrush);
  p.drawPath(tick);
  return image;
}

// ---- Window background -------------------------------------------------------

constexpr int kCornerRadius = 14;
constexpr int kHeaderBottom = 96;
constexpr int kFooterTop = 578;

QImage WindowArt(const Palette& pal) {
  const int w = si::kWindowWidth;
  const int h = si::kWindowHeight;
  QImage art = Blank(w, h);
  Painter p(art);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0, 0, w, h), kCornerRadius, kCornerRadius);
  p.setClipPath(outline);
  p.fillRect(QRectF(0, 0, w, h), Vertical(QRectF(0, 0, w, h), pal.base_top, pal.base_bottom));

  p.fillRect(QRectF(0, 0, w, kHeaderBottom),
             Vertical(QRectF(0, 0, w, kHeaderBottom), Mix(pal.band, pal.text, 0.03), pal.band));
  p.fillRect(QRectF(0, kFooterTop, w, h - kFooterTop), pal.band);

  // A faint accent light from the top left, where the page tabs start.
  QRadialGradient light(QPointF(120, -40), 520);
  light.setColorAt(0, Alpha(pal.accent, 34));
  light.setColorAt(1, Alpha(pal.accent, 0));
  p.fillRect(QRectF(0, 0, w, h), light);
  QRadialGradient second(QPointF(w + 60, h + 80), 520);
  second.setColorAt(0, Alpha(pal.glow, 26));
  second.setColorAt(1, Alpha(pal.glow, 0));
  p.fillRect(QRectF(0, 0, w, h), second);

  // Fine diagonal hatching in the free part of the header.
  p.setPen(QPen(Alpha(pal.text, 7), 1));
  for (int x = 130; x < 560; x += 7) p.drawLine(QPointF(x, 10), QPointF(x + 30, 40));

  QLinearGradient rule(QPointF(0, 0), QPointF(w, 0));
  rule.setColorAt(0, Alpha(pal.accent, 0));
  rule.setColorAt(0.15, pal.accent);
  rule.setColorAt(0.75, Alpha(pal.accent, 140));
  rule.setColorAt(1, Alpha(pal.accent, 0));
  p.fillRect(QRectF(0, kHeaderBottom, w, 1), rule);
  for (int i = 1; i <= 5; ++i) {
    QLinearGradient glow = rule;
    p.setOpacity(0.09 * (6 - i) / 5.0);
    p.fillRect(QRectF(0, kHeaderBottom - i, w, 2 * i + 1), glow);
  }
  p.setOpacity(1);
  p.fillRect(QRectF(0, kFooterTop, w, 1), pal.card_border);
  p.fillRect(QRectF(24, kFooterTop, 120, 1), Alpha(pal.accent, 160));

  p.setClipping(false);
  p.setPen(QPen(Mix(pal.card_border, pal.text, 0.12), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kCornerRadius - 0.5, kCornerRadius - 0.5);
  return art;
}

// Opaque background in which every see-through pixel is exactly the
// transparent maroon: edge pixels are blended onto a dark rim instead of onto
// maroon, so the outline shows no red fringe, and no inner pixel is maroon.
QImage WindowBackground(const Palette& pal) {
  const QImage art = WindowArt(pal);
  QImage out(art.size(), QImage::Format_RGB32);
  out.fill(pal.base_bottom);
  {
    QPainter p(&out);
    p.drawImage(0, 0, art);
  }
  const QRgb maroon = qRgb(si::kTransparentRed, si::kTransparentGreen, si::kTransparentBlue);
  for (int y = 0; y < out.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(a[x]) < 128) {
        o[x] = maroon;
      } else if ((o[x] | 0xFF000000u) == maroon) {
        o[x] = qRgb(si::kTransparentRed, si::kTransparentGreen, 1);
      }
    }
  }
  return out;
}

// ---- The mouse of the key page ------------------------------------------------

// Top view, front up, in a 200 x 420 box.
QPainterPath MouseOutline() {
  QPainterPath m;
  m.moveTo(100, 4);
  m.cubicTo(160, 4, 192, 40, 194, 120);
  m.cubicTo(196, 170, 184, 200, 188, 250);
  m.cubicTo(194, 320, 176, 416, 100, 416);
  m.cubicTo(24, 416, 6, 320, 12, 250);
  m.cubicTo(16, 200, 4, 170, 6, 120);
  m.cubicTo(8, 40, 40, 4, 100, 4);
  m.closeSubpath();
  return m;
}

// Where each button slot sits on the drawn mouse.
QPointF MouseAnchor(int slot) {
  switch (slot) {
    case 1:
      return {52, 52};  // left button
    case 2:
      return {3, 256};  // backward
    case 3:
      return {2, 76};  // fire key, front of the left flank
    case 4:
      return {148, 52};  // right button
    case 5:
      return {3, 212};  // forward
    case 6:
      return {100, 106};  // DPI +
    case 7:
      return {100, 62};  // middle, the wheel
    case 8:
      return {100, 199};  // DPI loop
    case 9:
      return {100, 123};  // DPI -
    case 10:
      return {7, 300};
    case 11:
      return {10, 334};
    default:
      return {196, 320};  // right flank
  }
}

void SideButton(QPainter& p, const Palette& pal, const QRectF& r) {
  Box(p, r, r.width() / 2,
      Vertical(r, Mix(pal.control, pal.text, 0.16), Mix(pal.control, pal.text, 0.05)),
      Mix(pal.control_border, pal.text, 0.2));
}

void DrawMouse(QPainter& p, const Palette& pal, QPointF origin) {
  p.save();
  p.translate(origin);
  const QPainterPath outline = MouseOutline();

  for (int i = 8; i >= 1; --i) {  // shadow
    p.setPen(Qt::NoPen);
    p.setBrush(Alpha(Qt::black, 14));
    p.drawPath(QTransform()
                   .translate(100, 220)
                   .scale(1 + i * 0.012, 1 + i * 0.01)
                   .translate(-100, -212)
                   .map(outline));
  }
  // Side buttons stand out of the flanks, below the shell.
  SideButton(p, pal, QRectF(-2, 60, 12, 32));
  SideButton(p, pal, QRectF(-1, 192, 12, 40));
  SideButton(p, pal, QRectF(-1, 236, 12, 40));
  SideButton(p, pal, QRectF(2, 286, 12, 28));
  SideButton(p, pal, QRectF(5, 320, 12, 28));
  SideButton(p, pal, QRectF(189, 300, 12, 40));

  const QColor shell_top = Mix(pal.control, pal.text, 0.12);
  const QColor shell_bottom = Mix(pal.control, pal.base_bottom, 0.25);
  QLinearGradient shell(QPointF(0, 0), QPointF(200, 420));
  shell.setColorAt(0, shell_top);
  shell.setColorAt(1, shell_bottom);
  p.setPen(QPen(Mix(pal.control_border, pal.text, 0.22), 1.6));
  p.setBrush(shell);
  p.drawPath(outline);

  // Sheen over the left button.
  QRadialGradient sheen(QPointF(64, 70), 90);
  sheen.setColorAt(0, Alpha(Qt::white, 26));
  sheen.setColorAt(1, Alpha(Qt::white, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawPath(outline);

  // Lighting strips along both flanks.
  p.save();
  p.setClipRect(QRectF(-10, 168, 220, 214));
  const QPainterPath strip =
      QTransform().translate(100, 210).scale(0.93, 0.95).translate(-100, -210).map(outline);
  HaloPath(p, strip, pal.lighting, 2, 4, 60);
  p.setPen(Stroke(pal.lighting, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(strip);
  p.restore();

  // Split between the two buttons, and between buttons and palm.
  QPainterPath split;
  split.moveTo(100, 6), split.lineTo(100, 32);
  split.moveTo(100, 96), split.lineTo(100, 152);
  split.moveTo(8, 148), split.quadTo(100, 180, 192, 148);
  p.setPen(Stroke(pal.base_bottom, 2.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(split);
  p.setPen(Stroke(Alpha(pal.text, 30), 1));
  p.drawPath(split.translated(1, 1.5));

  // Wheel with ridges.
  const QRectF wheel(88, 34, 24, 58);
  Box(p, wheel.adjusted(-3, -3, 3, 3), 13, pal.base_bottom, pal.base_bottom, 0);
  Box(p, wheel, 11, Vertical(wheel, Mix(pal.control, pal.text, 0.2), pal.well),
      Alpha(pal.accent, 150), 1.2);
  p.setPen(QPen(Alpha(pal.text, 40), 1.2));
  for (double y = wheel.top() + 8; y < wheel.bottom() - 6; y += 5.5) {
    p.drawLine(QPointF(wheel.left() + 5, y), QPointF(wheel.right() - 5, y));
  }

  // DPI buttons behind the wheel and the DPI loop button on the palm.
  const QRectF up(91, 100, 18, 13), down(91, 117, 18, 13), loop(92, 188, 16, 24);
  for (const QRectF& r : {up, down})
    Box(p, r, 3.5, Mix(pal.control, pal.text, 0.16), pal.base_bottom, 1.2);
  p.setPen(Stroke(pal.text, 1.4));
  p.drawLine(QPointF(96.5, 106.5), QPointF(103.5, 106.5));
  p.drawLine(QPointF(100, 103), QPointF(100, 110));
  p.drawLine(QPointF(96.5, 123.5), QPointF(103.5, 123.5));
  Box(p, loop, 5, Mix(pal.control, pal.text, 0.14), pal.base_bottom, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(pal.accent);
  p.drawEllipse(QPointF(100, 194.5), 2.2, 2.2);

  // Emblem on the palm, lit.
  QRadialGradient emblem_glow(QPointF(100, 318), 40);
  emblem_glow.setColorAt(0, Alpha(pal.lighting, 70));
  emblem_glow.setColorAt(1, Alpha(pal.lighting, 0));
  p.setBrush(emblem_glow);
  p.drawEllipse(QPointF(100, 318), 40, 40);
  Emblem(p, QPointF(100, 318), 15, pal.lighting, Mix(pal.control, pal.base_bottom, 0.4), false);
  p.restore();
}

// Leader lines from each label to its button on the mouse.
void DrawLeaders(QPainter& p, const Palette& pal, const std::vector<GuideRect>& labels,
                 QPointF origin) {
  const QColor line = Mix(pal.accent, pal.card, 0.35);
  for (const GuideRect& label : labels) {
    const QPointF anchor = origin + MouseAnchor(label.number);
    const bool left = label.rect.center().x() < anchor.x();
    const QPointF edge(left ? label.rect.right() + 1 : label.rect.left(), label.rect.center().y());
    const QPointF elbow = edge + QPointF(left ? 14 : -14, 0);
    QPainterPath path;
    path.moveTo(edge), path.lineTo(elbow), path.lineTo(anchor);
    p.setPen(Stroke(Alpha(pal.base_bottom, 160), 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Stroke(line, 1.3));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(edge, 2.2, 2.2);
    p.setBrush(Alpha(pal.accent, 60));
    p.drawEllipse(anchor, 6, 6);
    p.setPen(QPen(pal.base_bottom, 1.4));
    p.setBrush(pal.accent);
    p.drawEllipse(anchor, 3.4, 3.4);
  }
}

QImage KeyPageBody(const Palette& pal, const SkinGuide& guide) {
  QImage image = Blank(982, 464);
  Painter p(image);
  Cards(p, pal, guide, "Back1");
  const std::vector<GuideRect>& labels = guide.labels.at("Back1");
  double left_edge = 0, right_edge = 982;
  for (const GuideRect& l : labels) {
    if (l.rect.center().x() < 320)
      left_edge = std::max<double>(left_edge, l.rect.right() + 1);
    else
      right_edge = std::min<double>(right_edge, l.rect.left());
  }
  const QPointF origin((left_edge + right_edge) / 2 - 100, 232 - 210);
  DrawMouse(p, pal, origin);
  DrawLeaders(p, pal, labels, origin);
  return image;
}

// The lighting page shows a small lit mouse inside a colour ring.
void DrawLightingPicture(QPainter& p, const Palette& pal, QPointF centre) {
  QConicalGradient ring(centre, 90);
  ring.setColorAt(0.0, pal.accent);
  ring.setColorAt(0.33, pal.glow);
  ring.setColorAt(0.66, Mix(pal.accent, pal.glow, 0.5));
  ring.setColorAt(1.0, pal.accent);
  for (int i = 7; i >= 0; --i) {
    p.setPen(QPen(QBrush(ring), 3 + 3.0 * i));
    p.setOpacity(i == 0 ? 1.0 : 0.05);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 118, 118);
  }
  p.setOpacity(1);
  const double scale = 0.44;
  p.save();
  p.translate(centre - QPointF(100 * scale, 210 * scale));
  p.scale(scale, scale);
  DrawMouse(p, pal, QPointF(0, 0));
  p.restore();
}

QImage PageBody(const Palette& pal, const SkinGuide& guide, const QString& name) {
  QImage image = Blank(982, 464);
  Painter p(image);
  Cards(p, pal, guide, name);
  if (const auto it = guide.glows.find(name); it != guide.glows.end()) {
    DrawLightingPicture(p, pal, it->second);
  }
  if (const auto it = guide.numbers.find(name); it != guide.numbers.end()) {
    for (const GuideRect& n : it->second) {
      const QRectF badge(n.rect.topLeft(), QSizeF(22, 22));
      Box(p, badge, 11, Mix(pal.control, pal.accent, 0.18),
          Mix(pal.control_border, pal.accent, 0.6));
      const QString digit = QString::number(n.number);
      DrawText(p, digit, badge.center() - QPointF(3.9, 6.6), 0.6, Stroke(pal.accent, 1.8));
    }
  }
  return image;
}

}  // namespace

Palette Graphite() {
  Palette p;
  p.base_top = QColor(19, 21, 26);
  p.base_bottom = QColor(12, 13, 16);
  p.band = QColor(22, 25, 30);
  p.card = QColor(26, 29, 35);
  p.card_border = QColor(43, 48, 57);
  p.control = QColor(31, 35, 42);
  p.control_border = QColor(50, 56, 66);
  p.well = QColor(16, 18, 22);
  p.text = QColor(222, 228, 235);
  p.dim = QColor(140, 150, 162);
  p.accent = QColor(34, 211, 238);
  p.accent_deep = QColor(14, 95, 107);
  p.glow = QColor(99, 102, 241);
  p.lighting = p.accent;
  return p;
}

Palette Midnight() {
  Palette p = Graphite();
  p.base_top = QColor(21, 18, 40);
  p.base_bottom = QColor(11, 9, 24);
  p.band = QColor(24, 20, 46);
  p.card = QColor(28, 24, 51);
  p.card_border = QColor(50, 43, 86);
  p.control = QColor(36, 31, 64);
  p.control_border = QColor(60, 52, 100);
  p.well = QColor(17, 14, 34);
  p.accent_deep = QColor(24, 84, 120);
  p.glow = QColor(217, 70, 239);
  p.lighting = p.glow;
  return p;
}

std::map<QString, QImage> DrawSharedImages(const Palette& pal, const SkinGuide& guide) {
  std::map<QString, QImage> images;
  const std::pair<const char*, State> states[] = {
      {"_01", State::kNormal}, {"_02", State::kHover}, {"_03", State::kPressed}};
  for (const auto& [suffix, state] : states) {
    images[QString("SetS") + suffix] = TabButton(pal, state);
    images[QString("BtnS") + suffix] = ActionButton(pal, 100, 30, state);
    images[QString("MacroS") + suffix] = ActionButton(pal, 90, 25, state);
    images[QString("MacroBtnS") + suffix] = ActionButton(pal, 44, 27, state);
    images[QString("KeyS") + suffix] = KeyLabel(pal, state);
    images[QString("ExitS") + suffix] = WindowButton(pal, state, true);
    images[QString("MiniS") + suffix] = WindowButton(pal, state, false);
    images[QString("WebS") + suffix] = Logo(pal, state);
  }
  images["CbS_D"] = CheckBox(pal, false);
  images["CbS_E"] = CheckBox(pal, true);
  images["RdS_D"] = OptionDot(pal, false);
  images["RdS_E"] = OptionDot(pal, true);
  images["Bar1_D"] = Step(pal, 26, 18, false);
  images["Bar1_E"] = Step(pal, 26, 18, true);
  images["Bar2_D"] = Step(pal, 20, 16, false);
  images["Bar2_E"] = Step(pal, 20, 16, true);
  images["Col_F"] = ColourFrame(pal);
  for (int n = 1; n <= 7; ++n) {
    images[QString("Gun%1_01").arg(n)] = Gun(pal, n, false);
    images[QString("Gun%1_02").arg(n)] = Gun(pal, n, true);
  }
  const int mode_chevrons[] = {1, 2, 1, 2, 3};
  for (int n = 1; n <= 5; ++n) {
    images[QString("GunMode%1").arg(n)] = GunMode(pal, 37 + 5 * n, mode_chevrons[n - 1]);
  }
  for (const char* name : {"InsertDelayBase", "InsertKeyBase", "InsertXYBase"}) {
    images[name] = InsertBase(pal, guide, name);
  }
  images["Slider_Thumb"] = SliderThumb(pal);
  images["Slider_Ruler"] = SliderRuler(pal);
  images["Update"] = UpdateBanner(pal);
  images["Msg"] = DialogBackground(pal);
  images["EngineerBackGround"] = EngineerBackground(pal);
  images["EngineerClose"] = EngineerClose();
  images["EngineerResult"] = EngineerResult(pal);
  return images;
}

std::map<QString, QImage> DrawLayoutImages(const Palette& pal, const SkinGuide& guide) {
  std::map<QString, QImage> images;
  images["BackGround"] = WindowBackground(pal);
  images["Back1"] = KeyPageBody(pal, guide);
  for (const char* name : {"Back2", "Back3", "Back4", "Back5"}) {
    images[name] = PageBody(pal, guide, name);
  }
  return images;
}

}  // namespace kvrm::skins
