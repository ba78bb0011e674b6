#include "ui/pages/page_container.h"

namespace kvrm::ui {

QString BodyImageName(int container, int layout) {
  const QString prefix = "L" + QString::number(layout) + "_";
  switch (container) {
    case 1:
    case 2:
    case 3:
    case 4:
      return prefix + "Back" + QString::number(container);
    case 5:
      return "Update";
    case 6:
      return prefix + "Back5";
    default:
      return {};
  }
}

QString BackgroundImageName(int layout) {
  return "L" + QString::number(layout) + "_BackGround";
}

PageContainer::PageContainer(SkinLibrary& skins, SessionModel& model, int number, QWidget* parent)
    : QWidget(parent), skins_(skins), model_(model), number_(number) {
  setObjectName("gbPage" + QString::number(number));
  if (number == kContainerCount) return;
  background_ = new SkinPicture(skins, "Img_Base_" + QString::number(number), this);
  body_ = new SkinPicture(skins, "Img_P" + QString::number(number), this);
}

}  // namespace kvrm::ui
