// kvrm-config as a program: single instance, screenshots and scripts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "ui/main_window.h"
#include "ui/single_instance.h"

namespace kvrm::ui::test {
namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    // A user of its own, so neither a developer's window nor a parallel test answers.
    environment.insert(
        "USER",
        "kvrm-test-" + QString::number(QCoreApplication::applicationPid()) + "-" +
            QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("KVRM_DATA_DIR", folder.filePath("data"));
  }

  // Runs the program to its end; false when it did not end in time.
  bool Run(const QStringList& arguments, int* code, QString* errors = nullptr) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(KVRM_CONFIG_PATH, arguments);
    if (!program.waitForFinished(60000)) {
      program.kill();
      program.waitForFinished();
      return false;
    }
    *code = program.exitCode();
    if (errors) *errors = QString::fromUtf8(program.readAllStandardError());
    return true;
  }

  QTemporaryDir folder;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ProgramTest, ASecondStartGivesWayToTheFirst) {
  QProcess first;
  first.setProcessEnvironment(environment);
  first.start(KVRM_CONFIG_PATH, {"--no-device"});
  ASSERT_TRUE(first.waitForStarted());
  // The first window is up once its socket answers.
  const QByteArray own_user = qgetenv("USER");
  qputenv("USER", environment.value("USER").toUtf8());
  const QString name = InstanceServerName(kWindowCaption);
  qputenv("USER", own_user);
  bool listening = false;
  for (int attempt = 0; attempt < 300 && !listening; ++attempt) {
    QLocalSocket probe;
    probe.connectToServer(name);
    listening = probe.waitForConnected(100);
    if (!listening) QThread::msleep(100);
  }
  ASSERT_TRUE(listening);

  int code = -1;
  ASSERT_TRUE(Run({"--no-device"}, &code));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  first.terminate();
  first.waitForFinished();
}

TEST_F(ProgramTest, ScreenshotShowsTheAskedPageOfTheReadMouse) {
  const QString picture = folder.filePath("advanced.png");
  int code = -1;
  QString errors;
  ASSERT_TRUE(Run({"--screenshot", picture, "--page", "4"}, &code, &errors));
  EXPECT_EQ(code, 0) << errors.toStdString();
  const QImage image(picture);
  EXPECT_EQ(image.size(), QSize(1030, 662));
  EXPECT_FALSE(errors.contains("message:")) << errors.toStdString();
}

TEST_F(ProgramTest, ScriptsDumpControlsAndNameTheirFaults) {
  const QString script = folder.filePath("script.txt");
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("click Btn_Adv_1\ndump rb_4\ndump Btn_Nowhere_1\n");
  file.close();
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(KVRM_CONFIG_PATH, {"--script", script});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 2);
  EXPECT_TRUE(program.readAllStandardOutput().startsWith("rb_4 kind=radio"));
  EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError())
                  .contains("line 3: unknown control \"Btn_Nowhere_1\""));
}

TEST_F(ProgramTest, NoMouseMessagesArePrintedNotShown) {
  const QString script = folder.filePath("script.txt");
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("click Btn_Macro_2\nquit\n");
  file.close();
  int code = -1;
  QString errors;
  ASSERT_TRUE(Run({"--script", script, "--no-device"}, &code, &errors));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(errors.contains("kvrm-config: message: Finding the specified device"))
      << errors.toStdString();
}

}  // namespace
}  // namespace kvrm::ui::test
