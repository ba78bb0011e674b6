#include "ui/layout_rules.h"

#include <QPalette>

namespace kvrm::ui {

QColor ColourOf(const Rgb& rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

void ApplyTextStyle(QWidget& control, const TextStyle& style) {
  QFont font = control.font();
  if (style.size > 0) font.setPointSize(style.size);
  control.setFont(font);
  QPalette colours = control.palette();
  colours.setColor(QPalette::WindowText, ColourOf(style.colour));
  colours.setColor(QPalette::ButtonText, ColourOf(style.colour));
  colours.setColor(QPalette::Text, ColourOf(style.colour));
  control.setPalette(colours);
}

void ApplyFontName(QWidget& control, const QString& family) {
  if (family.isEmpty()) return;
  QFont font = control.font();
  font.setFamily(family);
  control.setFont(font);
}

void ApplyLabelStyle(QWidget& label, const LabelStyle& style) {
  ApplyTextStyle(label, {style.size, style.colour});
  label.setGeometry(style.at.x, style.at.y, style.width, style.height());
}

void ApplySwitchable(ImageButton& button, const Switchable& element, const Layout& layout,
                     bool inset_caption) {
  button.SetVisible(element.shown);
  if (!element.shown) return;
  SkinPicture* picture = button.picture();
  picture->move(element.at.x, element.at.y);
  const CaptionBox box = ChromeCaption(layout, inset_caption, element.at, picture->width());
  button.label()->setGeometry(box.x, element.at.y, box.width, picture->height());
}

void ApplyStepScale(StepBar& steps, QWidget* slider, const Place& scale, bool upward,
                    bool use_slider) {
  steps.SetVisible(!use_slider);
  if (slider) {
    slider->setVisible(use_slider);
    if (use_slider) slider->move(scale.x, scale.y);
  }
  steps.Place(scale, upward);
}

}  // namespace kvrm::ui
