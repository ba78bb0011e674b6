#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "texts/language_table.h"
#include "texts/layout_keys.h"

namespace kvrm {

inline constexpr int kLayoutCount = 3;

// Why reading a layout or the general settings stopped: the conversion error
// message exactly as the user is shown it ("'abc' is not a valid integer
// value", the wording of the standard string-to-integer conversion, which also
// gives "'' is not a valid integer value" for a missing key), and the key.
struct ConversionError {
  std::string key;
  std::string message;
};

// The message of a text that is not an integer.
std::string ConversionErrorMessage(std::string_view text);

// A decimal integer with an optional sign that fits 32 bits; the text is
// already trimmed by the INI reader. Anything else is not an integer.
std::optional<int> ParseLayoutInteger(std::string_view text);

// The general settings of resource ORG, section [org], read once at start-up.
struct GeneralSettings {
  bool web_enable = false;  // the web buttons open web
  std::string web;
  int web_x = 0;
  int web_y = 0;
  int rev_manu_id = 0;           // reserved
  int rev_pro_id = 0;            // reserved
  std::string path;              // folder of the macro library; empty: the program folder
  bool tr_enable = false;        // text rolling on hovered captions
  bool be_enable = false;        // the mouse has the button-effect setting
  bool gd_enable = false;        // profile 2 is the gun-key profile
  bool dpiled_status = false;    // bar style: only the current step of a scale is lit
  int gun6_num = 1;              // 1..2
  int gun7_num = 1;              // 1..3
  int num_order = 0;             // 0: lighting scale numbers shown; 1: hidden
  int ic_config_type = 0;        // 1: 4210C only, 2: 4230C only, else both
  int bar_config_type = 0;       // 1: sliders; 0: step images
  bool engineer_enable = false;  // shows the engineer header button

  bool UsesSliders() const { return bar_config_type == 1; }
  bool LightingScaleNumbersShown() const { return num_order == 0; }
  bool Uses4230LightingPositions() const { return ic_config_type != 1; }
};

// Reads the general settings from the text of ORG. Flags are on for the value 1
// only; Gun6_Num, Gun7_Num and Num_Order are clamped to their ranges; Web and
// Path are texts (empty when absent); Engineer_Enable may be absent (off).
// Every other key must hold an integer, else nothing is returned.
std::optional<GeneralSettings> ParseGeneralSettings(std::string_view org_text,
                                                    ConversionError* error);
// The same from the embedded resource ORG.
std::optional<GeneralSettings> ReadGeneralSettings(ConversionError* error);

// The entries of one layout section with integer reading by the layout rule:
// a key that is read must be present and hold an integer. The first failure is
// kept and every later read gives 0, so a reader takes a whole family and
// checks ok() once; nothing read after a failure is applied.
class LayoutValues {
 public:
  explicit LayoutValues(LanguageTable section);
  // Section [orgk] of resource ORGk; empty when there is none, so that every
  // read fails.
  static LayoutValues FromResource(int k);

  int Get(std::string_view key);
  bool ok() const { return !error_.has_value(); }
  // The first failure; only meaningful when !ok().
  const ConversionError& error() const { return *error_; }

 private:
  LanguageTable section_;
  std::optional<ConversionError> error_;
};

// A colour of the layout: R + G x 256 + B x 65536 is the value the window uses.
struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  uint32_t Value() const {
    return static_cast<uint32_t>(r) + static_cast<uint32_t>(g) * 256u +
           static_cast<uint32_t>(b) * 65536u;
  }
  bool operator==(const Rgb&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A position with the further parts its family has (0 for the others).
struct Place {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  int d = 0;
  Point at() const { return {x, y}; }
};

// Font size (points) and font colour of a group of controls.
struct TextStyle {
  int size = 0;
  Rgb colour;
};

// A label of the label family; its height is twice its font size.
struct LabelStyle {
  Point at;
  Rgb colour;
  int size = 0;
  int width = 0;
  int height() const { return 2 * size; }
};

// An element with an _Enable key: shown only for _Enable = 1, and then at its
// position (the position keys are not read otherwise).
struct Switchable {
  bool shown = false;
  Point at;
};

struct TextStyles {
  TextStyle a;         // confirm buttons
  TextStyle b;         // page, save, load and language buttons
  TextStyle c;         // button labels and combo key entries
  TextStyle e;         // lighting scale numbers
  TextStyle f;         // macro page; its colour also on the fire macro page
  TextStyle g;         // key menus and list pop-ups
  TextStyle i;         // update page
  int d_size = 0;      // advanced page numbers and DPI labels
  Rgb d_selected;      // DPI labels of enabled levels
  Rgb d_not_selected;  // scale numbers, aim value, fire key boxes, disabled levels
  int j_size = 0;      // fire macro page
};

struct SurfaceColours {
  Rgb menu_back;            // Color_G_Back
  Rgb list_border;          // Color_G_Border
  Rgb menu_highlight_font;  // Color_G_SF
  Rgb menu_highlight_back;  // Color_G_SP
  Rgb macro_selection;      // Color_MACRO
  Rgb list_back;            // Color_F_LBack: macro and fire macro lists and insert drop-downs
  Rgb macro_edit_border;    // Color_F_LBorder
  Rgb macro_edit_font;      // Color_F_Font
  Rgb macro_edit_back;      // Color_F_Back
  Rgb fire_key_box_back;    // Color_D_Back
  Rgb fire_key_box_border;  // Color_D_Border
  Rgb fire_edit_font;       // Color_J_Font
  Rgb fire_edit_back;       // Color_J_Back
  Rgb fire_edit_border;     // Color_J_Border
  Rgb slider_back;          // Color_BG_Slider
};

// Header buttons in the order of layout_keys::kChromeButtons.
enum class ChromeButton {
  kConfirm1,
  kConfirm2,
  kConfirm3,
  kExit,
  kMini,
  kMain,
  kSwitch,
  kFixed,
  kAdv,
  kBreath,
  kMacro,
  kUpdate,
  kSave,
  kLoad,
  kLang1,
  kLang2,
  kLang3,
};
inline constexpr size_t kChromeButtonCount = layout_keys::kChromeButtons.size();

// The engineer header button is not in the layouts; it always sits here, with
// the inset caption of the page buttons.
inline constexpr Point kEngineerButtonPlace{10, 10};

using PlaceMap = std::map<std::string, Place, std::less<>>;
using LabelMap = std::map<std::string, LabelStyle, std::less<>>;

// One layout section, read whole before anything is applied.
struct Layout {
  TextStyles text;
  SurfaceColours surfaces;
  std::array<Switchable, kChromeButtonCount> chrome;
  int caption_inset_front = 0;  // Btn_Space_F
  int caption_inset_back = 0;   // Btn_Space_B

  // Key page. key_buttons[n - 1] is layout button n; it places the label
  // Key<LabelForLayoutButton(n)> and that label's image.
  std::array<Switchable, 12> key_buttons;
  int key_width = 0;
  std::array<Switchable, 8> combo_keys;  // Img_ComboKeyn; its text is offset from it
  int combo_text_offset_x = 0;
  int combo_text_offset_y = 0;
  int combo_text_width = 0;
  int combo_font_size = 0;
  int main_menu_width = 0;    // M_L_W
  int second_menu_width = 0;  // SP_L_W
  int third_menu_width = 0;   // O_L_W

  int dpi_orientation = 0;  // 0: DPI steps stacked upward; 1: to the right
  int step_time_width = 0;  // width of the lighting speed sliders

  // Lighting modes 1..7 from the position set that the IC type selects.
  std::array<Point, layout_keys::kLightingModeCount> lighting_modes;
  std::array<LabelStyle, layout_keys::kLightingModeCount> lighting_mode_labels;
  LabelStyle full_brightness_label;
  LabelStyle half_brightness_label;

  int macro_name_height = 0;     // item height of the five macro list boxes
  int pc_macro_panel_width = 0;  // Edit_PCMarco_Width

  PlaceMap places;  // every family of layout_keys::kPlaces, by name ("DPI3_Steps")
  LabelMap labels;  // every family of layout_keys::kLabels, by name ("Fire_Key2")

  const Switchable& Chrome(ChromeButton button) const {
    return chrome[static_cast<size_t>(button)];
  }
  // A name outside the key tables is a fault of the caller: std::out_of_range.
  const Place& At(std::string_view name) const;
  const LabelStyle& Label(std::string_view name) const;
};

// Reads a layout section. Lighting mode positions come from the _4230 set when
// the general settings ask for it; the other set is not read.
std::optional<Layout> ReadLayout(LayoutValues& values, const GeneralSettings& settings,
                                 ConversionError* error);
// The same from section [orgk] of the embedded resource ORGk, k = 1..3.
std::optional<Layout> ReadLayout(int k, const GeneralSettings& settings, ConversionError* error);

// A dialog's own layout, read when it opens.
struct DialogLayout {
  TextStyle text;
  Rgb edit_colour;
  PlaceMap places;
  const Place& At(std::string_view name) const;
};
std::optional<DialogLayout> ReadDialogLayout(LayoutValues& values,
                                             const layout_keys::DialogKeys& keys,
                                             ConversionError* error);

// The label that layout button n (1..12) places: 1, 4, 7, 2, 5, 8, 3, 6, then 9..12.
int LabelForLayoutButton(int n);

// Where step i (from 1) of a scale sits: to the right by step width + D, or for
// an upward DPI row (DPI_Orientation 0) above by step height + D.
Point StepPlace(const Place& scale, int i, int step_width, int step_height, bool upward);
// A scale number sits 4 pixels right of its step and 24 pixels below the row.
Point ScaleNumberPlace(Point step);

// The caption label of a header button over an image of that width: B-family
// captions start Btn_Space_F in and are Btn_Space_F + Btn_Space_B narrower.
struct CaptionBox {
  int x = 0;
  int width = 0;
};
CaptionBox ChromeCaption(const Layout& layout, bool inset_caption, Point at, int image_width);

// Combo key 8 after a layout is applied: shown, hidden, or nullopt to leave it
// as it was (enabled but not on the gun-key profile 2 page).
std::optional<bool> ComboKey8Visible(const Layout& layout, const GeneralSettings& settings,
                                     int current_page);

}  // namespace kvrm
