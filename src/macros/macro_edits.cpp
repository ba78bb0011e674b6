#include "macros/macro_edits.h"

#include <algorithm>

namespace kvrm {
namespace {

bool ValidItem(const MacroList& list, int item) {
  return item >= 0 && item < ListItemCount(list);
}

MacroEdit Unchanged(const MacroList& list, int item, Outcome outcome) {
  return {std::move(outcome), list, item};
}

}  // namespace

MacroEdit DeleteItem(const MacroList& list, int item) {
  if (!ValidItem(list, item)) return Unchanged(list, -1, Outcome::Silent(MacroStatus::kNotFound));
  const auto line = static_cast<size_t>(item) + 1;
  MacroList edited = list;
  const int kind = LineKind(list[line]);
  if (kind == 1 || kind == 2) {
    const std::string name = EventName(list[line]);
    const int partner_kind = kind == 1 ? 2 : 1;
    size_t partner = 0;
    if (kind == 1) {
      for (size_t i = line + 1; i < list.size() && partner == 0; ++i) {
        if (LineKind(list[i]) == partner_kind && EventName(list[i]) == name) partner = i;
      }
    } else {
      for (size_t i = line - 1; i >= 1 && partner == 0; --i) {
        if (LineKind(list[i]) == partner_kind && EventName(list[i]) == name) partner = i;
      }
    }
    if (partner == 0) {
      return Unchanged(list, item, Outcome::Fail(MacroStatus::kBadLine, "Macro Content Error"));
    }
    edited.erase(edited.begin() + static_cast<ptrdiff_t>(std::max(line, partner)));
    edited.erase(edited.begin() + static_cast<ptrdiff_t>(std::min(line, partner)));
  } else {
    edited.erase(edited.begin() + static_cast<ptrdiff_t>(line));
  }
  const int remaining = ListItemCount(edited);
  const int selected = remaining == 0 ? -1 : std::clamp(item - 1, 0, remaining - 1);
  return {Outcome::Ok(), std::move(edited), selected};
}

MacroEdit InsertItem(const MacroList& list, int item, InsertSide side, const std::string& line) {
  if (!ValidItem(list, item)) return Unchanged(list, -1, Outcome::Silent(MacroStatus::kNotFound));
  const int at_item = side == InsertSide::kFront ? item : item + 1;
  MacroList edited = list;
  edited.insert(edited.begin() + at_item + 1, line);
  return {Outcome::Ok(), std::move(edited), at_item};
}

MacroEdit ReplaceItem(const MacroList& list, int item, const std::string& line) {
  if (!ValidItem(list, item)) return Unchanged(list, -1, Outcome::Silent(MacroStatus::kNotFound));
  MacroList edited = list;
  edited[static_cast<size_t>(item) + 1] = line;
  return {Outcome::Ok(), std::move(edited), item};
}

}  // namespace kvrm
