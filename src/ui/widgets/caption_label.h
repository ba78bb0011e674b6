#pragma once

#include <QLabel>

namespace kvrm::ui {

// A transparent caption (Btn_…, Key1, Disable_All_n) laid over a skinned
// picture; it takes the mouse for the picture beneath.
class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& name, QWidget* parent);

 Q_SIGNALS:
  void entered();
  void left();
  void pressed(QPointF global_position);
  void dragged(QPointF global_position);
  void clicked();
  void doubleClicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kvrm::ui
