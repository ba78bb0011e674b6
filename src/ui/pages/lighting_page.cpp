#include "ui/pages/lighting_page.h"

namespace kvrm::ui {

LightingPage::LightingPage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 3, parent) {}

}  // namespace kvrm::ui
