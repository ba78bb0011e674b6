#pragma once

#include <QColor>
#include <QWidget>

namespace kvrm::ui {

// The colour shape inside a colour frame (cs_DPI1Col, cs_Col1): a filled
// square of the colour it holds; a click asks for another.
class ColourSwatch : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor colour READ colour)

 public:
  ColourSwatch(const QString& name, QWidget* parent);

  void SetColour(const QColor& colour);
  const QColor& colour() const { return colour_; }

 Q_SIGNALS:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor colour_{Qt::black};
};

}  // namespace kvrm::ui
