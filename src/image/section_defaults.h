#pragma once

#include <string>

#include "image/section_copies.h"

namespace kvrm {

// The two engineer settings the default builders depend on.
struct DefaultInputs {
  std::string led_type;  // "RGB", "Sync", "NT", "MCULED"; any other text counts as other
  int package = 0;       // LED package item: 0 "Z-Ivid LED", 1 "RGB LED", -1 none selected
};

// The builders overwrite the data bytes of a section copy with its default and
// leave the checksum byte to the caller; bytes that a default does not define
// for the given inputs keep what the copy held.
void BuildVendorDefault(VendorSection& vendor, const DefaultInputs& inputs);
void BuildUserDefault(UserSection& user, const DefaultInputs& inputs);
void BuildProfileDefault(ProfileSection& profile, const DefaultInputs& inputs);
void BuildFireKeyDefault(FireKeyBlock& fire_keys);

// Zeroes the first 24 bytes of each fire macro table row; the rest of a 32-byte
// row is kept.
void ClearFireMacroTable(SectionCopies& copies);

// The Vendor, User and three profile defaults, each with a fresh checksum, and
// the fire key block default: the rebuilt configuration of the engineer reset.
void BuildDefaultSections(SectionCopies& copies, const DefaultInputs& inputs);

}  // namespace kvrm
