#include "ui/pages/update_page.h"

namespace kvrm::ui {

UpdatePage::UpdatePage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 5, parent) {}

}  // namespace kvrm::ui
