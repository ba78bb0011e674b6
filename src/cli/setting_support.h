#pragma once

// What the key and setting commands share: the state the pages derive from a
// read, field writes, and the lines that tell what changed.
#include <iosfwd>
#include <string>

#include "cli/cli.h"
#include "image/vendor_fields.h"
#include "keys/combo_keys.h"
#include "keys/key_code.h"
#include "keys/key_names.h"
#include "keys/mouse_keys.h"
#include "settings/byte_write.h"
#include "texts/language_table.h"

namespace kvrm::cli {

// The mouse's keys as the pages derive them after a read (see DeriveMouseKeys),
// with the custom gun keys of "Fire Macro.bin" in the data folder.
MouseKeys ReadMouseKeys(DeviceSession& session, const LanguageTable& texts);

// "09010000 (DPI +)", or the code alone when it has no name.
std::string DescribeCode(KeyCode code, const KeyNamingState& naming, const LanguageTable& texts);

// Stores the codes into the copies and code texts and prints one line per slot
// or combo key that changed, named with after_naming. Nothing is written to
// the mouse here.
void StoreCodeChanges(Context& ctx, const MouseKeys& before, const ProfileKeyCodes& profiles,
                      const ComboKeyCodes& combo_keys, const KeyNamingState& after_naming,
                      const LanguageTable& texts);

std::string Hex(int value, int digits);
// "FF8000"
std::string RgbText(vendor::Rgb colour);
// "27 at 0x2D": the bytes of a write and where they went.
std::string WriteText(const ByteWrite& write);
// Sends a field write; false (with the message) when the mouse did not take it.
bool SendWrite(Context& ctx, const ByteWrite& write);

}  // namespace kvrm::cli
