#include "ui/widgets/step_bar.h"

namespace kvrm::ui {

StepBar::StepBar(SkinLibrary& skins, const std::vector<QString>& names, QString off_image,
                 QString on_image, QWidget* parent)
    : off_image_(std::move(off_image)), on_image_(std::move(on_image)) {
  for (const QString& name : names) {
    auto* step = new SkinPicture(skins, name, parent);
    step->SetImage(off_image_);
    steps_.push_back(step);
  }
}

void StepBar::SetStepOn(int i, bool on) {
  if (i < 0 || i >= size()) return;
  step(i)->SetImage(on ? on_image_ : off_image_);
}

bool StepBar::StepOn(int i) const {
  return i >= 0 && i < size() && step(i)->image() == on_image_;
}

void StepBar::SetVisible(bool visible) {
  for (SkinPicture* s : steps_) s->setVisible(visible);
}

void StepBar::Place(const kvrm::Place& scale, bool upward) {
  if (steps_.empty()) return;
  const QSize first = steps_.front()->size();
  for (int i = 0; i < size(); ++i) {
    const Point at = StepPlace(scale, i + 1, first.width(), first.height(), upward);
    step(i)->move(at.x, at.y);
  }
}

}  // namespace kvrm::ui
