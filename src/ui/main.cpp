// kvrm-config: the mouse's configuration window.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "device/platform_hid.h"
#include "sim/simulated_bus.h"
#include "sim/simulation.h"
#include "ui/app_options.h"
#include "ui/event_passes.h"
#include "ui/gui_clock.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"
#include "ui/platform_messages.h"
#include "ui/presence_timers.h"
#include "ui/script_runner.h"
#include "ui/single_instance.h"

namespace {

using kvrm::ui::MainWindow;

int64_t EpochMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Runs once, from the outermost message loop, after the first presence tick:
// the mouse has been read by then, or is known to be absent.
void AfterFirstTick(kvrm::ui::PresenceTimers& timers, std::function<void()> work) {
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = QObject::connect(&timers, &kvrm::ui::PresenceTimers::ticked, [connection, work] {
    QObject::disconnect(*connection);
    QTimer::singleShot(0, work);
  });
}

// KVRM_REPORT_STARTUP=1: the time of the first frame painted after the read,
// then the end of the run.
void ReportStartup(MainWindow& window, kvrm::ui::PresenceTimers& timers, int64_t started_us) {
  AfterFirstTick(timers, [&window, started_us] {
    if (!window.session().DevicePresent()) {
      std::cerr << "kvrm-config: no mouse was read\n";
      QApplication::exit(1);
      return;
    }
    QObject::connect(&window, &MainWindow::painted, &window, [started_us] {
      const int64_t now = EpochMicroseconds();
      std::cout << "first-frame-after-read epoch_us=" << now
                << " since_main_ms=" << (now - started_us) / 1000 << std::endl;
      QApplication::exit(0);
    });
    window.update();
  });
}

int RunScript(MainWindow& window, const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    std::cerr << "kvrm-config: cannot read script \"" << path << "\"\n";
    return 2;
  }
  QString error;
  const auto actions = kvrm::ui::ParseScript(QString::fromUtf8(file.readAll()), &error);
  if (!actions) {
    std::cerr << "kvrm-config: " << path << ": " << error.toStdString() << "\n";
    return 2;
  }
  kvrm::ui::ScriptRunner runner(window, std::cout);
  const int code = runner.Run(*actions, &error);
  if (code != 0) std::cerr << "kvrm-config: " << path << ": " << error.toStdString() << "\n";
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  const int64_t started_us = EpochMicroseconds();
  kvrm::ui::QuietUnsupportedPlatformNotes();
  QApplication app(argc, argv);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  std::string error;
  const auto options = kvrm::ui::ParseAppOptions(args, &error);
  if (!options) {
    std::cerr << "kvrm-config: " << error << "\n";
    return 2;
  }
  if (options->help) {
    std::cout << kvrm::ui::AppUsage();
    return 0;
  }

  // Unattended runs neither claim the single window nor give way to it.
  kvrm::ui::SingleInstance instance(kvrm::ui::kWindowCaption);
  if (!options->unattended() && !instance.Claim()) return 0;

  kvrm::ui::EventPasses passes;
  kvrm::ui::GuiClock clock(passes);
  kvrm::ui::PresenceTimers timers(passes);
  kvrm::ui::SkinLibrary skins;

  std::unique_ptr<kvrm::Simulation> simulation;
  std::unique_ptr<kvrm::SimulatedHidBus> empty_bus;
  std::unique_ptr<kvrm::HidBackend> platform;
  kvrm::HidBackend* backend = nullptr;
  if (options->no_device) {
    empty_bus = std::make_unique<kvrm::SimulatedHidBus>(clock);
    backend = empty_bus.get();
  } else if (options->simulation.enabled) {
    simulation = std::make_unique<kvrm::Simulation>(options->simulation, clock);
    if (!simulation->Start(&error)) {
      std::cerr << "kvrm-config: " << error << "\n";
      return 3;
    }
    backend = &simulation->bus();
  } else {
    platform = kvrm::MakePlatformHidBackend();
    backend = platform.get();
  }

  kvrm::ui::RecordedMessages printed(true);
  kvrm::ui::DialogMessages dialogs(skins, passes);
  kvrm::ui::MessagePresenter& messages =
      options->unattended() ? static_cast<kvrm::ui::MessagePresenter&>(printed) : dialogs;

  int code = 0;
  {
    kvrm::ui::WindowServices services{*backend, clock, timers, messages, passes, skins};
    services.engineer_button = options->engineer;
    MainWindow window(std::move(services));
    timers.SetTick([&window] { window.session().DevTimerTimer(); });
    QObject::connect(&instance, &kvrm::ui::SingleInstance::raiseRequested, &window,
                     &MainWindow::RestoreAndRaise);
    window.show();
    window.CreateBusyWindow();

    if (const char* report = std::getenv("KVRM_REPORT_STARTUP"); report && *report == '1') {
      ReportStartup(window, timers, started_us);
    }
    if (!options->screenshot_path.empty()) {
      AfterFirstTick(timers, [&window, &options] {
        window.PageOperation(options->screenshot_page);
        QString why;
        const bool saved = kvrm::ui::SaveWindowPicture(
            window, QString::fromStdString(options->screenshot_path), &why);
        if (!saved) std::cerr << "kvrm-config: " << why.toStdString() << "\n";
        QApplication::exit(saved ? 0 : 3);
      });
    } else if (!options->script_path.empty()) {
      AfterFirstTick(timers, [&window, &options] {
        QApplication::exit(RunScript(window, options->script_path));
      });
    }
    code = app.exec();
    timers.SetTick({});
  }
  if (simulation && !simulation->Finish(&error)) {
    std::cerr << "kvrm-config: " << error << "\n";
    if (code == 0) code = 3;
  }
  return code;
}
