#include "ui/widgets/two_state_picture.h"

namespace kvrm::ui {

TwoStatePicture::TwoStatePicture(SkinLibrary& skins, const QString& name, QString off_image,
                                 QString on_image, QWidget* parent)
    : SkinPicture(skins, name, parent),
      off_image_(std::move(off_image)),
      on_image_(std::move(on_image)) {
  SetImage(off_image_);
}

void TwoStatePicture::SetChecked(bool checked) {
  checked_ = checked;
  SetImage(checked_ ? on_image_ : off_image_);
}

}  // namespace kvrm::ui
