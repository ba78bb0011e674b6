#include "ui/session_model.h"

#include "keys/mouse_keys.h"

namespace kvrm::ui {

SessionModel::SessionModel(HidBackend& backend, Clock& clock, BusyWindow& busy,
                           TimerScheduler& scheduler, EventPasses& passes, QObject* parent)
    : QObject(parent),
      languages_(LanguageSet::FromResources()),
      session_(backend, clock, busy, scheduler, *this),
      input_queue_(passes),
      input_reports_(session_.link(), input_queue_, [this](const std::vector<uint8_t>& report) {
        session_.HandleInputReport(report);
      }) {}

SessionModel::~SessionModel() {
  StopInputReports();
}

QString SessionModel::Text(std::string_view key) const {
  return QString::fromStdString(languages_.LanguageText(key));
}

void SessionModel::SetDataFolder(const std::filesystem::path& folder) {
  backups_ = std::make_unique<BackupStore>(folder / "backups");
  session_.set_backup_store(backups_.get());
  gun_keys_ = std::make_unique<CustomGunKeys>(folder);
  gun_keys_->Load();
}

void SessionModel::ShowDeviceReady() {
  if (gun_keys_) gun_keys_->Load();
  Q_EMIT deviceReady();
}

void SessionModel::StartInputReports() {
  input_reports_.Start();
}

void SessionModel::StopInputReports() {
  input_reports_.Stop();
}

void SessionModel::ShowNoDeviceMessage() {
  Q_EMIT message(Text("Str100") + "\n" + Text("Str101"));
}

KeyNamingState SessionModel::NamingState() {
  return DeriveMouseKeys(session_.copies(), gun_keys_.get(), languages_.CurrentTable()).naming;
}

KeyNames SessionModel::CurrentKeyNames() {
  return RefreshKeyNames(session_.code_texts(), NamingState(), languages_.CurrentTable());
}

}  // namespace kvrm::ui
