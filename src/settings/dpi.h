#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/image_layout.h"
#include "image/section_copies.h"
#include "image/user_fields.h"
#include "image/vendor_fields.h"
#include "keys/key_code.h"
#include "keys/key_names.h"
#include "settings/byte_write.h"
#include "texts/language_table.h"

namespace kvrm {

inline constexpr int kDpiValueCount = 12;
inline constexpr int kDpiValues[kDpiValueCount] = {200,  400,  600,  800,  1000, 1200,
                                                   1600, 2000, 2400, 3200, 4800, 6400};
inline constexpr int kDpiLevelUnset = 15;  // a level nibble that holds no value
inline constexpr int kActiveDpiLevelOffset = layout::kUserOffset + user::kDpiLevelByte;
inline constexpr int kDpiSliderSteps = 11;

// Snapping of the step sliders: the smallest i in 0..steps-1 with
// start + step * i < position <= start + step * (i + 1), 0 at or left of start,
// steps right of the last step; returned as i * 100.
int GetSliderRulerByX(int position, int steps, int start, int step);
// The step index 0..steps of a slider position on a track of length, the steps
// centred on their marks: step width length / steps, start -(width / 2).
int SnapSliderIndex(int position, int length, int steps);

// Which of count step images are lit (index 0 = image 1) to show image lit_image
// (1-based): only that image in bar mode, images 1..lit_image otherwise.
std::vector<bool> StepImagesLit(int count, int lit_image, bool bar_mode);

// The value text of table entry n - 1 for n = 1..12 (Str300..Str311), else "".
std::string GetDisplayByIndex(int n, const LanguageTable& texts);

// The level count (1..8) as Vendor byte 43.
ByteWrite DpiLevelCountWrite(int count);
ByteWrite ActiveDpiLevelWrite(int level_index);
ByteWrite DpiLevelColourWrite(int level, const vendor::Rgb& colour);  // level 1..8

// After level (1..8) got its new value in vendor: the byte of its pair, then the
// two writes that make the mouse re-select the active level (0..7): a - 1 (or
// a + 1 for level 0) and a.
std::vector<ByteWrite> DpiLevelValueWrites(const VendorSection& vendor, int level,
                                           int active_level);

struct AimKeyUpdate {
  ProfileKeyCodes profiles;
  bool found = false;  // at least one aim key slot; without one nothing is written
};

// Gives every slot named AIM Key the code 05, level_index, 00, 00.
AimKeyUpdate SettingAIMKey(int level_index, const KeyNames& names, const ProfileKeyCodes& profiles);

// The aim DPI shown for the active profile (0..2): b1 of its last aim key slot,
// which may lie outside the table (no value text); level 0 when it has none.
struct AimDisplay {
  bool has_aim_key = false;
  int level_index = 0;
};
AimDisplay RefreshAIMKey(int active_profile, const KeyNames& names,
                         const ProfileKeyCodes& profiles);

inline constexpr int kReportRatesHz[4] = {125, 250, 500, 1000};

int ReportRateHz(const VendorSection& vendor);
int ReportRateOption(const VendorSection& vendor);  // 1..4

struct ReportRateChange {
  VendorSection vendor;  // byte 4 bits 5..4 set, its other bits kept
  ByteWrite write;
  bool restart = false;  // the rate differs from the remembered one
};
// Choosing option 1..4 (125, 250, 500, 1000 Hz).
ReportRateChange ChooseReportRate(const VendorSection& vendor, int option, int remembered_hz);

}  // namespace kvrm
