#include "texts/layout_keys.h"

namespace kvrm::layout_keys {
namespace {

constexpr std::string_view kColourParts[] = {"_R", "_G", "_B"};
constexpr std::string_view kLabelParts[] = {"_X", "_Y", "_R", "_G", "_B", "_Size", "_Width"};

void AddColour(std::vector<std::string>& keys, std::string_view name) {
  for (std::string_view part : kColourParts) keys.push_back(std::string(name) + std::string(part));
}

void AddPlaces(std::vector<std::string>& keys, const PlaceFamily& family) {
  for (const std::string& name : FamilyNames(family.name, family.count)) {
    for (std::string& key : PlaceKeys(name, family.parts)) keys.push_back(std::move(key));
  }
}

void AddSwitchables(std::vector<std::string>& keys, const PlaceFamily& family) {
  for (const std::string& name : FamilyNames(family.name, family.count)) {
    keys.push_back(name + "_Enable");
    for (std::string& key : PlaceKeys(name, "XY")) keys.push_back(std::move(key));
  }
}

}  // namespace

std::string Numbered(std::string_view name, int n) {
  std::string result(name);
  const size_t hash = result.find('#');
  if (hash != std::string::npos) result.replace(hash, 1, std::to_string(n));
  return result;
}

std::vector<std::string> FamilyNames(std::string_view name, int count) {
  if (count == 0) return {std::string(name)};
  std::vector<std::string> names;
  for (int n = 1; n <= count; ++n) names.push_back(Numbered(name, n));
  return names;
}

std::vector<std::string> PlaceKeys(std::string_view name, std::string_view parts) {
  std::vector<std::string> keys;
  for (char part : parts) keys.push_back(std::string(name) + "_" + part);
  return keys;
}

std::vector<std::string> AllLayoutKeys() {
  std::vector<std::string> keys;
  for (std::string_view id : kTextStyles) {
    keys.push_back("Size_" + std::string(id));
    AddColour(keys, "Color_" + std::string(id));
  }
  keys.emplace_back(kAdvancedSize);
  AddColour(keys, kAdvancedSelectedColour);
  AddColour(keys, kAdvancedNotSelectedColour);
  keys.emplace_back(kFireMacroSize);
  for (std::string_view name : kSurfaceColours) AddColour(keys, name);

  for (const ChromeButtonKeys& button : kChromeButtons) {
    AddSwitchables(keys, {button.key, 0, ""});
  }
  keys.emplace_back(kCaptionInsetFront);
  keys.emplace_back(kCaptionInsetBack);

  AddSwitchables(keys, kKeyButtons);
  AddSwitchables(keys, kComboKeys);
  for (std::string_view key :
       {kKeyWidth, kComboTextOffsetX, kComboTextOffsetY, kComboTextWidth, kComboFontSize,
        kMainMenuWidth, kSecondMenuWidth, kThirdMenuWidth, kDpiOrientation, kStepTimeWidth,
        kMacroNameHeight, kPcMacroPanelWidth}) {
    keys.emplace_back(key);
  }

  for (const PlaceFamily& family :
       {kLightingModes, kLightingModes4230, kLightingModeLabels, kLightingModeLabels4230}) {
    AddPlaces(keys, family);
  }
  for (std::string& name : FamilyNames(kLightingModeLabelWidth, kLightingModeCount)) {
    keys.push_back(std::move(name));
  }
  AddColour(keys, kLightingOptionStyle);
  keys.push_back(std::string(kLightingOptionStyle) + "_Size");
  for (std::string_view label : {kFullBrightnessLabel, kHalfBrightnessLabel}) {
    for (std::string_view part : {"_X", "_Y", "_Size", "_Width"}) {
      keys.push_back(std::string(label) + std::string(part));
    }
  }

  for (const PlaceFamily& family : kPlaces) AddPlaces(keys, family);
  for (const LabelFamily& family : kLabels) {
    for (const std::string& name : FamilyNames(family.name, family.count)) {
      for (std::string_view part : kLabelParts) {
        keys.push_back(name + "_Lable" + std::string(part));
      }
    }
  }

  for (const DialogKeys& dialog : kDialogs) {
    keys.push_back("Size_" + std::string(dialog.style));
    AddColour(keys, "Color_" + std::string(dialog.style));
    AddColour(keys, dialog.edit_colour);
    for (const PlaceFamily& family : dialog.places) AddPlaces(keys, family);
  }
  return keys;
}

}  // namespace kvrm::layout_keys
