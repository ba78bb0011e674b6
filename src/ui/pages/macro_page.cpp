#include "ui/pages/macro_page.h"

namespace kvrm::ui {

MacroPage::MacroPage(SkinLibrary& skins, SessionModel& model, QWidget* parent)
    : PageContainer(skins, model, 4, parent) {}

}  // namespace kvrm::ui
