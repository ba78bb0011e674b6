#pragma once

#include "ui/pages/page_container.h"

namespace kvrm::ui {

// The engineer page (gbPage7): the maker's settings of the chip, larger than
// the skin (1256 x 680) and drawn without skin images.
class EngineerPage : public PageContainer {
  Q_OBJECT

 public:
  EngineerPage(SkinLibrary& skins, SessionModel& model, QWidget* parent);
};

}  // namespace kvrm::ui
