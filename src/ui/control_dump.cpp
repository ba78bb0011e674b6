#include "ui/control_dump.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <optional>

#include "ui/widgets/caption_label.h"
#include "ui/widgets/colour_swatch.h"
#include "ui/widgets/skin_picture.h"
#include "ui/widgets/two_state_picture.h"

namespace kvrm::ui {
namespace {

QString Quoted(QString text) {
  text.replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n").replace('\r', "\\r");
  return '"' + text + '"';
}

std::optional<QString> TextOf(const QWidget& w) {
  if (auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(&w)) return edit->text();
  if (auto* combo = qobject_cast<const QComboBox*>(&w)) return combo->currentText();
  if (auto* group = qobject_cast<const QGroupBox*>(&w)) return group->title();
  if (auto* spin = qobject_cast<const QSpinBox*>(&w)) return spin->text();
  if (w.isWindow()) return w.windowTitle();
  return std::nullopt;
}

std::optional<bool> CheckedOf(const QWidget& w) {
  if (auto* button = qobject_cast<const QAbstractButton*>(&w); button && button->isCheckable()) {
    return button->isChecked();
  }
  if (auto* picture = qobject_cast<const TwoStatePicture*>(&w)) return picture->checked();
  if (auto* group = qobject_cast<const QGroupBox*>(&w); group && group->isCheckable()) {
    return group->isChecked();
  }
  return std::nullopt;
}

std::optional<int> IndexOf(const QWidget& w) {
  if (auto* combo = qobject_cast<const QComboBox*>(&w)) return combo->currentIndex();
  if (auto* slider = qobject_cast<const QAbstractSlider*>(&w)) return slider->value();
  if (auto* spin = qobject_cast<const QSpinBox*>(&w)) return spin->value();
  if (auto* list = qobject_cast<const QListWidget*>(&w)) return list->currentRow();
  return std::nullopt;
}

}  // namespace

QWidget* FindControl(const QString& name) {
  if (name.isEmpty()) return nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    if (w->objectName() == name) return w;
  }
  return nullptr;
}

QString ControlKind(const QWidget& w) {
  if (qobject_cast<const CaptionLabel*>(&w)) return "label";
  if (qobject_cast<const CheckPicture*>(&w)) return "check-picture";
  if (qobject_cast<const OptionPicture*>(&w)) return "option-picture";
  if (qobject_cast<const SkinPicture*>(&w)) return "picture";
  if (qobject_cast<const ColourSwatch*>(&w)) return "swatch";
  if (qobject_cast<const QLabel*>(&w)) return "label";
  if (qobject_cast<const QLineEdit*>(&w)) return "edit";
  if (qobject_cast<const QComboBox*>(&w)) return "combo";
  if (qobject_cast<const QCheckBox*>(&w)) return "check";
  if (qobject_cast<const QRadioButton*>(&w)) return "radio";
  if (qobject_cast<const QAbstractButton*>(&w)) return "button";
  if (qobject_cast<const QAbstractSlider*>(&w)) return "slider";
  if (qobject_cast<const QSpinBox*>(&w)) return "spin";
  if (qobject_cast<const QGroupBox*>(&w)) return "group";
  if (qobject_cast<const QAbstractItemView*>(&w)) return "list";
  if (qobject_cast<const QDialog*>(&w)) return "dialog";
  if (w.isWindow()) return "window";
  return "widget";
}

QString DumpControl(const QWidget& w) {
  QStringList parts = {w.objectName(), "kind=" + ControlKind(w)};
  if (const auto text = TextOf(w)) parts << "text=" + Quoted(*text);
  const bool visible = w.isWindow() ? w.isVisible() : !w.isHidden() && w.isVisibleTo(w.window());
  parts << QString("visible=%1").arg(visible ? 1 : 0);
  parts << QString("enabled=%1").arg(w.isEnabled() ? 1 : 0);
  if (const auto checked = CheckedOf(w)) parts << QString("checked=%1").arg(*checked ? 1 : 0);
  if (const auto index = IndexOf(w)) parts << QString("index=%1").arg(*index);
  if (const QVariant image = w.property("image"); image.isValid()) {
    parts << "image=" + image.toString();
  }
  const QRect at = w.geometry();
  parts << QString("x=%1 y=%2 w=%3 h=%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
  return parts.join(' ');
}

}  // namespace kvrm::ui
