#pragma once

#include <cstdint>
#include <optional>

#include "image/image_layout.h"
#include "image/section_copies.h"
#include "image/user_fields.h"
#include "image/vendor_fields.h"
#include "settings/byte_write.h"

namespace kvrm {

// The lighting page's rules for the LED hardware types (told by User byte 1,
// user::DecodeLedByte). kOther behaves like RGB.

inline constexpr int kLedModeOffset = layout::kUserOffset + user::kLedByte;
inline constexpr int kLedOptionCount = 7;
inline constexpr int kLedSpeedSteps = 10;
inline constexpr int kMcuLedSteps = 8;  // step 0..7
inline constexpr int kMinMcuLedCount = 4;
inline constexpr int kMaxMcuLedCount = 13;

// Whether effect option 1..7 is offered: RGB 1-6, Sync 1-3, NT 1, 2, 3, 5, 6,
// MCU LED 1-7.
bool LedOptionOffered(LedType type, int option);
// The option selected after a read: bits 3..0 + 1, or bits 3..0 for MCU LED
// (0 there selects none).
int LedOptionOf(uint8_t user_byte1);
// User byte 1 for option k: bits 7..4 kept, bits 3..0 = k - 1 (k for MCU LED);
// nullopt for an option the type does not offer.
std::optional<uint8_t> LedModeByte(uint8_t user_byte1, int option);
// Choosing options 1..5 enables the speed steps, 6 and 7 disable them.
bool LedSpeedEnabledForOption(int option);
// After a read the NT type enables the speed steps only when its mode code is
// not 0; the other types leave them enabled.
bool LedSpeedEnabledAfterRead(uint8_t user_byte1);

// Speed step 1..10 as Vendor byte 56: 55 - 5s; and back.
uint8_t LedSpeedValue(int step);
int LedSpeedStep(uint8_t value);
ByteWrite LedSpeedWrite(int step);
// The speed step 1..10 of a click at position on a slider track of width.
int LedSpeedStepForSlider(int position, int width);

ByteWrite BaseColourWrite(int colour, const vendor::Rgb& rgb);  // colour 1..10

// MCU LED settings; the section is bytes 8..15 of the patch header block.
struct McuLedSettings {
  int step = 0;  // 0..7
  bool full_brightness = true;
  int led_count = kMaxMcuLedCount;  // 4..13, from the engineer page
};

// The step shown for byte 0 (7 - byte 0); a byte 0 above 7 counts as 0.
int McuLedStepOf(uint8_t byte0);
bool McuLedFullBrightnessOf(uint8_t byte1);
// The step index 0..7 of a click at position on a slider track of width.
int McuLedStepForSlider(int position, int width);

// The block with MCU LED byte 0 = 7 - step, byte 1 = brightness * 80 +
// (13 - count) and the section checksum renewed; the caller writes it at image
// offset 1008 and sends bytes 0 and 1 to the controller. nullopt unless the LED
// type is MCU LED.
std::optional<PatchHeaderAndMcuLed> ApplyMcuLed(LedType type, const PatchHeaderAndMcuLed& block,
                                                const McuLedSettings& settings);

}  // namespace kvrm
