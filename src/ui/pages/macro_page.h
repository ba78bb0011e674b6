#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The macro editor (gbPage4).
class MacroPage : public PageContainer {
  Q_OBJECT

 public:
  MacroPage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
