#include "ui/widgets/image_button.h"

namespace kvrm::ui {

ImageButton::ImageButton(SkinLibrary& skins, const QString& name, QWidget* parent)
    : picture_(new SkinPicture(skins, "Img_" + name, parent)),
      label_(new CaptionLabel("Btn_" + name, parent)) {
  label_->raise();
}

void ImageButton::SetVisible(bool visible) {
  picture_->setVisible(visible);
  label_->setVisible(visible);
}

void ImageButton::Place(int x, int y, int inset_front, int inset_back) {
  picture_->move(x, y);
  label_->setGeometry(x + inset_front, y, picture_->width() - inset_front - inset_back,
                      picture_->height());
}

}  // namespace kvrm::ui
