#pragma once

#include <string>

#include "macros/macro_lines.h"
#include "macros/macro_outcome.h"
#include "macros/macro_recorder.h"

namespace kvrm {

// The macro list after an edit of the editor, and the list view item to select
// (-1 for none). Items are list view items: item i is line i + 1.
struct MacroEdit {
  Outcome outcome;
  MacroList list;
  int selected = -1;
};

// Deletes item `item`. A press goes together with the first later release of
// the same name, a release with the nearest earlier press of that name; when
// the partner is missing nothing is deleted and "Macro Content Error" is the message.
MacroEdit DeleteItem(const MacroList& list, int item);

// Puts `line` before (front) or after (back) item `item` and selects it.
MacroEdit InsertItem(const MacroList& list, int item, InsertSide side, const std::string& line);

// Replaces the line of item `item` (the other half of a press/release pair stays).
MacroEdit ReplaceItem(const MacroList& list, int item, const std::string& line);

}  // namespace kvrm
