#include "ui/pages/fire_page.h"

namespace kvrm::ui {

FirePage::FirePage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 6, parent) {}

}  // namespace kvrm::ui
