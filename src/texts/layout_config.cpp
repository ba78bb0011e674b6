#include "texts/layout_config.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>
#include <utility>

#include "common/resources.h"
#include "texts/language_parser.h"

namespace kvrm {
namespace {

using layout_keys::FamilyNames;
using layout_keys::PlaceFamily;

constexpr std::string_view kGeneralSection = "org";

bool IsOn(int value) {
  return value == 1;
}

std::string Key(std::string_view name, std::string_view part) {
  return std::string(name) + std::string(part);
}

Rgb ReadColour(LayoutValues& values, std::string_view name) {
  Rgb colour;
  colour.r = values.Get(Key(name, "_R"));
  colour.g = values.Get(Key(name, "_G"));
  colour.b = values.Get(Key(name, "_B"));
  return colour;
}

TextStyle ReadTextStyle(LayoutValues& values, std::string_view id) {
  TextStyle style;
  style.size = values.Get(Key("Size_", id));
  style.colour = ReadColour(values, Key("Color_", id));
  return style;
}

Point ReadPoint(LayoutValues& values, std::string_view name) {
  Point point;
  point.x = values.Get(Key(name, "_X"));
  point.y = values.Get(Key(name, "_Y"));
  return point;
}

Place ReadPlace(LayoutValues& values, std::string_view name, std::string_view parts) {
  Place place;
  for (char part : parts) {
    const int value = values.Get(std::string(name) + "_" + part);
    switch (part) {
      case 'X':
        place.x = value;
        break;
      case 'Y':
        place.y = value;
        break;
      case 'W':
        place.w = value;
        break;
      case 'H':
        place.h = value;
        break;
      case 'D':
        place.d = value;
        break;
    }
  }
  return place;
}

void ReadPlaces(LayoutValues& values, const PlaceFamily& family, PlaceMap& places) {
  for (std::string& name : FamilyNames(family.name, family.count)) {
    Place place = ReadPlace(values, name, family.parts);
    places.emplace(std::move(name), place);
  }
}

// _Enable = 1 shows the element; only then are its positions read.
Switchable ReadSwitchable(LayoutValues& values, std::string_view name) {
  Switchable element;
  element.shown = IsOn(values.Get(Key(name, "_Enable")));
  if (element.shown) element.at = ReadPoint(values, name);
  return element;
}

template <size_t N>
void ReadSwitchables(LayoutValues& values, const PlaceFamily& family,
                     std::array<Switchable, N>& elements) {
  for (size_t i = 0; i < N; ++i) {
    elements[i] =
        ReadSwitchable(values, layout_keys::Numbered(family.name, static_cast<int>(i + 1)));
  }
}

LabelStyle ReadLabel(LayoutValues& values, std::string_view name) {
  const std::string base = Key(name, "_Lable");
  LabelStyle label;
  label.at = ReadPoint(values, base);
  label.colour = ReadColour(values, base);
  label.size = values.Get(Key(base, "_Size"));
  label.width = values.Get(Key(base, "_Width"));
  return label;
}

LabelStyle ReadBrightnessLabel(LayoutValues& values, std::string_view name, Rgb colour) {
  LabelStyle label;
  label.at = ReadPoint(values, name);
  label.colour = colour;
  label.size = values.Get(Key(name, "_Size"));
  label.width = values.Get(Key(name, "_Width"));
  return label;
}

// In the order of the surface colour table and of SurfaceColours.
constexpr Rgb SurfaceColours::*kSurfaceMembers[] = {
    &SurfaceColours::menu_back,           &SurfaceColours::list_border,
    &SurfaceColours::menu_highlight_font, &SurfaceColours::menu_highlight_back,
    &SurfaceColours::macro_selection,     &SurfaceColours::list_back,
    &SurfaceColours::macro_edit_border,   &SurfaceColours::macro_edit_font,
    &SurfaceColours::macro_edit_back,     &SurfaceColours::fire_key_box_back,
    &SurfaceColours::fire_key_box_border, &SurfaceColours::fire_edit_font,
    &SurfaceColours::fire_edit_back,      &SurfaceColours::fire_edit_border,
    &SurfaceColours::slider_back,
};
static_assert(std::size(kSurfaceMembers) == layout_keys::kSurfaceColours.size());

constexpr TextStyle TextStyles::*kTextStyleMembers[] = {
    &TextStyles::a, &TextStyles::b, &TextStyles::c, &TextStyles::e,
    &TextStyles::f, &TextStyles::g, &TextStyles::i,
};
static_assert(std::size(kTextStyleMembers) == layout_keys::kTextStyles.size());

void ReadStylesAndColours(LayoutValues& values, Layout& layout) {
  for (size_t i = 0; i < layout_keys::kTextStyles.size(); ++i) {
    layout.text.*kTextStyleMembers[i] = ReadTextStyle(values, layout_keys::kTextStyles[i]);
  }
  layout.text.d_size = values.Get(layout_keys::kAdvancedSize);
  layout.text.d_selected = ReadColour(values, layout_keys::kAdvancedSelectedColour);
  layout.text.d_not_selected = ReadColour(values, layout_keys::kAdvancedNotSelectedColour);
  layout.text.j_size = values.Get(layout_keys::kFireMacroSize);
  for (size_t i = 0; i < layout_keys::kSurfaceColours.size(); ++i) {
    layout.surfaces.*kSurfaceMembers[i] = ReadColour(values, layout_keys::kSurfaceColours[i]);
  }
}

void ReadChrome(LayoutValues& values, Layout& layout) {
  for (size_t i = 0; i < kChromeButtonCount; ++i) {
    layout.chrome[i] = ReadSwitchable(values, layout_keys::kChromeButtons[i].key);
  }
  layout.caption_inset_front = values.Get(layout_keys::kCaptionInsetFront);
  layout.caption_inset_back = values.Get(layout_keys::kCaptionInsetBack);
}

void ReadKeyPage(LayoutValues& values, Layout& layout) {
  ReadSwitchables(values, layout_keys::kKeyButtons, layout.key_buttons);
  layout.key_width = values.Get(layout_keys::kKeyWidth);
  ReadSwitchables(values, layout_keys::kComboKeys, layout.combo_keys);
  layout.combo_text_offset_x = values.Get(layout_keys::kComboTextOffsetX);
  layout.combo_text_offset_y = values.Get(layout_keys::kComboTextOffsetY);
  layout.combo_text_width = values.Get(layout_keys::kComboTextWidth);
  layout.combo_font_size = values.Get(layout_keys::kComboFontSize);
  layout.main_menu_width = values.Get(layout_keys::kMainMenuWidth);
  layout.second_menu_width = values.Get(layout_keys::kSecondMenuWidth);
  layout.third_menu_width = values.Get(layout_keys::kThirdMenuWidth);
}

void ReadLighting(LayoutValues& values, const GeneralSettings& settings, Layout& layout) {
  const bool use_4230 = settings.Uses4230LightingPositions();
  const PlaceFamily& modes =
      use_4230 ? layout_keys::kLightingModes4230 : layout_keys::kLightingModes;
  const PlaceFamily& labels =
      use_4230 ? layout_keys::kLightingModeLabels4230 : layout_keys::kLightingModeLabels;
  const std::string option = std::string(layout_keys::kLightingOptionStyle);
  const Rgb option_colour = ReadColour(values, option);
  const int option_size = values.Get(option + "_Size");
  for (int n = 1; n <= layout_keys::kLightingModeCount; ++n) {
    const size_t i = static_cast<size_t>(n - 1);
    layout.lighting_modes[i] = ReadPoint(values, layout_keys::Numbered(modes.name, n));
    LabelStyle& label = layout.lighting_mode_labels[i];
    label.at = ReadPoint(values, layout_keys::Numbered(labels.name, n));
    label.width = values.Get(layout_keys::Numbered(layout_keys::kLightingModeLabelWidth, n));
    label.colour = option_colour;
    label.size = option_size;
  }
  layout.full_brightness_label =
      ReadBrightnessLabel(values, layout_keys::kFullBrightnessLabel, option_colour);
  layout.half_brightness_label =
      ReadBrightnessLabel(values, layout_keys::kHalfBrightnessLabel, option_colour);
}

template <typename T>
const T& Named(const std::map<std::string, T, std::less<>>& map, std::string_view name) {
  const auto it = map.find(name);
  if (it == map.end()) throw std::out_of_range("no layout entry " + std::string(name));
  return it->second;
}

}  // namespace

std::string ConversionErrorMessage(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

std::optional<int> ParseLayoutInteger(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  // Read the magnitude as a wider number so that -2147483648 still fits.
  long long magnitude = 0;
  const auto [end, status] =
      std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (status != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  const long long value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

LayoutValues::LayoutValues(LanguageTable section) : section_(std::move(section)) {}

LayoutValues LayoutValues::FromResource(int k) {
  const std::string name = "org" + std::to_string(k);
  const auto bytes = FindResource(kRcData, name);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return LayoutValues(ParseIniLines(text).Section(name));
}

int LayoutValues::Get(std::string_view key) {
  if (error_) return 0;
  const std::string text = section_.Text(key);
  const std::optional<int> value = ParseLayoutInteger(text);
  if (!value) {
    error_ = ConversionError{std::string(key), ConversionErrorMessage(text)};
    return 0;
  }
  return *value;
}

std::optional<GeneralSettings> ParseGeneralSettings(std::string_view org_text,
                                                    ConversionError* error) {
  const LanguageTable section = ParseIniLines(org_text).Section(kGeneralSection);
  LayoutValues values(section);
  GeneralSettings s;
  s.web_enable = IsOn(values.Get("Web_Enable"));
  s.web = section.Text("Web");
  s.web_x = values.Get("Web_X");
  s.web_y = values.Get("Web_Y");
  s.rev_manu_id = values.Get("Rev_Manu_ID");
  s.rev_pro_id = values.Get("Rev_Pro_ID");
  s.path = section.Text("Path");
  s.tr_enable = IsOn(values.Get("TR_Enable"));
  s.be_enable = IsOn(values.Get("BE_Enable"));
  s.gd_enable = IsOn(values.Get("GD_Enable"));
  s.dpiled_status = IsOn(values.Get("DPILED_Status"));
  s.gun6_num = std::clamp(values.Get("Gun6_Num"), 1, 2);
  s.gun7_num = std::clamp(values.Get("Gun7_Num"), 1, 3);
  s.num_order = std::clamp(values.Get("Num_Order"), 0, 1);
  s.ic_config_type = values.Get("IC_Config_Type");
  s.bar_config_type = values.Get("Bar_Config_Type");
  if (section.Has("Engineer_Enable")) s.engineer_enable = IsOn(values.Get("Engineer_Enable"));
  if (!values.ok()) {
    if (error) *error = values.error();
    return std::nullopt;
  }
  return s;
}

std::optional<GeneralSettings> ReadGeneralSettings(ConversionError* error) {
  const auto bytes = FindResource(kRcData, "org");
  return ParseGeneralSettings(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

std::optional<Layout> ReadLayout(LayoutValues& values, const GeneralSettings& settings,
                                 ConversionError* error) {
  Layout layout;
  ReadStylesAndColours(values, layout);
  ReadChrome(values, layout);
  ReadKeyPage(values, layout);
  layout.dpi_orientation = values.Get(layout_keys::kDpiOrientation);
  layout.step_time_width = values.Get(layout_keys::kStepTimeWidth);
  ReadLighting(values, settings, layout);
  layout.macro_name_height = values.Get(layout_keys::kMacroNameHeight);
  layout.pc_macro_panel_width = values.Get(layout_keys::kPcMacroPanelWidth);
  for (const PlaceFamily& family : layout_keys::kPlaces) ReadPlaces(values, family, layout.places);
  for (const layout_keys::LabelFamily& family : layout_keys::kLabels) {
    for (std::string& name : FamilyNames(family.name, family.count)) {
      LabelStyle label = ReadLabel(values, name);
      layout.labels.emplace(std::move(name), label);
    }
  }
  if (!values.ok()) {
    if (error) *error = values.error();
    return std::nullopt;
  }
  return layout;
}

std::optional<Layout> ReadLayout(int k, const GeneralSettings& settings, ConversionError* error) {
  LayoutValues values = LayoutValues::FromResource(k);
  return ReadLayout(values, settings, error);
}

const Place& Layout::At(std::string_view name) const {
  return Named(places, name);
}

const LabelStyle& Layout::Label(std::string_view name) const {
  return Named(labels, name);
}

std::optional<DialogLayout> ReadDialogLayout(LayoutValues& values,
                                             const layout_keys::DialogKeys& keys,
                                             ConversionError* error) {
  DialogLayout dialog;
  dialog.text = ReadTextStyle(values, keys.style);
  dialog.edit_colour = ReadColour(values, keys.edit_colour);
  for (const PlaceFamily& family : keys.places) ReadPlaces(values, family, dialog.places);
  if (!values.ok()) {
    if (error) *error = values.error();
    return std::nullopt;
  }
  return dialog;
}

const Place& DialogLayout::At(std::string_view name) const {
  return Named(places, name);
}

int LabelForLayoutButton(int n) {
  constexpr int kLabels[] = {1, 4, 7, 2, 5, 8, 3, 6};
  return n >= 1 && n <= 8 ? kLabels[n - 1] : n;
}

Point StepPlace(const Place& scale, int i, int step_width, int step_height, bool upward) {
  if (upward) return {scale.x, scale.y - (i - 1) * (step_height + scale.d)};
  return {scale.x + (i - 1) * (step_width + scale.d), scale.y};
}

Point ScaleNumberPlace(Point step) {
  return {step.x + 4, step.y + 24};
}

CaptionBox ChromeCaption(const Layout& layout, bool inset_caption, Point at, int image_width) {
  if (!inset_caption) return {at.x, image_width};
  return {at.x + layout.caption_inset_front,
          image_width - layout.caption_inset_front - layout.caption_inset_back};
}

std::optional<bool> ComboKey8Visible(const Layout& layout, const GeneralSettings& settings,
                                     int current_page) {
  if (!layout.combo_keys[7].shown) return false;
  if (settings.gd_enable && current_page == 2) return true;
  return std::nullopt;
}

}  // namespace kvrm
