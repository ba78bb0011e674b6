#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/chip_variant.h"
#include "macros/key_names.h"
#include "texts/language_table.h"

namespace kvrm {

// What one button does in one profile: four bytes, b0 the category. The text
// form is eight uppercase hex digits, b0 first ("01010000").
struct KeyCode {
  std::array<uint8_t, 4> bytes{};

  constexpr KeyCode() = default;
  constexpr KeyCode(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) : bytes{b0, b1, b2, b3} {}

  constexpr uint8_t b0() const { return bytes[0]; }
  constexpr uint8_t b1() const { return bytes[1]; }
  constexpr uint8_t b2() const { return bytes[2]; }
  constexpr uint8_t b3() const { return bytes[3]; }

  friend constexpr bool operator==(const KeyCode&, const KeyCode&) = default;
};

// Eight uppercase hex digits.
std::string FormatKeyCode(KeyCode code);
// Exactly eight hex digits (either case); nullopt otherwise.
std::optional<KeyCode> ParseKeyCode(std::string_view text);

// b0 of a key function code.
enum class KeyCategory : uint8_t {
  kNone = 0x00,
  kMouseButton = 0x01,
  kKeyboard = 0x02,
  kConsumer = 0x03,
  kPower = 0x04,
  kAim = 0x05,
  kRapidFire = 0x06,
  kProfileSwitch = 0x07,
  kLightSwitch = 0x08,
  kDpi = 0x09,
  kAdjustXy = 0x0A,
  kFireMacro = 0x0B,
  kReportRate = 0x0C,
  kLedMode = 0x0E,
  kMacro = 0x10,
};

// Modifier bits of b1 in keyboard combinations: the macro events' Ctrl, Shift
// and Alt masks, and Win as the left Windows key.
inline constexpr uint8_t kModifierWin = kModifierLeftWindows;

// Button bits of b1 in mouse-button codes.
inline constexpr uint8_t kButtonLeft = 0x01;
inline constexpr uint8_t kButtonRight = 0x02;
inline constexpr uint8_t kButtonMiddle = 0x04;
inline constexpr uint8_t kButtonBackward = 0x08;
inline constexpr uint8_t kButtonForward = 0x10;

// The functions whose codes carry a combo flag in b3 that the assignment menu
// appends from the function's flag selector.
enum class ComboFunction { kMiddle, kBackward, kForward, kDpiLoop, kDpiUp, kDpiDown };
inline constexpr int kComboFunctionCount = 6;
using ComboFlags = std::array<uint8_t, kComboFunctionCount>;  // indexed by ComboFunction

// One rapid-fire setting as the naming and the menu see it.
struct FireKeySetting {
  int repeat = 2;    // 2..15
  int interval = 1;  // milliseconds, 1..4094
  bool continuous = false;
};
inline constexpr int kFireKeyCount = 3;

// 06, 10 + (repeat - 1) plus 80 when continuous, interval high byte, low byte.
KeyCode RapidFireCode(const FireKeySetting& setting);

// A macro held in the mouse, as far as naming needs it.
struct DeviceMacroRef {
  uint16_t address = 0;        // image offset of its first event byte
  uint16_t record_length = 0;  // 0 for an empty slot
  std::string name;
};

inline constexpr int kFireMacroSlots = 10;

// Everything beside the code that naming and the menu read. The caller fills it
// from the pages' current state before each call.
struct KeyNamingState {
  // The remembered repeat count and interval of the three fire keys, and their
  // continuous flags for new rapid-fire codes.
  std::array<FireKeySetting, kFireKeyCount> fire_keys{};
  // While a continuous switch is being clicked, naming must not copy the
  // code's continuous bit back into the fire key.
  bool suppress_continuous_copy = false;
  int aim_level_index = 0;  // 0..11
  ComboFlags combo_flags{};
  ChipVariant variant = ChipVariant::kNone;
  std::vector<DeviceMacroRef> device_macros;  // the fifteen slots of the macro area
  bool fire_macro_file_loaded = false;
  std::array<KeyCode, kFireMacroSlots> fire_macro_codes{};
};

// A naming copies the continuous bit of a rapid-fire code into the fire key it
// matched.
struct FireKeyContinuity {
  int fire_key = 0;  // 0..2
  bool continuous = false;
};

// A naming of a profile-switch code selects that profile's colour on the
// engineer page: selection 0..9 for colours 1..10, 10 for the specified colour.
struct EngineerProfileColour {
  int profile = 0;  // 0..2
  int selection = 0;
};

struct KeyName {
  std::string text;
  // Language key the text came from ("Str213"); empty for keyboard
  // combinations, macros and fire macros. Rules that look for a function use
  // this rather than the text, so a macro named "Backward" is not taken for the
  // backward button.
  std::string_view key;
  bool fire_macro_or_gun = false;  // a fire macro or gun preset name
  std::optional<FireKeyContinuity> continuity;
  std::optional<EngineerProfileColour> profile_colour;
};

// The display name of a code in the language of texts, or an empty text.
KeyName KeyCodeToName(KeyCode code, const KeyNamingState& state, const LanguageTable& texts);

// One item of the assignment menus.
struct KeyTag {
  int tag = 0;
  std::string_view control;       // "Key_CPII"
  std::string_view language_key;  // "Str222"
  std::string_view english_name;  // "DPI +"
};

std::span<const KeyTag> KeyTags();
const KeyTag* FindKeyTag(int tag);
// The tag of an English item name ("DPI +") or control name ("Key_CPII" or
// "CPII"), without regard to case. Where two items share an English name
// ("Stop") the first one in the table wins; the control name tells them apart.
std::optional<int> KeyTagForName(std::string_view name);

// The code a menu item produces; nullopt for a number that is no item's tag.
std::optional<KeyCode> KeyCodeForTag(int tag, const KeyNamingState& state);

// The fire macro key of the chip: the start of its fire macro table.
KeyCode FireMacroKeyCode(ChipVariant variant);

// The name of a key on the HID keyboard page, empty when it has none.
std::string_view HidUsageName(uint8_t usage);
// The usage of a key name, without regard to case.
std::optional<uint8_t> HidUsageForName(std::string_view name);

// "Ctrl+Shift+A" for 02 03 04 00: the modifiers in the order Ctrl, Shift, Alt,
// Win, then the first and second key. Empty when nothing is set.
std::string FormatKeyCombination(KeyCode code);
// The keyboard code of "Ctrl+Shift+A": modifier names anywhere, at most two key
// names, joined by "+". nullopt and a message when the text does not read.
std::optional<KeyCode> ParseKeyCombination(std::string_view text, std::string* error);

}  // namespace kvrm
