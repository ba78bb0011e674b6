#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The configuration data update page (gbPage5).
class UpdatePage : public PageContainer {
  Q_OBJECT

 public:
  UpdatePage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
