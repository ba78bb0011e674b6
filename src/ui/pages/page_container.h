#pragma once

#include <QString>
#include <QWidget>

#include "ui/session_model.h"
#include "ui/skin_library.h"
#include "ui/widgets/skin_picture.h"

namespace kvrm::ui {

inline constexpr int kContainerCount = 7;
inline constexpr int kEngineerPageWidth = 1256;
inline constexpr int kEngineerPageHeight = 680;

// The body image of container gbPage<container> in layout k: Lk_Back1..4 for
// gbPage1..4, "Update" for gbPage5 in every layout, Lk_Back5 for gbPage6, none
// for the engineer page.
QString BodyImageName(int container, int layout);
// The background of every skinned container in layout k: Lk_BackGround.
QString BackgroundImageName(int layout);

// A page container gbPage<n>. Containers 1..6 show the background Img_Base_<n>
// over their whole size and the body image Img_P<n> above it; the engineer
// page (7) draws its own controls. Each page holds the glue between its
// controls and the shared model.
class PageContainer : public QWidget {
  Q_OBJECT

 public:
  PageContainer(SkinLibrary& skins, SessionModel& model, int number, QWidget* parent);

  int number() const { return number_; }
  SkinPicture* background() const { return background_; }
  SkinPicture* body() const { return body_; }

 protected:
  SkinLibrary& skins() { return skins_; }
  SessionModel& model() { return model_; }

 private:
  SkinLibrary& skins_;
  SessionModel& model_;
  int number_;
  SkinPicture* background_ = nullptr;
  SkinPicture* body_ = nullptr;
};

}  // namespace kvrm::ui
