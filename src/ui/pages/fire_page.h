#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The fire macro editor (gbPage6): recoil patterns from the gun presets.
class FirePage : public PageContainer {
  Q_OBJECT

 public:
  FirePage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
