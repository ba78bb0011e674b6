#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The advanced page (gbPage2): DPI levels, report rate, fire keys and the
// desktop mouse settings.
class AdvancedPage : public PageContainer {
  Q_OBJECT

 public:
  AdvancedPage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
