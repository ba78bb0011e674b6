#include "ui/caption_forms.h"

namespace kvrm::ui {

QString MenuEntryCaption(const QString& bullet, const QString& text) {
  return " " + bullet + " " + text;
}

QString InsertOptionCaption(const QString& text, bool fire_editor) {
  return QString(fire_editor ? 5 : 4, ' ') + text;
}

void ReplaceComboEntry(QComboBox& combo, int index, const QString& text) {
  if (index >= 0 && index < combo.count()) combo.setItemText(index, text);
}

}  // namespace kvrm::ui
