#pragma once

#include <QString>
#include <QWidget>

namespace kvrm::ui {

// The control of that object name among every widget of the tool, or nullptr.
QWidget* FindControl(const QString& name);

// One line about a control: NAME kind=KIND text="TEXT" visible=0|1 enabled=0|1
// checked=0|1 index=N image=IMAGE x=X y=Y w=W h=H, leaving out what the control
// does not have. The position is within the control's parent; visible means
// shown within its window.
QString DumpControl(const QWidget& control);

// The kind of a control as the dump names it ("label", "picture", "combo" …).
QString ControlKind(const QWidget& control);

}  // namespace kvrm::ui
