// The GUI tests run inside one QApplication on the offscreen platform, with
// the tool's data folder in a temporary place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <filesystem>

#include "ui/platform_messages.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / ("kvrm-gui-tests-" + std::to_string(::getpid()));
  qputenv("KVRM_DATA_DIR", QByteArray::fromStdString(data.string()));
  kvrm::ui::QuietUnsupportedPlatformNotes();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(data);
  return result;
}
