#include "gui/window_fixture.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include "sim/simulation.h"
#include "ui/control_dump.h"
#include "ui/widgets/skin_picture.h"

namespace kvrm::ui::test {

void WindowFixture::CreateWindow() {
  services.open_url = [this](const QUrl& url) { opened_urls.push_back(url); };
  window = std::make_unique<MainWindow>(services);
  window->CreateBusyWindow();
}

void WindowFixture::CreateWindowWithMouse() {
  PlugMouse();
  CreateWindow();
  Tick();
  ASSERT_TRUE(window->session().DevicePresent());
  bus.ClearLog();
  messages.clear();
}

void WindowFixture::PlugMouse() {
  bus.AddMouse(kVariantCode4210C, SimulatorStartImage("4210C"));
}

void WindowFixture::Tick() {
  const PresenceTimer timer = scheduler.IsEnabled(PresenceTimer::kDevTimerFirst)
                                  ? PresenceTimer::kDevTimerFirst
                                  : PresenceTimer::kDevTimer;
  clock.SleepMilliseconds(IntervalMs(timer));
  window->session().DevTimerTimer();
}

void WindowFixture::ProcessEvents() {
  QCoreApplication::processEvents();
}

QWidget& WindowFixture::Control(const QString& name) {
  QWidget* control = FindControl(name);
  EXPECT_NE(control, nullptr) << name.toStdString();
  if (!control) throw std::runtime_error("no control " + name.toStdString());
  return *control;
}

QString WindowFixture::ImageOf(const QString& name) {
  return Control(name).property("image").toString();
}

QString WindowFixture::TextOf(const QString& name) {
  return Control(name).property("text").toString();
}

bool WindowFixture::Shown(const QString& name) {
  QWidget& control = Control(name);
  return !control.isHidden() && control.isVisibleTo(control.window());
}

void WindowFixture::Click(const QString& name) {
  QWidget& control = Control(name);
  const QPointF at = QRectF(control.rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, control.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&control, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, control.mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&control, &release);
}

void WindowFixture::Enter(const QString& name) {
  QWidget& control = Control(name);
  const QPointF at = QRectF(control.rect()).center();
  QEnterEvent event(at, at, control.mapToGlobal(at));
  QCoreApplication::sendEvent(&control, &event);
}

void WindowFixture::Leave(const QString& name) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(&Control(name), &event);
}

std::vector<std::pair<int, int>> WindowFixture::ShortWrites() {
  std::vector<std::pair<int, int>> writes;
  for (const SimReport& report : bus.Log()) {
    const auto& b = report.bytes;
    // 40 05 00 address d0 d1 d2 count: a short write of count bytes.
    if (report.kind == SimReport::Kind::kSent && b.size() >= 8 && b[0] == 0x40 && b[1] == 0x05 &&
        b[2] == 0x00) {
      writes.emplace_back(b[3], b[4]);
    }
  }
  return writes;
}

}  // namespace kvrm::ui::test
