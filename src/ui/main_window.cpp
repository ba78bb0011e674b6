// The main window: construction, start-up, window handling and the session's
// requests.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include "common/data_folder.h"
#include "image/profile_file.h"
#include "texts/skin_images.h"
#include "ui/pages/advanced_page.h"
#include "ui/pages/engineer_page.h"
#include "ui/pages/fire_page.h"
#include "ui/pages/lighting_page.h"
#include "ui/pages/macro_page.h"
#include "ui/pages/update_page.h"

namespace kvrm::ui {
namespace {

// The hidden state holders sit far outside the window.
constexpr int kHiddenStateTop = 3078;

}  // namespace

MainWindow::MainWindow(WindowServices services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      services_(std::move(services)),
      skins_(services_.skins) {
  setObjectName("Form1");
  setWindowTitle(kWindowCaption);
  if (!services_.open_url)
    services_.open_url = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  if (!services_.choose_profile_file) {
    services_.choose_profile_file = [this](bool save) {
      return save ? QFileDialog::getSaveFileName(this, QString(), QString(), "SaveFile(*.bin)")
                  : QFileDialog::getOpenFileName(this, QString(), QString(), "LoadFile(*.bin)");
    };
  }
  // The maroon of the skin is the window's colour and its see-through colour.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(kSkinTransparentRed, 0, 0));
  setPalette(colours);

  busy_ = std::make_unique<LoadingWindow>(services_.passes, this);
  model_ = std::make_unique<SessionModel>(services_.backend, services_.clock, *busy_,
                                          services_.scheduler, services_.passes);
  key_page_ = new KeyAssignmentPage(skins_, *model_, this);
  containers_ = {key_page_,
                 new AdvancedPage(skins_, *model_, this),
                 new LightingPage(skins_, *model_, this),
                 new MacroPage(skins_, *model_, this),
                 new UpdatePage(skins_, *model_, this),
                 new FirePage(skins_, *model_, this),
                 new EngineerPage(skins_, *model_, this)};
  header_ = std::make_unique<HeaderChrome>(
      skins_, std::array<QWidget*, kHeaderCopies>{containers_[0], containers_[1], containers_[2],
                                                  containers_[3], containers_[4]});
  BuildHiddenState();
  ConnectHeader();
  ConnectPictures();
  ConnectSession();
  connect(&marquee_, &Marquee::captionRolled, this,
          [this](const QString& label, const QString& caption) {
            if (auto* l = findChild<QLabel*>(label)) l->setText(caption);
          });
  FormCreate();
}

MainWindow::~MainWindow() {
  model_->StopInputReports();
  session().link().ForgetDevice();
}

void MainWindow::BuildHiddenState() {
  auto* holder = new QGroupBox(this);
  holder->setObjectName("GroupBox1");
  holder->move(0, kHiddenStateTop);
  auto* page_group = new QGroupBox(holder);
  page_group->setObjectName("gbPageCtl");
  for (int page = 1; page <= kPageCount; ++page) {
    auto* rb = new QRadioButton(page_group);
    rb->setObjectName("rb_" + QString::number(page));
    pages_.addButton(rb, page);
  }
  pages_.button(1)->setChecked(true);
  for (int k = 1; k <= kLayoutCount; ++k) {
    auto* rb = new QRadioButton(holder);
    rb->setObjectName("rb_Lang" + QString::number(k));
    languages_.addButton(rb, k);
  }
  holder->hide();
}

void MainWindow::ConnectHeader() {
  for (CaptionLabel* label : header_->Labels()) {
    const QString name = label->objectName();
    const QString base = WithoutCopySuffix(name).mid(4);
    connect(label, &CaptionLabel::entered, this, [this, name] { ButtonMouseEnter(name); });
    connect(label, &CaptionLabel::left, this, [this, name] { ButtonMouseLeave(name); });
    std::function<void()> click;
    for (int page = 1; page <= kPageCount; ++page) {
      if (base == PageButtonName(page)) click = [this, page] { PageOperation(page); };
    }
    for (int k = 1; k <= kLayoutCount; ++k) {
      if (base == LanguageButtonName(k)) click = [this, k] { LanguageOperation(k); };
      if (base == "Confirm" + QString::number(k)) click = [this, k] { ConfirmOperation(k); };
    }
    if (base == "Save") click = [this] { Btn_Save_0Click(); };
    if (base == "Load") click = [this] { Btn_Load_0Click(); };
    if (base == "Exit") click = [this] { Btn_Exit_0Click(); };
    if (base == "Mini") click = [this] { Btn_Minimize_0Click(); };
    if (base == "Web") click = [this] { Btn_Web_0Click(); };
    connect(label, &CaptionLabel::clicked, this, click);
  }
}

void MainWindow::ConnectPictures() {
  for (int n = 1; n < kContainerCount; ++n) {
    SkinPicture* background = container(n).background();
    connect(background, &SkinPicture::pressed, this, &MainWindow::StartDrag);
    connect(background, &SkinPicture::dragged, this, &MainWindow::ContinueDrag);
  }
  // While the pages are locked the overlays cover the skin; they move the window too.
  for (int copy = 1; copy <= kHeaderCopies; ++copy) {
    connect(header_->Overlay(copy), &CaptionLabel::pressed, this, &MainWindow::StartDrag);
    connect(header_->Overlay(copy), &CaptionLabel::dragged, this, &MainWindow::ContinueDrag);
  }
}

void MainWindow::ConnectSession() {
  SessionModel* m = model_.get();
  connect(m, &SessionModel::lockPages, this, &MainWindow::LockPages);
  connect(m, &SessionModel::unlockPages, this, &MainWindow::UnlockPages);
  connect(m, &SessionModel::message, this, &MainWindow::RefreshFormMessagDialog);
  connect(m, &SessionModel::noDevice, this, &MainWindow::ShowNoDeviceState);
  connect(m, &SessionModel::deviceReady, this, &MainWindow::ShowDeviceReady);
  connect(m, &SessionModel::stopMarquee, &marquee_, &Marquee::Stop);
}

void MainWindow::FormCreate() {
  services_.scheduler.SetEnabled(PresenceTimer::kDevTimerFirst, false);
  services_.scheduler.SetEnabled(PresenceTimer::kDevTimer, false);
  LoadBaseSkin();
  FitWindowToSkin();
  CentreOnScreen();
  session().link().ForgetDevice();
  LockPages();
  LoadSkinImages();
  ReadGeneralSettings();
  model_->SetDataFolder(DataFolder(settings_.path));
  languages_.button(1)->setChecked(true);
  model_->languages().Select(1);
  ApplyLayoutAndLanguage();
  QGuiApplication::setApplicationDisplayName(Text("Title"));
  session().link().accepted_ids() = {kMouseId};
  ShowOnlyContainer(1);
  LanguageOperation(1);
  model_->StartInputReports();
  update();
}

void MainWindow::CreateBusyWindow() {
  busy_->PlaceAtCreation();
  session().Start();
}

void MainWindow::LoadBaseSkin() {
  SkinPicture* base = container(1).background();
  base->SetImage(BackgroundImageName(1));
  const QPixmap& skin = skins_.Pixmap(base->image());
  skin_size_ =
      skin.isNull() ? QSize(skin_images::kWindowWidth, skin_images::kWindowHeight) : skin.size();
  header_->SizeOverlays(skin_size_);
}

void MainWindow::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.left() + (area.width() - skin_size_.width()) / 2,
       area.top() + (area.height() - skin_size_.height()) / 2);
}

void MainWindow::LoadSkinImages() {
  for (int n = 1; n < kContainerCount; ++n) {
    container(n).background()->SetImage(BackgroundImageName(1));
    container(n).body()->SetImage(BodyImageName(n, 1));
  }
  for (const QString& name : HeaderButtonNames()) {
    if (name.startsWith("Confirm")) {
      header_->SetImage(name, "BtnS_01");
    } else if (name == "Exit") {
      header_->SetImage(name, "ExitS_01");
    } else if (name == "Mini") {
      header_->SetImage(name, "MiniS_01");
    } else if (name == "Web") {
      header_->SetImage(name, "WebS_01");
    } else {
      header_->SetImage(name, name == "Main" || name == "Lang1" ? "SetS_03" : "SetS_01");
    }
  }
  for (int n = 1; n <= kKeyLabels; ++n) key_page_->key_picture(n)->SetImage("KeyS_01");
}

void MainWindow::ReadGeneralSettings() {
  ConversionError error;
  if (auto read = services_.general_settings(&error)) {
    settings_ = *read;
  } else {
    RefreshFormMessagDialog(QString::fromStdString(error.message));
  }
  session().set_ic_config_type(settings_.ic_config_type);
  marquee_.set_enabled(settings_.tr_enable);
}

void MainWindow::LockPages() {
  header_->SetOverlaysVisible(true);
}

void MainWindow::UnlockPages() {
  header_->SetOverlaysVisible(false);
}

void MainWindow::HideAllMenu() {
  model_->CloseMenus();
}

void MainWindow::ButtonTypeB_1IconInit() {
  for (const char* name : {"Main", "Switch", "Fixed", "Adv", "Breath", "Macro", "Update",
                           "Engineer", "Save", "Load"}) {
    header_->SetImage(name, "SetS_01");
  }
}

void MainWindow::FitWindowToSkin() {
  resize(skin_size_);
  for (int n = 1; n < kContainerCount; ++n) container(n).resize(skin_size_);
  container(kContainerCount).resize(kEngineerPageWidth, kEngineerPageHeight);
  ApplyMask();
}

void MainWindow::FitWindowToEngineerPage() {
  resize(kEngineerPageWidth, kEngineerPageHeight);
  for (int n = 1; n < kContainerCount; ++n) container(n).resize(skin_size_);
  container(kContainerCount).resize(kEngineerPageWidth, kEngineerPageHeight);
  clearMask();
}

void MainWindow::ApplyMask() {
  const QRegion& outline = skins_.Outline(container(1).background()->image());
  if (outline.isEmpty()) {
    clearMask();
  } else {
    setMask(outline);
  }
}

void MainWindow::RefreshFormMessagDialog(const QString& text) {
  services_.messages.Present(this, text, Text("FontName"));
}

void MainWindow::Btn_Web_0Click() {
  header_->SetImage("Web", "WebS_03");
  if (settings_.web_enable) services_.open_url(QUrl(QString::fromStdString(settings_.web)));
}

void MainWindow::RestoreAndRaise() {
  showNormal();
  raise();
  activateWindow();
}

void MainWindow::StartDrag(QPointF global_position) {
  HideAllMenu();
  drag_offset_.reset();
  if (QWindow* window = windowHandle(); window && window->startSystemMove()) return;
  // Without a window manager's move, the window follows the mouse itself.
  drag_offset_ = global_position - QPointF(pos());
}

void MainWindow::ContinueDrag(QPointF global_position) {
  if (drag_offset_) move((global_position - *drag_offset_).toPoint());
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  Q_EMIT painted();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  model_->StopInputReports();
  session().link().ForgetDevice();
  busy_->hide();
  event->accept();
}

}  // namespace kvrm::ui
