// The main window's page operations and what the session asks of the pages.
#include "image/profile_file.h"
#include "image/user_fields.h"
#include "ui/main_window.h"

namespace kvrm::ui {
namespace {

constexpr int kFirstNonProfilePage = 4;
constexpr int kEngineerPage = 8;
constexpr int kUpdateContainer = 5;

// The container that shows a page: gbPage1 for the three profiles, then
// gbPage2..gbPage5, and gbPage7 for the engineer page.
int ContainerOfPage(int page) {
  if (page < kFirstNonProfilePage) return 1;
  if (page == kEngineerPage) return kContainerCount;
  return page - 2;
}

bool IsProfilePage(int page) {
  return page >= 1 && page < kFirstNonProfilePage;
}

}  // namespace

void MainWindow::PageOperation(int page) {
  if (page < 1 || page > kPageCount) return;
  if (!session().DevicePresent()) {
    RefreshFormMessagDialog(Text("Str022"));
    return;
  }
  if (session().no_device_state()) return;
  if (IsProfilePage(page) && session().refresh_in_progress()) return;

  HideAllMenu();
  ButtonTypeB_1IconInit();
  SetCurrentPage(page);
  ShowOnlyContainer(ContainerOfPage(page));
  if (page == kEngineerPage) {
    FitWindowToEngineerPage();
  } else {
    FitWindowToSkin();
  }
  if (IsProfilePage(page)) ProfilePageSteps(page - 1);
  header_->SetImage(PageButtonName(page), "SetS_03");
  LoadBodyImage(page);
}

void MainWindow::ProfilePageSteps(int profile) {
  // The mouse switches to the profile at once: five one-byte writes.
  UserSection& user = session().copies().user;
  user::ActivationInputs inputs;
  inputs.be_enable = settings_.be_enable;
  inputs.gd_enable = settings_.gd_enable;
  inputs.button_effect = user::ButtonEffectOn(user) ? 1 : 0;
  inputs.colour = user::ProfileColourSelection(user).value_or(0);
  inputs.profile_offset = session().copies().variant_layout.fire_record_length;
  for (const user::ActivationWrite& write : user::PageActivation(profile, inputs).writes) {
    const uint8_t value = write.value;
    session().WriteField(write.image_offset, std::span(&value, 1));
  }
  key_page_->ShowProfile(profile);
  user::SetActiveProfile(user, profile);
}

void MainWindow::LoadBodyImage(int page) {
  // The update page keeps its one image; the engineer page has none.
  const int c = ContainerOfPage(page);
  if (c == kUpdateContainer || c == kContainerCount) return;
  container(c).body()->SetImage(BodyImageName(c, current_language()));
}

void MainWindow::SetCurrentPage(int page) {
  pages_.button(page)->setChecked(true);
}

void MainWindow::ShowOnlyContainer(int shown) {
  // Show the new one first, so the window never paints without a page.
  container(shown).show();
  for (int n = 1; n <= kContainerCount; ++n) {
    if (n != shown) container(n).hide();
  }
}

void MainWindow::RefreshAPPage() {
  if (session().no_device_state()) {
    ShowOnlyContainer(1);
    return;
  }
  const int page = current_page();
  if (page == kEngineerPage) return;
  ShowOnlyContainer(ContainerOfPage(page));
}

void MainWindow::ShowNoDeviceState() {
  SetCurrentPage(1);
  ShowOnlyContainer(1);
  // An engineer page left open must not keep its size around the skin.
  FitWindowToSkin();
  key_page_->ShowProfile(0);
  for (int page = 1; page <= kPageCount; ++page) {
    header_->SetImage(PageButtonName(page), page == 1 ? "SetS_03" : "SetS_01");
  }
}

void MainWindow::ShowDeviceReady() {
  RefreshAPPage();
  if (IsProfilePage(current_page())) key_page_->ShowProfile(current_page() - 1);
}

void MainWindow::ConfirmOperation(int configuration) {
  header_->SetImage("Confirm" + QString::number(configuration), "BtnS_03");
  session().DefaultParameterConfirm(configuration);
}

void MainWindow::Btn_Save_0Click() {
  HideAllMenu();
  header_->SetImage("Save", "SetS_03");
  if (!session().DevicePresent()) {
    RefreshFormMessagDialog(Text("Str022"));
    return;
  }
  const QString chosen = services_.choose_profile_file(true);
  if (chosen.isEmpty()) return;
  SaveProfileFile(session(), ProfileFileName(chosen.toStdString()));
}

void MainWindow::Btn_Load_0Click() {
  HideAllMenu();
  header_->SetImage("Load", "SetS_03");
  if (!session().DevicePresent()) {
    RefreshFormMessagDialog(Text("Str022"));
    return;
  }
  const QString chosen = services_.choose_profile_file(false);
  if (chosen.isEmpty()) return;
  LoadProfileFile(session(), chosen.toStdString());
}

}  // namespace kvrm::ui
