#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPointF>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "device/clock.h"
#include "device/hid_backend.h"
#include "device/timer_scheduler.h"
#include "texts/layout_config.h"
#include "ui/event_passes.h"
#include "ui/header_chrome.h"
#include "ui/loading_window.h"
#include "ui/marquee.h"
#include "ui/message_presenter.h"
#include "ui/pages/key_assignment_page.h"
#include "ui/pages/page_container.h"
#include "ui/session_model.h"
#include "ui/skin_library.h"

namespace kvrm::ui {

// The caption of the main window; it never changes, and a second start finds
// the first by it.
inline constexpr const char* kWindowCaption = "KVRM4210C Gaming Mouse v1.0";

// What the window is built on. Tests put the simulated bus, the virtual clock,
// hand-fired timers and recorded messages in; a run the real ones.
struct WindowServices {
  HidBackend& backend;
  Clock& clock;
  TimerScheduler& scheduler;
  MessagePresenter& messages;
  EventPasses& passes;
  SkinLibrary& skins;
  std::function<std::optional<GeneralSettings>(ConversionError*)> general_settings =
      [](ConversionError* error) { return ReadGeneralSettings(error); };
  std::function<std::optional<Layout>(int, const GeneralSettings&, ConversionError*)> layouts =
      [](int k, const GeneralSettings& settings, ConversionError* error) {
        return ReadLayout(k, settings, error);
      };
  // Opens the maker's web address.
  std::function<void(const QUrl&)> open_url = {};
  // The file a profile is saved to (save) or loaded from; empty when cancelled.
  std::function<QString(bool save)> choose_profile_file = {};
  // Shows the engineer header button although the layout does not ask for it.
  bool engineer_button = false;
};

// TForm1: the borderless skinned window with the header, the page containers,
// page switching and the mouse's session.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(WindowServices services);
  ~MainWindow() override;

  // The busy window's creation handler: it is placed and the search for the
  // mouse begins (the fast presence timer).
  void CreateBusyWindow();

  // --- Window operations ------------------------------------------------
  void LockPages();
  void UnlockPages();
  void HideAllMenu();
  void ButtonTypeB_1IconInit();
  void FitWindowToSkin();
  void FitWindowToEngineerPage();
  void RefreshAPPage();
  void RefreshFormMessagDialog(const QString& text);
  // Btn_Main_0Click (1) .. Btn_Engineer_0Click (8).
  void PageOperation(int page);
  // Btn_Lang1_0Click .. Btn_Lang3_0Click.
  void LanguageOperation(int language);
  // Layout k, then language k, k the current language; false when the layout
  // could not be read (its message is shown and neither is applied).
  bool ApplyLayoutAndLanguage();
  // Btn_Confirm1_1Click, Btn_Reset_0Click, Btn_Confirm3_1Click.
  void ConfirmOperation(int configuration);
  void Btn_Save_0Click();
  void Btn_Load_0Click();
  void Btn_Exit_0Click() { close(); }
  void Btn_Minimize_0Click() { showMinimized(); }
  void Btn_Web_0Click();
  // A second start asked for the window.
  void RestoreAndRaise();

  // Hover handlers of the header's caption labels (and the update page's).
  void ButtonMouseEnter(const QString& label_name);
  void ButtonMouseLeave(const QString& label_name);

  // --- State --------------------------------------------------------------
  SessionModel& model() { return *model_; }
  DeviceSession& session() { return model_->session(); }
  LoadingWindow& busy_window() { return *busy_; }
  HeaderChrome& header() { return *header_; }
  Marquee& marquee() { return marquee_; }
  PageContainer& container(int n) { return *containers_[static_cast<size_t>(n - 1)]; }
  KeyAssignmentPage& key_page() { return *key_page_; }
  const GeneralSettings& settings() const { return settings_; }
  int current_page() const { return pages_.checkedId(); }
  int current_language() const { return languages_.checkedId(); }
  QSize skin_size() const { return skin_size_; }

 Q_SIGNALS:
  // The window painted a frame (for the start-up figure).
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Start-up, in its order.
  void FormCreate();
  void LoadBaseSkin();
  void CentreOnScreen();
  void LoadSkinImages();
  void ReadGeneralSettings();
  void BuildHiddenState();
  void ConnectPictures();
  void ConnectHeader();
  void ConnectSession();

  // Pages.
  void SetCurrentPage(int page);
  void ShowOnlyContainer(int container);
  void ProfilePageSteps(int profile);
  void LoadBodyImage(int page);
  void ShowNoDeviceState();
  void ShowDeviceReady();

  // Layout and language.
  void ApplyLayout(const Layout& layout);
  void ApplyLanguage();
  void ApplyMask();

  // Window drag by the skin.
  void StartDrag(QPointF global_position);
  void ContinueDrag(QPointF global_position);

  QString Text(std::string_view key) const { return model_->Text(key); }

  WindowServices services_;
  SkinLibrary& skins_;
  std::unique_ptr<LoadingWindow> busy_;
  std::unique_ptr<SessionModel> model_;
  std::array<PageContainer*, kContainerCount> containers_{};
  KeyAssignmentPage* key_page_ = nullptr;
  std::unique_ptr<HeaderChrome> header_;
  Marquee marquee_;
  // The hidden radio groups of GroupBox1: current page rb_1..rb_8 and current
  // language rb_Lang1..rb_Lang3.
  QButtonGroup pages_;
  QButtonGroup languages_;
  GeneralSettings settings_;
  QSize skin_size_;
  std::optional<QPointF> drag_offset_;
};

}  // namespace kvrm::ui
