#include "ui/script_runner.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QTimer>

#include "ui/control_dump.h"

namespace kvrm::ui {
namespace {

struct Verb {
  const char* name;
  int arguments;  // words after the verb; the last one takes the rest of the line
};
constexpr Verb kVerbs[] = {{"click", 1},      {"dblclick", 1}, {"hover", 1}, {"leave", 1},
                           {"set", 2},        {"key", 2},      {"wait", 1},  {"dump", 1},
                           {"screenshot", 1}, {"quit", 0}};

const Verb* FindVerb(const QString& name) {
  for (const Verb& verb : kVerbs) {
    if (name == verb.name) return &verb;
  }
  return nullptr;
}

void Settle() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SendMouse(QWidget& w, QEvent::Type type, Qt::MouseButtons buttons) {
  const QPointF local = QRectF(w.rect()).center();
  QMouseEvent event(type, local, w.mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &event);
}

void Click(QWidget& w) {
  if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
    button->click();
    return;
  }
  SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

void DoubleClick(QWidget& w) {
  Click(w);
  SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

void Hover(QWidget& w) {
  const QPointF local = QRectF(w.rect()).center();
  QEnterEvent event(local, local, w.mapToGlobal(local));
  QCoreApplication::sendEvent(&w, &event);
}

void Leave(QWidget& w) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(&w, &event);
}

bool SetValue(QWidget& w, const QString& value, QString* error) {
  bool is_number = false;
  const int number = value.toInt(&is_number);
  if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
    edit->setText(value);
    Q_EMIT edit->editingFinished();
    return true;
  }
  if (auto* combo = qobject_cast<QComboBox*>(&w)) {
    const int index = is_number ? number : combo->findText(value);
    if (index < 0 || index >= combo->count()) {
      *error = "\"" + value + "\" is no entry of " + w.objectName();
      return false;
    }
    combo->setCurrentIndex(index);
    return true;
  }
  if (auto* button = qobject_cast<QAbstractButton*>(&w); button && button->isCheckable()) {
    const bool on = value == "1" || value == "on" || value == "true";
    if (!on && value != "0" && value != "off" && value != "false") {
      *error = w.objectName() + " takes 1 or 0, not \"" + value + "\"";
      return false;
    }
    if (button->isChecked() != on) button->click();
    return true;
  }
  if (auto* slider = qobject_cast<QAbstractSlider*>(&w); slider && is_number) {
    slider->setValue(number);
    return true;
  }
  if (auto* spin = qobject_cast<QSpinBox*>(&w); spin && is_number) {
    spin->setValue(number);
    return true;
  }
  *error = w.objectName() + " cannot be set to \"" + value + "\"";
  return false;
}

void TypeKey(QWidget& w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&w, &release);
}

void TypeText(QWidget& w, const QString& text) {
  w.setFocus();
  static const std::pair<const char*, int> kNamedKeys[] = {
      {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},         {"Escape", Qt::Key_Escape},
      {"Tab", Qt::Key_Tab},       {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete}};
  for (const auto& [name, key] : kNamedKeys) {
    if (text == name) {
      TypeKey(w, key, QString());
      return;
    }
  }
  // Letters and digits share their key codes with their upper-case characters.
  for (const QChar c : text) TypeKey(w, c.toUpper().unicode(), c);
}

void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

std::optional<std::vector<ScriptAction>> ParseScript(const QString& text, QString* error) {
  std::vector<ScriptAction> actions;
  const QStringList lines = text.split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const int number = i + 1;
    const QString verb_name = line.section(' ', 0, 0, QString::SectionSkipEmpty);
    const Verb* verb = FindVerb(verb_name);
    if (!verb) {
      *error = QString("line %1: unknown action \"%2\"").arg(number).arg(verb_name);
      return std::nullopt;
    }
    ScriptAction action{number, verb_name, {}, {}};
    const QString rest = line.mid(verb_name.size()).trimmed();
    if (verb->arguments >= 1) {
      action.name =
          verb->arguments == 1 ? rest : rest.section(' ', 0, 0, QString::SectionSkipEmpty);
      if (verb->arguments == 2) action.value = rest.mid(action.name.size()).trimmed();
      if (action.name.isEmpty() || (verb->arguments == 2 && action.value.isEmpty())) {
        *error = QString("line %1: %2 needs %3")
                     .arg(number)
                     .arg(verb_name)
                     .arg(verb->arguments == 2 ? "a control and a value" : "an argument");
        return std::nullopt;
      }
    }
    if (action.verb == "wait") {
      bool ok = false;
      if (action.name.toInt(&ok) < 0 || !ok) {
        *error =
            QString("line %1: wait takes milliseconds, not \"%2\"").arg(number).arg(action.name);
        return std::nullopt;
      }
    }
    actions.push_back(action);
  }
  return actions;
}

bool SaveWindowPicture(QWidget& window, const QString& path, QString* error) {
  QPixmap picture(window.size());
  picture.fill(Qt::transparent);
  window.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
  if (!picture.save(path, "PNG")) {
    *error = "cannot write \"" + path + "\"";
    return false;
  }
  return true;
}

ScriptRunner::ScriptRunner(QWidget& window, std::ostream& out) : window_(window), out_(out) {}

int ScriptRunner::Run(const std::vector<ScriptAction>& actions, QString* error) {
  for (const ScriptAction& action : actions) {
    if (action.verb == "quit") return 0;
    QString why;
    if (!Perform(action, &why)) {
      *error = QString("line %1: %2").arg(action.line).arg(why);
      return 2;
    }
    Settle();
  }
  return 0;
}

bool ScriptRunner::Perform(const ScriptAction& action, QString* error) {
  if (action.verb == "wait") {
    Wait(action.name.toInt());
    return true;
  }
  if (action.verb == "screenshot") return SaveWindowPicture(window_, action.name, error);
  QWidget* control = FindControl(action.name);
  if (!control) {
    *error = "unknown control \"" + action.name + "\"";
    return false;
  }
  if (action.verb == "click") {
    Click(*control);
  } else if (action.verb == "dblclick") {
    DoubleClick(*control);
  } else if (action.verb == "hover") {
    Hover(*control);
  } else if (action.verb == "leave") {
    Leave(*control);
  } else if (action.verb == "set") {
    return SetValue(*control, action.value, error);
  } else if (action.verb == "key") {
    TypeText(*control, action.value);
  } else if (action.verb == "dump") {
    out_ << DumpControl(*control).toStdString() << std::endl;
  }
  return true;
}

}  // namespace kvrm::ui
