#include "ui/pages/advanced_page.h"

namespace kvrm::ui {

AdvancedPage::AdvancedPage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 2, parent) {}

}  // namespace kvrm::ui
