#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/section_copies.h"
#include "image/user_fields.h"

namespace kvrm::vendor {

// Byte offsets inside the Vendor section, which are also image offsets.
inline constexpr int kVendorIdOffset = 0;
inline constexpr int kProductIdOffset = 2;
inline constexpr int kFirstSensorRegister = 9;
inline constexpr int kSensorRegisterCount = 31;
inline constexpr int kLedInit0Offset = 40;
inline constexpr int kLedInit1Offset = 41;
inline constexpr int kEffectsMaskOffset = 42;
inline constexpr int kDpiCountOffset = 43;
inline constexpr int kDpiValuesOffset = 44;
inline constexpr int kDpiLevelCount = 8;
inline constexpr int kLedLowerOffset = 48;
inline constexpr int kLedUpperOffset = 50;
inline constexpr int kLowerDelayOffset = 52;
inline constexpr int kUpperDelayOffset = 54;
inline constexpr int kStepDelayOffset = 56;
inline constexpr int kBaseColoursOffset = 57;
inline constexpr int kBaseColourCount = 10;
inline constexpr int kDpiColoursOffset = 87;
inline constexpr int kUsbDescriptionOffset = 111;
inline constexpr int kUsbDescriptionLength = 16;
inline constexpr int kComboKeysOffset = 127;
inline constexpr int kComboKeyCount = 9;

// Index arguments (levels, colours, combo keys) outside their range throw
// std::out_of_range: they are programming errors, and a wrong offset would
// silently change a neighbouring field.

// USB identifiers, high byte first.
uint16_t VendorId(const VendorSection& vendor);
void SetVendorId(VendorSection& vendor, uint16_t id);
uint16_t ProductId(const VendorSection& vendor);
void SetProductId(VendorSection& vendor, uint16_t id);

// A bit field of the option registers (bytes 4..8).
struct OptionField {
  int offset;
  int shift;
  int width;
};

// Option 0 (byte 4, chip register 0x70E0).
inline constexpr OptionField kIcType{4, 6, 2};
inline constexpr OptionField kReportRate{4, 4, 2};  // 0 125 Hz, 1 250, 2 500, 3 1000
inline constexpr OptionField kSensorEnhance{4, 3, 1};
// Option 4 (byte 5, 0x70E4).
inline constexpr OptionField kLedPackage{5, 7, 1};  // 0 Z-Ivid LED, 1 RGB LED
inline constexpr OptionField kKeyMatrixType{5, 6, 1};
inline constexpr OptionField kDpiIndication{5, 4, 2};
inline constexpr OptionField kDpiSet{5, 2, 2};
inline constexpr OptionField kDpiLevel{5, 0, 2};
// Option 5 (byte 6, 0x70E5).
inline constexpr OptionField kSensorRotation{6, 6, 2};
inline constexpr OptionField kDpiPrescale{6, 4, 2};
inline constexpr OptionField kFireKeyFrequency{6, 2, 2};
inline constexpr OptionField kFireKeyCount{6, 0, 2};
// Option 6 (byte 7, 0x70E6).
inline constexpr OptionField kLedCtrl0{7, 7, 1};
inline constexpr OptionField kLedCtrl1{7, 6, 1};
inline constexpr OptionField kLedModeFuse{7, 4, 2};
inline constexpr OptionField kComboKeyTime{7, 3, 1};  // 0 2 s, 1 3 s
inline constexpr OptionField kUsbCdr{7, 2, 1};
inline constexpr OptionField kSensorSleep{7, 1, 1};
inline constexpr OptionField kUsbMscMode{7, 0, 1};
// Option 7 (byte 8, 0x70E7); bits 7..4 are not edited.
inline constexpr OptionField kEftRelyNak{8, 3, 1};
inline constexpr OptionField kEftRelug{8, 2, 1};
inline constexpr OptionField kKeepProfileInfo{8, 1, 1};
inline constexpr OptionField kProfileLedFlash{8, 0, 1};

int Option(const VendorSection& vendor, OptionField field);
// Stores the value's low bits in the field and keeps every other bit of the byte.
void SetOption(VendorSection& vendor, OptionField field, int value);

// The optical sensor's tuning registers at bytes 9..39.
struct SensorRegister {
  int offset;
  std::string_view name;
};
extern const std::array<SensorRegister, kSensorRegisterCount> kSensorRegisters;
// The register name of a byte offset, empty outside 9..39.
std::string_view SensorRegisterName(int offset);

uint8_t LedInit0(const VendorSection& vendor);
void SetLedInit0(VendorSection& vendor, uint8_t value);
uint8_t LedInit1(const VendorSection& vendor);
void SetLedInit1(VendorSection& vendor, uint8_t value);

// Byte 42 from the seven effect check boxes and back. A box that the LED type
// does not offer contributes no bit and reads back clear.
using EffectBoxes = std::array<bool, 7>;
uint8_t EffectsMask(LedType type, const EffectBoxes& boxes);
EffectBoxes EffectBoxesFromMask(LedType type, uint8_t mask);

// Byte 43 holds count - 1; counts are clamped to 1..8.
int DpiLevelCount(const VendorSection& vendor);
void SetDpiLevelCount(VendorSection& vendor, int count);
// The DPI table index of level 1..8 (15 = level not set); the other level of
// the byte is kept.
int DpiLevelIndex(const VendorSection& vendor, int level);
void SetDpiLevelIndex(VendorSection& vendor, int level, int index);

// Breathing timing, 16-bit, high byte first.
uint16_t LedLower(const VendorSection& vendor);
void SetLedLower(VendorSection& vendor, uint16_t value);
uint16_t LedUpper(const VendorSection& vendor);
void SetLedUpper(VendorSection& vendor, uint16_t value);
uint16_t LowerDelay(const VendorSection& vendor);
void SetLowerDelay(VendorSection& vendor, uint16_t value);
uint16_t UpperDelay(const VendorSection& vendor);
void SetUpperDelay(VendorSection& vendor, uint16_t value);
uint8_t StepDelay(const VendorSection& vendor);
void SetStepDelay(VendorSection& vendor, uint8_t value);

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Base colour 1..10 at 57 + 3(k - 1); DPI level colour 1..8 at 87 + 3(n - 1).
int BaseColourOffset(int colour);
Rgb BaseColour(const VendorSection& vendor, int colour);
void SetBaseColour(VendorSection& vendor, int colour, Rgb rgb);
int DpiColourOffset(int level);
Rgb DpiColour(const VendorSection& vendor, int level);
void SetDpiColour(VendorSection& vendor, int level, Rgb rgb);

// The USB description: 8-bit characters up to the first zero byte.
std::string UsbDescription(const VendorSection& vendor);
// Stores the first 16 characters and pads with zero bytes.
void SetUsbDescription(VendorSection& vendor, std::string_view text);
// The mouse takes the description in five 3-byte writes and one last byte.
struct WriteChunk {
  int offset;
  int length;
};
inline constexpr std::array<WriteChunk, 6> kUsbDescriptionChunks{
    {{111, 3}, {114, 3}, {117, 3}, {120, 3}, {123, 3}, {126, 1}}};

// Combo key 1..9, a 4-byte key function code at 127 + 4(k - 1).
int ComboKeyOffset(int combo_key);
std::array<uint8_t, 4> ComboCode(const VendorSection& vendor, int combo_key);
void SetComboCode(VendorSection& vendor, int combo_key, const std::array<uint8_t, 4>& code);

}  // namespace kvrm::vendor
