// kvrmctl light: the lighting effect, its speed and the base colours.
#include <nlohmann/json.hpp>

#include <iostream>

#include "cli/cli.h"
#include "cli/setting_args.h"
#include "cli/setting_support.h"
#include "image/user_fields.h"
#include "image/vendor_fields.h"
#include "settings/lighting.h"
#include "texts/language_set.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;

// The captions of effect options 1..7, whatever the LED type.
constexpr std::string_view kEffectKeys[kLedOptionCount] = {"Str815", "Str816", "Str817", "Str818",
                                                           "Str819", "Str820", "Str859"};

std::string EffectName(int option, const LanguageSet& texts) {
  if (option < 1 || option > kLedOptionCount) return "none";
  return texts.LanguageText(kEffectKeys[option - 1]);
}

std::string TypeName(LedType type) {
  const std::string_view text = LedTypeText(type);
  return text.empty() ? "RGB" : std::string(text);
}

// "1 DPI Mode, 2 Rainbow, ..." for the options the type offers.
std::string OfferedEffects(LedType type, const LanguageSet& texts) {
  std::string list;
  for (int option = 1; option <= kLedOptionCount; ++option) {
    if (!LedOptionOffered(type, option)) continue;
    list += (list.empty() ? "" : ", ") + std::to_string(option) + " " + EffectName(option, texts);
  }
  return list;
}

int ShowLight(Context& ctx, const LanguageSet& texts) {
  const SectionCopies& c = ctx.session.copies();
  const uint8_t byte1 = c.user[user::kLedByte];
  const LedType type = user::DecodeLedByte(byte1).type;
  const int option = LedOptionOf(byte1);
  Json j{
      {"led_type", TypeName(type)}, {"effect", option}, {"effect_name", EffectName(option, texts)}};
  if (type == LedType::kMcuLed) {
    const uint8_t* section = &c.patch_header[layout::kMcuLedOffset - layout::kPatchHeaderOffset];
    j["mcu_led_step"] = McuLedStepOf(section[0]);
    j["mcu_led_brightness"] = McuLedFullBrightnessOf(section[1]) ? "full" : "half";
  } else {
    j["speed"] = LedSpeedStep(c.vendor[vendor::kStepDelayOffset]);
  }
  Json colours = Json::array();
  if (type != LedType::kSync) {
    for (int k = 1; k <= vendor::kBaseColourCount; ++k) {
      colours.push_back(RgbText(vendor::BaseColour(c.vendor, k)));
    }
  }
  j["colours"] = colours;
  if (ctx.json) {
    ctx.out << j.dump(2) << "\n";
    return kOk;
  }
  ctx.out << "LED type: " << TypeName(type) << "\nEffect: " << option << " ("
          << EffectName(option, texts) << "); offered: " << OfferedEffects(type, texts) << "\n";
  if (type == LedType::kMcuLed) {
    ctx.out << "MCU LED step: " << j["mcu_led_step"].get<int>() << ", brightness "
            << j["mcu_led_brightness"].get<std::string>() << "\n";
  } else {
    ctx.out << "Speed: step " << j["speed"].get<int>() << " of 10 (10 fastest)\n";
  }
  if (type == LedType::kSync) {
    ctx.out << "Colours: none (the Sync LEDs take no colours)\n";
  } else {
    ctx.out << "Colours:";
    for (const Json& colour : colours) ctx.out << " " << colour.get<std::string>();
    ctx.out << "\n";
  }
  return kOk;
}

int Light(Context& ctx, const std::vector<std::string>& args) {
  constexpr const char* kUsageText = "light takes effect N, speed S or color K RRGGBB";
  const std::string what = args.empty() ? "" : args[0];
  const size_t wanted = what == "color" ? 3 : 2;
  if (!args.empty() &&
      ((what != "effect" && what != "speed" && what != "color") || args.size() != wanted)) {
    return Fail(ctx, kUsage, kUsageText);
  }
  std::optional<int> option, step, colour_number;
  std::optional<vendor::Rgb> rgb;
  if (what == "effect" && !(option = ParseIntIn(args[1], 1, kLedOptionCount))) {
    return Fail(ctx, kUsage, "the effect must be 1..7");
  }
  if (what == "speed" && !(step = ParseIntIn(args[1], 1, kLedSpeedSteps))) {
    return Fail(ctx, kUsage, "the speed must be 1..10 (1 slowest)");
  }
  if (what == "color") {
    if (!(colour_number = ParseIntIn(args[1], 1, vendor::kBaseColourCount))) {
      return Fail(ctx, kUsage, "the colour number must be 1..10");
    }
    if (!(rgb = ParseRgb(args[2]))) {
      return Fail(ctx, kUsage, "the colour must be six hex digits RRGGBB, such as FF0000");
    }
  }

  if (!ReadMouse(ctx)) return kNoMouse;
  const LanguageSet texts = LanguageSet::FromResources();
  if (args.empty()) return ShowLight(ctx, texts);
  SectionCopies& c = ctx.session.copies();
  const uint8_t byte1 = c.user[user::kLedByte];
  const LedType type = user::DecodeLedByte(byte1).type;
  if (option) {
    const std::optional<uint8_t> byte = LedModeByte(byte1, *option);
    if (!byte) {
      return Fail(
          ctx, kUsage,
          "the " + TypeName(type) + " LEDs offer the effects " + OfferedEffects(type, texts));
    }
    const ByteWrite write{kLedModeOffset, {*byte}};
    c.user[user::kLedByte] = *byte;
    if (!SendWrite(ctx, write)) return kFailed;
    const int old_option = LedOptionOf(byte1);
    ctx.out << "Effect " << old_option << " (" << EffectName(old_option, texts) << ") -> "
            << *option << " (" << EffectName(*option, texts) << "): wrote " << WriteText(write)
            << "\n";
    return kOk;
  }
  if (step) {
    if (type == LedType::kMcuLed) {
      return Fail(ctx, kUsage, "the MCU LEDs have no effect speed");
    }
    const int old_step = LedSpeedStep(c.vendor[vendor::kStepDelayOffset]);
    const ByteWrite write = LedSpeedWrite(*step);
    c.vendor[vendor::kStepDelayOffset] = LedSpeedValue(*step);
    if (!SendWrite(ctx, write)) return kFailed;
    ctx.out << "Speed step " << old_step << " -> " << *step << ": wrote " << WriteText(write)
            << "\n";
    return kOk;
  }
  if (type == LedType::kSync) return Fail(ctx, kUsage, "the Sync LEDs take no colours");
  const vendor::Rgb old_rgb = vendor::BaseColour(c.vendor, *colour_number);
  const ByteWrite write = BaseColourWrite(*colour_number, *rgb);
  vendor::SetBaseColour(c.vendor, *colour_number, *rgb);
  if (!SendWrite(ctx, write)) return kFailed;
  ctx.out << "Colour " << *colour_number << " " << RgbText(old_rgb) << " -> " << RgbText(*rgb)
          << ": wrote " << WriteText(write) << "\n";
  return kOk;
}

}  // namespace

void AddLightingCommands(std::vector<Command>& table) {
  table.push_back({"light", "light [SETTING VALUES]", "lighting effect, speed and colours",
                   "light\nlight effect N\nlight speed S\nlight color K RRGGBB\n\n"
                   "Without arguments prints the LED type, the effect, its speed (or the MCU LED\n"
                   "step and brightness) and the ten base colours. effect chooses one of the\n"
                   "effects the LED type offers (1 DPI Mode, 2 Rainbow, 3 Neon, 4 Flow Light,\n"
                   "5 Waltz, 6 4-Seasons, 7 Off), speed the speed step (1 slowest to 10\n"
                   "fastest), color base colour K (1..10).",
                   Light});
}

}  // namespace kvrm::cli
