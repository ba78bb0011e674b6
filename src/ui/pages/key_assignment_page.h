#pragma once

#include <array>

#include "ui/pages/page_container.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/skin_picture.h"

namespace kvrm::ui {

inline constexpr int kKeyLabels = 12;

// The key assignment page (gbPage1) of profiles 1..3: the mouse with its button
// labels Key1..Key12, each over its picture Img_Key1..Img_Key12 and captioned
// with the function its slot holds.
class KeyAssignmentPage : public PageContainer {
  Q_OBJECT

 public:
  KeyAssignmentPage(SkinLibrary& skins, SessionModel& model, QWidget* parent);

  // RefreshProfile1Keys..RefreshProfile3Keys: the captions of profile 0..2.
  void ShowProfile(int profile);
  int profile() const { return profile_; }
  // The captions in another language: each caption that is some language's
  // function name becomes that key's text now; any other stays as it is.
  void RetranslateKeys();

  CaptionLabel* key_label(int n) const { return labels_[static_cast<size_t>(n - 1)]; }
  SkinPicture* key_picture(int n) const { return pictures_[static_cast<size_t>(n - 1)]; }

 private:
  int profile_ = 0;
  std::array<CaptionLabel*, kKeyLabels> labels_{};
  std::array<SkinPicture*, kKeyLabels> pictures_{};
};

}  // namespace kvrm::ui
