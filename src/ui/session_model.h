#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "device/busy_window.h"
#include "device/clock.h"
#include "device/hid_backend.h"
#include "device/input_report_thread.h"
#include "device/timer_scheduler.h"
#include "image/backup_store.h"
#include "image/device_session.h"
#include "image/session_observer.h"
#include "keys/key_names.h"
#include "macros/custom_gun_keys.h"
#include "texts/language_set.h"
#include "ui/ui_work_queue.h"

namespace kvrm::ui {

// What every page shares: the device session with its image and copies, the
// languages, and the notifications that carry one part's effects to the
// others. The window and the pages never reach into each other's controls.
// All signals are delivered at once, on the UI thread, while the session waits.
class SessionModel : public QObject, public SessionObserver {
  Q_OBJECT

 public:
  SessionModel(HidBackend& backend, Clock& clock, BusyWindow& busy, TimerScheduler& scheduler,
               EventPasses& passes, QObject* parent = nullptr);
  ~SessionModel() override;

  DeviceSession& session() { return session_; }
  LanguageSet& languages() { return languages_; }
  const LanguageSet& languages() const { return languages_; }
  // The current language's text of a key, as a QString.
  QString Text(std::string_view key) const;

  // The folder of the backups and of the fire macro file; the file is read anew.
  void SetDataFolder(const std::filesystem::path& folder);
  // Reads the mouse's input reports until the model ends.
  void StartInputReports();
  void StopInputReports();

  // What naming a code needs beside the code, from the copies and the fire
  // macro file.
  KeyNamingState NamingState();
  // The display names of the 36 slots in the current language.
  KeyNames CurrentKeyNames();

  // SessionObserver: each request becomes a signal.
  void LockPages() override { Q_EMIT lockPages(); }
  void UnlockPages() override { Q_EMIT unlockPages(); }
  void ShowMessage(std::string_view key) override { Q_EMIT message(Text(key)); }
  void ShowNoDeviceMessage() override;
  void ShowFixedMessage(const std::string& text) override {
    Q_EMIT message(QString::fromStdString(text));
  }
  void ShowNoDeviceState() override { Q_EMIT noDevice(); }
  // The fire macro file is read again, then the pages hear of the mouse.
  void ShowDeviceReady() override;
  void CloseMenus() override { Q_EMIT closeMenus(); }
  void StopMarquee() override { Q_EMIT stopMarquee(); }
  void ClearMacroLists() override { Q_EMIT macroListsCleared(); }
  void RefreshPcMacroNames() override { Q_EMIT pcMacroNamesRefreshed(); }
  void RefreshPages() override { Q_EMIT pagesRefreshed(); }
  void SetTestButton(TestButton button, bool ticked) override {
    Q_EMIT testButtonChanged(static_cast<int>(button), ticked);
  }
  void RefreshCurrentDpiStatus() override { Q_EMIT currentDpiStatusRefreshed(); }
  void RefreshCurrentProfileStatus() override { Q_EMIT currentProfileStatusRefreshed(); }

 Q_SIGNALS:
  void lockPages();
  void unlockPages();
  // A message for the user, already in the current language.
  void message(const QString& text);
  // The mouse is gone or unusable: page 1, profile 1, nothing reachable.
  void noDevice();
  // The mouse has been read and the pages filled.
  void deviceReady();
  void closeMenus();
  void stopMarquee();
  void macroListsCleared();
  void pcMacroNamesRefreshed();
  // The copies changed as a whole: every page shows them again.
  void pagesRefreshed();
  void testButtonChanged(int button, bool ticked);
  void currentDpiStatusRefreshed();
  void currentProfileStatusRefreshed();
  // Language k is now the current one.
  void languageChanged(int language);

 private:
  LanguageSet languages_;
  DeviceSession session_;
  std::unique_ptr<BackupStore> backups_;
  std::unique_ptr<CustomGunKeys> gun_keys_;
  // Declared before the thread, so the thread has ended before its queued
  // reports are thrown away.
  UiWorkQueue input_queue_;
  InputReportThread input_reports_;
};

}  // namespace kvrm::ui
