#include "ui/pages/engineer_page.h"

#include <QPalette>

namespace kvrm::ui {

EngineerPage::EngineerPage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, kContainerCount, parent) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(236, 236, 236));
  setPalette(colours);
  resize(kEngineerPageWidth, kEngineerPageHeight);
}

}  // namespace kvrm::ui
