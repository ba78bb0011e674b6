#include "ui/pages/key_assignment_page.h"

namespace kvrm::ui {

KeyAssignmentPage::KeyAssignmentPage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 1, parent) {
  for (int n = 1; n <= kKeyLabels; ++n) {
    auto* picture = new SkinPicture(skins, "Img_Key" + QString::number(n), this);
    picture->SetImage("KeyS_01");
    auto* label = new CaptionLabel("Key" + QString::number(n), this);
    label->setGeometry(picture->geometry());
    pictures_[static_cast<size_t>(n - 1)] = picture;
    labels_[static_cast<size_t>(n - 1)] = label;
  }
  connect(&model, &SessionModel::pagesRefreshed, this, [this] { ShowProfile(profile_); });
}

void KeyAssignmentPage::ShowProfile(int profile) {
  profile_ = profile;
  const KeyNames names = model().CurrentKeyNames();
  const auto& profile_slots = names.profiles[static_cast<size_t>(profile)];
  for (int n = 1; n <= kKeyLabels; ++n) {
    key_label(n)->setText(QString::fromStdString(profile_slots[static_cast<size_t>(n - 1)].text));
  }
}

void KeyAssignmentPage::RetranslateKeys() {
  const LanguageSet& languages = model().languages();
  for (CaptionLabel* label : labels_) {
    const std::string key = languages.FindLanguageKey(label->text().toStdString());
    if (!key.empty()) label->setText(QString::fromStdString(languages.LanguageText(key)));
  }
}

}  // namespace kvrm::ui
