#pragma once

#include <QString>
#include <QWidget>

#include "ui/skin_library.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/skin_picture.h"

namespace kvrm::ui {

// A skinned button: the picture Img_<name> showing its state and the
// transparent caption Btn_<name> on top that takes the mouse. Both are children
// of the parent given; this object only ties them together.
class ImageButton {
 public:
  ImageButton(SkinLibrary& skins, const QString& name, QWidget* parent);

  SkinPicture* picture() const { return picture_; }
  CaptionLabel* label() const { return label_; }

  void SetImage(const QString& image) { picture_->SetImage(image); }
  const QString& image() const { return picture_->image(); }
  void SetCaption(const QString& caption) { label_->setText(caption); }
  void SetVisible(bool visible);
  // The picture at (x, y); the caption over it, inset by front and back pixels.
  void Place(int x, int y, int inset_front = 0, int inset_back = 0);

 private:
  SkinPicture* picture_;
  CaptionLabel* label_;
};

}  // namespace kvrm::ui
