#pragma once

#include "ui/widgets/skin_picture.h"

namespace kvrm::ui {

// A picture with two states, each its own skin image; "checked" tells which.
class TwoStatePicture : public SkinPicture {
  Q_OBJECT
  Q_PROPERTY(bool checked READ checked)

 public:
  TwoStatePicture(SkinLibrary& skins, const QString& name, QString off_image, QString on_image,
                  QWidget* parent);

  void SetChecked(bool checked);
  bool checked() const { return checked_; }

 private:
  QString off_image_;
  QString on_image_;
  bool checked_ = false;
};

// A check image: CbS_D unchecked, CbS_E checked.
class CheckPicture : public TwoStatePicture {
  Q_OBJECT

 public:
  CheckPicture(SkinLibrary& skins, const QString& name, QWidget* parent)
      : TwoStatePicture(skins, name, "CbS_D", "CbS_E", parent) {}
};

// An option image: RdS_D unselected, RdS_E selected.
class OptionPicture : public TwoStatePicture {
  Q_OBJECT

 public:
  OptionPicture(SkinLibrary& skins, const QString& name, QWidget* parent)
      : TwoStatePicture(skins, name, "RdS_D", "RdS_E", parent) {}
};

}  // namespace kvrm::ui
