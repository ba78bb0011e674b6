#pragma once

#include <string>
#include <utility>

namespace kvrm {

enum class MacroStatus {
  kOk,
  kDuplicateName,  // Str106
  kMouseFull,      // 15 macros on the mouse; refused without a message
  kAreaOverflow,   // Str103
  kLibraryFull,    // 100 macros, or 99 for import one; refused without a message
  kEmptyName,      // refused without a message
  kNameTooLong,
  kTooLong,  // a byte form would not fit its 256-byte slot
  kBadLine,
  kDamaged,
  kNotFound,
  kNotMacroFile,
  kFileError,
};

// What an operation did and what the user is to be told. When key is set the
// caller shows that language text; text is its English form, or the only text
// when the message has no language key. Both are empty for a silent refusal.
struct Outcome {
  MacroStatus status = MacroStatus::kOk;
  std::string key;
  std::string text;

  bool ok() const { return status == MacroStatus::kOk; }
  static Outcome Ok() { return {}; }
  static Outcome Silent(MacroStatus status) { return {status, {}, {}}; }
  static Outcome Fail(MacroStatus status, std::string text) {
    return {status, {}, std::move(text)};
  }
};

inline Outcome DuplicateNameOutcome() {
  return {MacroStatus::kDuplicateName, "Str106", "This macro already exists"};
}

inline Outcome AreaOverflowOutcome() {
  return {MacroStatus::kAreaOverflow, "Str103", "Macro bin length out of range"};
}

}  // namespace kvrm
