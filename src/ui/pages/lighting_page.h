#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The lighting page (gbPage3): effect, speed and colours of the LEDs.
class LightingPage : public PageContainer {
  Q_OBJECT

 public:
  LightingPage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
