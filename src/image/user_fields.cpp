#include "image/user_fields.h"

#include <algorithm>
#include <stdexcept>

namespace kvrm {
namespace {

constexpr int kUserBase = 164;  // image offset of User byte 0

int SignedByte(uint8_t b) {
  return b >= 0x80 ? b - 0x100 : b;
}

uint8_t ClampedSigned(int value) {
  return static_cast<uint8_t>(std::clamp(value, -128, 127));
}

size_t GunByte(int first, int record) {
  if (record < 0 || record >= user::kGunOffsetCount) throw std::out_of_range("gun record");
  return static_cast<size_t>(first + record);
}

void SetBit(uint8_t& byte, int bit, bool on) {
  byte = static_cast<uint8_t>(on ? byte | (1 << bit) : byte & ~(1 << bit));
}

user::ProfileActivation Activation(uint8_t b3, uint8_t b4, uint8_t b6, uint8_t b0,
                                   uint8_t byte0_after) {
  return {{{{kUserBase + user::kKeyOptionByte, b3},
            {kUserBase + user::kGameModeByte, b4},
            {kUserBase + user::kReservedByte, 0},
            {kUserBase + user::kProfileOffsetByte, b6},
            {kUserBase + user::kProfileByte, b0}}},
          byte0_after};
}

}  // namespace

LedType LedTypeFromText(std::string_view text) {
  if (text == "RGB") return LedType::kRgb;
  if (text == "Sync") return LedType::kSync;
  if (text == "NT") return LedType::kNt;
  if (text == "MCULED") return LedType::kMcuLed;
  return LedType::kOther;
}

std::string_view LedTypeText(LedType type) {
  switch (type) {
    case LedType::kRgb:
      return "RGB";
    case LedType::kSync:
      return "Sync";
    case LedType::kNt:
      return "NT";
    case LedType::kMcuLed:
      return "MCULED";
    case LedType::kOther:
      break;
  }
  return "";
}

namespace user {

int ActiveProfile(const UserSection& user) {
  return user[kProfileByte] & 0x0F;
}

void SetActiveProfile(UserSection& user, int profile) {
  user[kProfileByte] =
      static_cast<uint8_t>((user[kProfileByte] & 0xF0) | std::clamp(profile, 0, 2));
}

int ProfileColour(const UserSection& user) {
  return user[kProfileByte] >> 4;
}

void SetProfileColour(UserSection& user, int colour) {
  user[kProfileByte] =
      static_cast<uint8_t>((user[kProfileByte] & 0x0F) | std::clamp(colour, 0, 15) << 4);
}

uint8_t EncodeLedByte(const LedSetting& setting) {
  switch (setting.type) {
    case LedType::kSync:
      return static_cast<uint8_t>(0x40 + std::clamp(setting.mode, 0, 2));
    case LedType::kNt:
      return static_cast<uint8_t>(0x80 + 16 * std::clamp(setting.count_index, 0, 7) +
                                  std::clamp(setting.mode, 0, 15));
    case LedType::kMcuLed:
      return static_cast<uint8_t>(0x81 + std::clamp(setting.mode, 0, 6));
    case LedType::kRgb:
    case LedType::kOther:
      break;
  }
  return static_cast<uint8_t>(std::clamp(setting.mode, 0, 6));
}

LedSetting DecodeLedByte(uint8_t byte) {
  const int low = byte & 0x0F;
  const int count = (byte >> 4) & 0x07;
  if (byte < 0x40) return {LedType::kRgb, low, 0};
  if (byte < 0x80) return {LedType::kSync, low, 0};
  if (byte >= 0xC0 || count != 0) return {LedType::kNt, low, count};
  // MCU LED effects are stored one up (81..87); 80 and 88..8F name none.
  return {LedType::kMcuLed, low >= 1 && low <= 7 ? low - 1 : kNoLedMode, 0};
}

int CurrentDpiLevel(const UserSection& user) {
  return user[kDpiLevelByte];
}

void SetCurrentDpiLevel(UserSection& user, int level) {
  user[kDpiLevelByte] = static_cast<uint8_t>(std::clamp(level, 0, 7));
}

bool ButtonEffectOn(const UserSection& user) {
  return user[kKeyOptionByte] & 0x01;
}
void SetButtonEffect(UserSection& user, bool on) {
  SetBit(user[kKeyOptionByte], 0, on);
}
bool GunModeOn(const UserSection& user) {
  return user[kKeyOptionByte] & 0x04;
}
void SetGunMode(UserSection& user, bool on) {
  SetBit(user[kKeyOptionByte], 2, on);
}

int GunXOffset(const UserSection& user, int record) {
  return SignedByte(user[GunByte(kGunXOffsetByte, record)]);
}

void SetGunXOffset(UserSection& user, int record, int value) {
  user[GunByte(kGunXOffsetByte, record)] = ClampedSigned(value);
}

int GunYOffset(const UserSection& user, int record) {
  return SignedByte(user[GunByte(kGunYOffsetByte, record)]);
}

void SetGunYOffset(UserSection& user, int record, int value) {
  user[GunByte(kGunYOffsetByte, record)] = ClampedSigned(value);
}

ProfileActivation PageActivation(int profile, const ActivationInputs& inputs) {
  const int colour = std::clamp(inputs.colour, 0, 10);
  const uint8_t effect = inputs.be_enable ? static_cast<uint8_t>(inputs.button_effect != 0) : 0;
  switch (std::clamp(profile, 0, 2)) {
    case 1: {
      const uint8_t b0 = inputs.gd_enable || colour == 10 ? 0xF1 : colour * 16 + 1;
      return Activation(static_cast<uint8_t>(effect + (inputs.gd_enable ? 4 : 0)), 0x0F,
                        static_cast<uint8_t>(std::clamp(inputs.profile_offset, 0, 255)), b0, 0xF1);
    }
    case 2:
      return Activation(effect, 0, 0, colour == 10 ? 0xF2 : colour * 16 + 2, 0x02);
    default:
      return Activation(effect, 0, 0, colour == 10 ? 0xF0 : colour * 16, 0x00);
  }
}

ProfileActivation EngineerActivation(int profile, const ActivationInputs& inputs) {
  const int p = std::clamp(profile, 0, 2);
  const int colour = std::clamp(inputs.colour, 0, 10);
  const uint8_t b0 = static_cast<uint8_t>(colour == 10 ? 0xF0 + p : colour * 16 + p);
  uint8_t b3 = inputs.be_enable ? static_cast<uint8_t>(inputs.button_effect != 0) : 0;
  if (p != 1) return Activation(b3, 0, 0, b0, b0);
  if (inputs.be_enable && inputs.gd_enable) b3 += 4;
  return Activation(b3, 0x0F, static_cast<uint8_t>(std::clamp(inputs.profile_offset, 0, 255)), b0,
                    b0);
}

std::optional<int> ProfileColourSelection(const UserSection& user) {
  const int colour = ProfileColour(user);
  if (colour <= 9) return colour;
  if (colour == kSpecifiedColour) return 10;
  return std::nullopt;
}

}  // namespace user
}  // namespace kvrm
