#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <ostream>
#include <vector>

namespace kvrm::ui {

// One line of a script: "click Btn_Adv_1", "set cb_Profile 2", "wait 300".
struct ScriptAction {
  int line = 0;
  QString verb;
  QString name;   // the control, or the file of screenshot, or the time of wait
  QString value;  // set VALUE, key TEXT
};

// Reads a script: one action a line, blank lines and lines starting with "#"
// skipped. An unknown action or a missing argument is an error naming the line.
std::optional<std::vector<ScriptAction>> ParseScript(const QString& text, QString* error);

// Writes a PNG of the window as it is drawn, see-through parts transparent.
bool SaveWindowPicture(QWidget& window, const QString& path, QString* error);

// Carries a script out against the running window. Controls are found by name
// among all widgets, so every page's controls work without further ado.
class ScriptRunner {
 public:
  ScriptRunner(QWidget& window, std::ostream& out);

  // 0 when the script ran to its end or to quit; otherwise the error (an unknown
  // control or a value it cannot take) is in error, with its line number.
  int Run(const std::vector<ScriptAction>& actions, QString* error);

 private:
  bool Perform(const ScriptAction& action, QString* error);

  QWidget& window_;
  std::ostream& out_;
};

}  // namespace kvrm::ui
