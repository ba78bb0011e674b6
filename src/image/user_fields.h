#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "image/section_copies.h"

namespace kvrm {

// The LED hardware fitted in the mouse. kOther stands for an unknown or empty
// type text and behaves like RGB wherever a value depends on the type.
enum class LedType { kRgb, kSync, kNt, kMcuLed, kOther };

// "RGB", "Sync", "NT", "MCULED"; any other text gives kOther.
LedType LedTypeFromText(std::string_view text);
// The type text of a known type; kOther gives an empty text.
std::string_view LedTypeText(LedType type);

namespace user {

// Byte offsets inside the User section; image offset = 164 + byte.
inline constexpr int kProfileByte = 0;
inline constexpr int kLedByte = 1;
inline constexpr int kDpiLevelByte = 2;
inline constexpr int kKeyOptionByte = 3;
inline constexpr int kGameModeByte = 4;
inline constexpr int kReservedByte = 5;
inline constexpr int kProfileOffsetByte = 6;
inline constexpr int kGunXOffsetByte = 7;
inline constexpr int kGunYOffsetByte = 17;
inline constexpr int kGunOffsetCount = 10;
inline constexpr int kSpecifiedColour = 15;  // profile colour index of the specified colour

// Byte 0: active profile (0..2) in bits 3..0, profile colour (0..9, 15) in bits 7..4.
int ActiveProfile(const UserSection& user);
void SetActiveProfile(UserSection& user, int profile);
int ProfileColour(const UserSection& user);
void SetProfileColour(UserSection& user, int colour);

// Byte 1: LED hardware type and lighting mode.
struct LedSetting {
  LedType type = LedType::kRgb;
  // RGB, Sync and MCU LED: the effect (0..6, Sync 0..2); NT: the mode code
  // (0, 1, 2, 4, 5). kNoLedMode when the byte names no MCU LED effect.
  int mode = 0;
  int count_index = 0;  // NT only: LED count index 0..7
};
inline constexpr int kNoLedMode = -1;

// Values outside a type's range are clamped into it, so the type bits stay intact.
uint8_t EncodeLedByte(const LedSetting& setting);
// 00..3F RGB, 40..7F Sync, C0..FF NT; 80..BF is NT when bits 6..4 are not all
// zero and MCU LED when they are, so an NT value with count index 0 reads back
// as MCU LED.
LedSetting DecodeLedByte(uint8_t byte);

// Byte 2: the active DPI level, 0..7.
int CurrentDpiLevel(const UserSection& user);
void SetCurrentDpiLevel(UserSection& user, int level);

// Byte 3: bit 0 button-effect switch, bit 2 gun mode.
bool ButtonEffectOn(const UserSection& user);
void SetButtonEffect(UserSection& user, bool on);
bool GunModeOn(const UserSection& user);
void SetGunMode(UserSection& user, bool on);

// Bytes 7..16 and 17..26: signed adjustment values of the ten gun preset
// records; stored values are clamped to -128..127.
int GunXOffset(const UserSection& user, int record);
void SetGunXOffset(UserSection& user, int record, int value);
int GunYOffset(const UserSection& user, int record);
void SetGunYOffset(UserSection& user, int record, int value);

// One byte write of a profile activation.
struct ActivationWrite {
  int image_offset;
  uint8_t value;
};

// What activating a profile sends: bytes 3, 4, 5, 6 and 0, in that order, and
// the value the in-memory byte 0 takes afterwards.
struct ProfileActivation {
  std::array<ActivationWrite, 5> writes;
  uint8_t byte0_after;
};

struct ActivationInputs {
  bool be_enable = false;  // layout flag BE_Enable
  bool gd_enable = false;  // layout flag GD_Enable
  int button_effect = 0;   // engineer button-effect selection, 0 off, 1 on
  int colour = 0;          // engineer profile colour selection 0..10, 10 = specified
  int profile_offset = 0;  // Profile 2 byte 6
};

// The profile page buttons; profile is 0..2 and profile_offset the fire macro
// record length of the chip variant (24 or 32).
ProfileActivation PageActivation(int profile, const ActivationInputs& inputs);
// The engineer profile selector: Profile 2 gets no gun bit without BE, byte 6
// is the engineer offset value (clamped to 0..255), and byte 0 always carries
// the chosen colour.
ProfileActivation EngineerActivation(int profile, const ActivationInputs& inputs);

// The engineer colour selection (0..10) that byte 0 shows; colours 10..14 name
// no selection.
std::optional<int> ProfileColourSelection(const UserSection& user);

}  // namespace user
}  // namespace kvrm
