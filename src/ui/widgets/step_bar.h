#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "texts/layout_config.h"
#include "ui/skin_library.h"
#include "ui/widgets/skin_picture.h"

namespace kvrm::ui {

// A row of step images (a DPI row, a speed scale): each step is its own
// picture, named by the caller, showing its off or on image.
class StepBar {
 public:
  // names[i] is the control name of step i + 1.
  StepBar(SkinLibrary& skins, const std::vector<QString>& names, QString off_image,
          QString on_image, QWidget* parent);

  int size() const { return static_cast<int>(steps_.size()); }
  SkinPicture* step(int i) const { return steps_[static_cast<size_t>(i)]; }
  void SetStepOn(int i, bool on);
  bool StepOn(int i) const;
  void SetVisible(bool visible);

  // Every step where the scale's place puts it, rightward or upward by the
  // scale's step distance; the first step's size is every step's size.
  void Place(const kvrm::Place& scale, bool upward);

 private:
  std::vector<SkinPicture*> steps_;
  QString off_image_;
  QString on_image_;
};

}  // namespace kvrm::ui
