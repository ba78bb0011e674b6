#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvrm {

// A gun of the fire page: which fire records it plays.
struct GunPreset {
  int gun;                    // 1..7
  std::string_view name_key;  // language key of its name
  std::string_view name;      // the English name
  int first_record;           // also the preset number in its key code
  int record_count;           // records it may edit (segments 1..3)
};

inline constexpr std::array<GunPreset, 7> kGunPresets = {{
    {1, "Str600", "AKM Fire", 0, 1},
    {2, "Str601", "M16 Fire", 1, 1},
    {3, "Str602", "M4 Fire", 2, 1},
    {4, "Str603", "UMP9 Fire", 3, 1},
    {5, "Str604", "SCAR-L Fire", 4, 1},
    {6, "Str605", "5.56 Fire", 5, 2},
    {7, "Str606", "7.62 Fire", 7, 3},
}};

inline constexpr int kDefaultGun6Segments = 2;
inline constexpr int kDefaultGun7Segments = 3;

// The preset of gun 1..7; gun 1 for any other number.
const GunPreset& GunPresetFor(int gun);

// The fire records gun g edits, segment 1 first.
std::vector<int> GunRecords(int gun);

// Records the gun plays: 1 for guns 1 to 5, the layout's Gun6_Num or
// Gun7_Num for guns 6 and 7 (0 or below counts as 1, and no more than the
// gun has records).
int GunSegments(int gun, int gun6_num, int gun7_num);

// "0B", flags (0x10 when the left click is kept, plus the first record),
// segments, and the gun flag digits: eight upper-case hex digits.
std::string GunKeyCode(int gun, bool keep_left_click, int segments, std::string_view gun_flag);

}  // namespace kvrm
