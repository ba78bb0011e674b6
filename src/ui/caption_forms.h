#pragma once

#include <QComboBox>
#include <QString>

namespace kvrm::ui {

// The forms in which language texts become captions.

// A key menu entry or heading: a space, the bullet (Str200), a space, the text.
QString MenuEntryCaption(const QString& bullet, const QString& text);
// An insert option label: four spaces before the text on the macro editor,
// five on the fire macro editor.
QString InsertOptionCaption(const QString& text, bool fire_editor);
// A drop-down entry is replaced in place; the drop-down keeps its number of
// entries, so an index beyond them changes nothing.
void ReplaceComboEntry(QComboBox& combo, int index, const QString& text);

}  // namespace kvrm::ui
