#include "image/vendor_fields.h"

#include <algorithm>
#include <stdexcept>

namespace kvrm::vendor {
namespace {

uint16_t Get16(const VendorSection& vendor, int offset) {
  return static_cast<uint16_t>(vendor[static_cast<size_t>(offset)] << 8 |
                               vendor[static_cast<size_t>(offset) + 1]);
}

void Set16(VendorSection& vendor, int offset, uint16_t value) {
  vendor[static_cast<size_t>(offset)] = static_cast<uint8_t>(value >> 8);
  vendor[static_cast<size_t>(offset) + 1] = static_cast<uint8_t>(value);
}

int Checked(int index, int last, const char* what) {
  if (index < 1 || index > last) throw std::out_of_range(what);
  return index;
}

Rgb GetRgb(const VendorSection& vendor, int offset) {
  const auto at = static_cast<size_t>(offset);
  return {vendor[at], vendor[at + 1], vendor[at + 2]};
}

void PutRgb(VendorSection& vendor, int offset, Rgb rgb) {
  const auto at = static_cast<size_t>(offset);
  vendor[at] = rgb.red;
  vendor[at + 1] = rgb.green;
  vendor[at + 2] = rgb.blue;
}

// Bit of byte 42 for each effect box of a type; -1 where the type has no such box.
std::array<int, 7> EffectBits(LedType type) {
  switch (type) {
    case LedType::kSync:
      return {0, 1, 2, -1, -1, -1, -1};
    case LedType::kNt:
      return {0, 1, 2, -1, 4, 5, -1};
    case LedType::kMcuLed:
      return {1, 2, 3, 4, 5, 6, 7};
    case LedType::kRgb:
    case LedType::kOther:
      break;
  }
  return {0, 1, 2, 3, 4, 5, 6};
}

}  // namespace

uint16_t VendorId(const VendorSection& vendor) {
  return Get16(vendor, kVendorIdOffset);
}
void SetVendorId(VendorSection& vendor, uint16_t id) {
  Set16(vendor, kVendorIdOffset, id);
}
uint16_t ProductId(const VendorSection& vendor) {
  return Get16(vendor, kProductIdOffset);
}
void SetProductId(VendorSection& vendor, uint16_t id) {
  Set16(vendor, kProductIdOffset, id);
}

int Option(const VendorSection& vendor, OptionField field) {
  return vendor[static_cast<size_t>(field.offset)] >> field.shift & ((1 << field.width) - 1);
}

void SetOption(VendorSection& vendor, OptionField field, int value) {
  const int mask = ((1 << field.width) - 1) << field.shift;
  uint8_t& byte = vendor[static_cast<size_t>(field.offset)];
  byte = static_cast<uint8_t>((byte & ~mask) | (value << field.shift & mask));
}

const std::array<SensorRegister, kSensorRegisterCount> kSensorRegisters{{
    {9, "Avg_lb_lq"},
    {10, "Avg_hb_lq"},
    {11, "Avg_tg_lq"},
    {12, "Avg_lb"},
    {13, "Avg_hb"},
    {14, "Avg_tg"},
    {15, "MiscBitCfg"},
    {16, "HSqDcrDiv_LSqDcrDiv"},
    {17, "LfBpsShlThr"},
    {18, "LfHfsqThr"},
    {19, "CrpThrGain1Sql"},
    {20, "CrpThrGain1Sqh"},
    {21, "CrpThrGain2Sql"},
    {22, "CrpThrGain2Sqh"},
    {23, "CrpThrGain4Sql"},
    {24, "CrpThrGain4Sqh"},
    {25, "CrpThrGain8Sqx"},
    {26, "BpGainThr_LandThrWeight"},
    {27, "CrpCntThr_LftBpsGainThr"},
    {28, "HsqCorBit_LsqCorBit"},
    {29, "LftCorBitAvgThr"},
    {30, "SubpixCorBit_MaxGain"},
    {31, "MaxShut"},
    {32, "LandCntThr"},
    {33, "LiftCntThr"},
    {34, "CorBitHfsqThr"},
    {35, "illumXledAvgThr"},
    {36, "BpHfsqThr"},
    {37, "HgLsqCorBit_LgLsqCorBit"},
    {38, "HgLsqThr"},
    {39, "Misc_G8CorBit"},
}};

std::string_view SensorRegisterName(int offset) {
  const int i = offset - kFirstSensorRegister;
  if (i < 0 || i >= kSensorRegisterCount) return {};
  return kSensorRegisters[static_cast<size_t>(i)].name;
}

uint8_t LedInit0(const VendorSection& vendor) {
  return vendor[kLedInit0Offset];
}
void SetLedInit0(VendorSection& vendor, uint8_t value) {
  vendor[kLedInit0Offset] = value;
}
uint8_t LedInit1(const VendorSection& vendor) {
  return vendor[kLedInit1Offset];
}
void SetLedInit1(VendorSection& vendor, uint8_t value) {
  vendor[kLedInit1Offset] = value;
}

uint8_t EffectsMask(LedType type, const EffectBoxes& boxes) {
  const auto bits = EffectBits(type);
  int mask = 0;
  for (size_t box = 0; box < boxes.size(); ++box) {
    if (boxes[box] && bits[box] >= 0) mask |= 1 << bits[box];
  }
  return static_cast<uint8_t>(mask);
}

EffectBoxes EffectBoxesFromMask(LedType type, uint8_t mask) {
  const auto bits = EffectBits(type);
  EffectBoxes boxes{};
  for (size_t box = 0; box < boxes.size(); ++box) {
    boxes[box] = bits[box] >= 0 && (mask >> bits[box] & 1);
  }
  return boxes;
}

int DpiLevelCount(const VendorSection& vendor) {
  return vendor[kDpiCountOffset] + 1;
}

void SetDpiLevelCount(VendorSection& vendor, int count) {
  vendor[kDpiCountOffset] = static_cast<uint8_t>(std::clamp(count, 1, kDpiLevelCount) - 1);
}

int DpiLevelIndex(const VendorSection& vendor, int level) {
  Checked(level, kDpiLevelCount, "DPI level");
  const uint8_t byte = vendor[static_cast<size_t>(kDpiValuesOffset + (level - 1) / 2)];
  return level % 2 == 1 ? byte & 0x0F : byte >> 4;
}

void SetDpiLevelIndex(VendorSection& vendor, int level, int index) {
  Checked(level, kDpiLevelCount, "DPI level");
  uint8_t& byte = vendor[static_cast<size_t>(kDpiValuesOffset + (level - 1) / 2)];
  const int nibble = index & 0x0F;
  byte =
      static_cast<uint8_t>(level % 2 == 1 ? (byte & 0xF0) | nibble : (byte & 0x0F) | nibble << 4);
}

uint16_t LedLower(const VendorSection& vendor) {
  return Get16(vendor, kLedLowerOffset);
}
void SetLedLower(VendorSection& vendor, uint16_t value) {
  Set16(vendor, kLedLowerOffset, value);
}
uint16_t LedUpper(const VendorSection& vendor) {
  return Get16(vendor, kLedUpperOffset);
}
void SetLedUpper(VendorSection& vendor, uint16_t value) {
  Set16(vendor, kLedUpperOffset, value);
}
uint16_t LowerDelay(const VendorSection& vendor) {
  return Get16(vendor, kLowerDelayOffset);
}
void SetLowerDelay(VendorSection& vendor, uint16_t value) {
  Set16(vendor, kLowerDelayOffset, value);
}
uint16_t UpperDelay(const VendorSection& vendor) {
  return Get16(vendor, kUpperDelayOffset);
}
void SetUpperDelay(VendorSection& vendor, uint16_t value) {
  Set16(vendor, kUpperDelayOffset, value);
}
uint8_t StepDelay(const VendorSection& vendor) {
  return vendor[kStepDelayOffset];
}
void SetStepDelay(VendorSection& vendor, uint8_t value) {
  vendor[kStepDelayOffset] = value;
}

int BaseColourOffset(int colour) {
  return kBaseColoursOffset + 3 * (Checked(colour, kBaseColourCount, "base colour") - 1);
}
Rgb BaseColour(const VendorSection& vendor, int colour) {
  return GetRgb(vendor, BaseColourOffset(colour));
}
void SetBaseColour(VendorSection& vendor, int colour, Rgb rgb) {
  PutRgb(vendor, BaseColourOffset(colour), rgb);
}

int DpiColourOffset(int level) {
  return kDpiColoursOffset + 3 * (Checked(level, kDpiLevelCount, "DPI colour") - 1);
}
Rgb DpiColour(const VendorSection& vendor, int level) {
  return GetRgb(vendor, DpiColourOffset(level));
}
void SetDpiColour(VendorSection& vendor, int level, Rgb rgb) {
  PutRgb(vendor, DpiColourOffset(level), rgb);
}

std::string UsbDescription(const VendorSection& vendor) {
  const auto begin = vendor.begin() + kUsbDescriptionOffset;
  const auto end = std::find(begin, begin + kUsbDescriptionLength, 0);
  return std::string(begin, end);
}

void SetUsbDescription(VendorSection& vendor, std::string_view text) {
  const auto begin = vendor.begin() + kUsbDescriptionOffset;
  std::fill_n(begin, kUsbDescriptionLength, 0);
  const auto length = std::min(text.size(), static_cast<size_t>(kUsbDescriptionLength));
  std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), begin,
                 [](char c) { return static_cast<uint8_t>(c); });
}

int ComboKeyOffset(int combo_key) {
  return kComboKeysOffset + 4 * (Checked(combo_key, kComboKeyCount, "combo key") - 1);
}

std::array<uint8_t, 4> ComboCode(const VendorSection& vendor, int combo_key) {
  std::array<uint8_t, 4> code{};
  std::copy_n(vendor.begin() + ComboKeyOffset(combo_key), 4, code.begin());
  return code;
}

void SetComboCode(VendorSection& vendor, int combo_key, const std::array<uint8_t, 4>& code) {
  std::copy(code.begin(), code.end(), vendor.begin() + ComboKeyOffset(combo_key));
}

}  // namespace kvrm::vendor
