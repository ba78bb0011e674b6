// kvrmctl fire: the ten fire macro records of the mouse and the seven gun
// presets of the fire page that play them.
#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/setting_args.h"
#include "cli/setting_support.h"
#include "image/vendor_fields.h"
#include "macros/fire_macros.h"
#include "macros/gun_presets.h"
#include "macros/macro_lines.h"
#include "macros/macro_name.h"
#include "texts/language_set.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

constexpr int kGunProfile = 2;  // the fire page binds guns in Profile 2 only

// The shipped layouts let gun 6 play 2 records and gun 7 play 3.
int SegmentsOf(int gun) {
  return GunSegments(gun, kDefaultGun6Segments, kDefaultGun7Segments);
}

std::string BytesText(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) text += (text.empty() ? "" : " ") + Hex(b, 2);
  return text;
}

std::string RgbText(vendor::Rgb c) {
  return Hex(c.red, 2) + Hex(c.green, 2) + Hex(c.blue, 2);
}

Json OrNone(bool present, int value) {
  return present ? Json(value) : Json(nullptr);
}

Json RecordJson(const SectionCopies& copies, int k) {
  const auto& row = copies.fire_records[static_cast<size_t>(k)];
  const FireParameters p = ScanFireRecord(row);
  Json j{{"record", k}};
  if (copies.variant_layout.has_fire_names) {
    j["name"] = MacroNameText(copies.fire_names[static_cast<size_t>(k)]);
  }
  j["count"] = OrNone(p.count_at >= 0, p.count);
  j["x"] = OrNone(p.move_at >= 0, p.x);
  j["y"] = OrNone(p.move_at >= 0, p.y);
  j["shoot_time"] = OrNone(p.time_at >= 0, p.shoot_time);
  j["x_adjustment"] = FireAdjustment(copies.user, k, Axis::kX);
  j["y_adjustment"] = FireAdjustment(copies.user, k, Axis::kY);
  j["colour"] = RgbText(vendor::BaseColour(copies.vendor, k + 1));
  j["bytes"] = BytesText(row);
  return j;
}

std::string ValueText(const Json& value) {
  return value.is_null() ? "none" : value.dump();
}

int Show(Context& ctx, const Args& args) {
  if (!args.empty()) return Fail(ctx, kUsage, "fire takes no arguments, or set or bind");
  if (!ReadMouse(ctx)) return kNoMouse;
  const SectionCopies& copies = ctx.session.copies();
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  const std::string gun_flag = Hex(keys.selectors.gun_flag, 2);

  Json records = Json::array();
  for (int k = 0; k < layout::kFireMacroCount; ++k) records.push_back(RecordJson(copies, k));
  Json guns = Json::array();
  for (const GunPreset& gun : kGunPresets) {
    guns.push_back({{"gun", gun.gun},
                    {"name", gun.name},
                    {"records", GunRecords(gun.gun)},
                    {"plays", SegmentsOf(gun.gun)},
                    {"code", GunKeyCode(gun.gun, false, SegmentsOf(gun.gun), gun_flag)},
                    {"code_keep_left", GunKeyCode(gun.gun, true, SegmentsOf(gun.gun), gun_flag)}});
  }
  Json bound = Json::array();
  for (int s = 0; s < kSlotsPerProfile; ++s) {
    const KeyName& name = keys.names.profiles[kGunProfile - 1][s];
    if (!name.fire_macro_or_gun) continue;
    bound.push_back({{"slot", s + 1},
                     {"code", FormatKeyCode(keys.profiles[kGunProfile - 1][s])},
                     {"name", name.text}});
  }
  if (ctx.json) {
    ctx.out << Json{{"variant", VariantName(ctx.session.chip_variant())},
                    {"record_length", copies.variant_layout.fire_record_length},
                    {"records", records},
                    {"guns", guns},
                    {"profile2_slots", bound}}
                   .dump(2)
            << "\n";
    return kOk;
  }
  ctx.out << "Fire records (" << VariantName(ctx.session.chip_variant()) << ", "
          << copies.variant_layout.fire_record_length << " bytes each)\n";
  for (const Json& r : records) {
    ctx.out << "  " << r["record"].get<int>() << "  "
            << (r.contains("name") ? "\"" + r["name"].get<std::string>() + "\"  " : "") << "count "
            << ValueText(r["count"]) << ", X " << ValueText(r["x"]) << ", Y " << ValueText(r["y"])
            << ", shoot time " << ValueText(r["shoot_time"]) << " ms, adjustment X "
            << r["x_adjustment"].get<int>() << " Y " << r["y_adjustment"].get<int>() << ", colour "
            << r["colour"].get<std::string>() << "\n     " << r["bytes"].get<std::string>() << "\n";
  }
  ctx.out << "Gun presets\n";
  for (const Json& g : guns) {
    std::string list;
    for (const Json& r : g["records"]) list += " " + r.dump();
    std::string name = g["name"].get<std::string>();
    name.resize(std::max<size_t>(name.size(), 12), ' ');
    ctx.out << "  " << g["gun"].get<int>() << "  " << name << "record"
            << (g["records"].size() > 1 ? "s" : "") << list << ", plays " << g["plays"].get<int>()
            << ", code " << g["code"].get<std::string>() << " (with the left click kept "
            << g["code_keep_left"].get<std::string>() << ")\n";
  }
  ctx.out << "Profile " << kGunProfile << " slots with a gun or fire macro\n";
  if (bound.empty()) ctx.out << "  (none)\n";
  for (const Json& b : bound) {
    ctx.out << "  slot " << b["slot"].get<int>() << ": " << b["code"].get<std::string>() << " ("
            << b["name"].get<std::string>() << ")\n";
  }
  return kOk;
}

// The values `fire set` was given; each is within its box's range.
struct FireValues {
  std::optional<int> count;
  std::optional<int> step[2];  // X, Y
  std::optional<int> adjustment[2];
  std::optional<int> shoot_time;
};

std::string AxisName(int axis) {
  return axis == 0 ? "X" : "Y";
}

bool ParseFireValues(Context& ctx, const Args& args, FireValues* values) {
  struct Option {
    const char* flag;
    std::optional<int>* target;
    int low;
    int high;
  };
  const Option options[] = {
      {"--count", &values->count, 0, 255},
      {"--x", &values->step[0], kMinStep, kMaxStep},
      {"--y", &values->step[1], kMinStep, kMaxStep},
      {"--x-adjust", &values->adjustment[0], kMinStep, kMaxStep},
      {"--y-adjust", &values->adjustment[1], kMinStep, kMaxStep},
      {"--time", &values->shoot_time, 0, 65535},
  };
  bool any = false;
  for (size_t i = 0; i < args.size(); i += 2) {
    const Option* option = nullptr;
    for (const Option& o : options) {
      if (args[i] == o.flag) option = &o;
    }
    if (!option || i + 1 >= args.size()) {
      Fail(ctx, kUsage,
           "fire set takes --count C, --x X, --y Y, --time MS, --x-adjust A and --y-adjust A");
      return false;
    }
    *option->target = ParseIntIn(args[i + 1], option->low, option->high);
    if (!*option->target) {
      Fail(ctx, kUsage,
           std::string(option->flag) + " must be " + std::to_string(option->low) + ".." +
               std::to_string(option->high));
      return false;
    }
    any = true;
  }
  if (!any) Fail(ctx, kUsage, "fire set needs at least one value to change");
  return any;
}

void ReportValue(Context& ctx, const std::string& what, int before, int after, int asked,
                 const std::string& why) {
  if (before == after && after == asked) return;
  ctx.out << "  " << what << ": " << before << " -> " << after;
  if (after != asked) ctx.out << " (asked " << asked << "; " << why << ")";
  ctx.out << "\n";
}

int Set(Context& ctx, const Args& args) {
  if (args.size() < 2) return Fail(ctx, kUsage, "fire set needs GUN and SEGMENT");
  const std::optional<int> gun = ParseIntIn(args[0], 1, static_cast<int>(kGunPresets.size()));
  if (!gun) return Fail(ctx, kUsage, "GUN must be 1..7");
  const GunPreset& preset = GunPresetFor(*gun);
  const std::optional<int> segment = ParseIntIn(args[1], 1, preset.record_count);
  if (!segment) {
    return Fail(ctx, kUsage,
                "gun " + args[0] + " has segment" + (preset.record_count > 1 ? "s 1.." : " ") +
                    std::to_string(preset.record_count));
  }
  FireValues values;
  if (!ParseFireValues(ctx, Args(args.begin() + 2, args.end()), &values)) return kUsage;
  if (!ReadMouse(ctx)) return kNoMouse;

  SectionCopies& copies = ctx.session.copies();
  const int record = GunRecords(*gun)[static_cast<size_t>(*segment - 1)];
  std::vector<uint8_t>& row = copies.fire_records[static_cast<size_t>(record)];
  const FireParameters params = ScanFireRecord(row);
  const std::string lacks = "fire record " + std::to_string(record) + " has no ";
  if (values.count && params.count_at < 0) {
    return Fail(ctx, kFailed, lacks + "repeat start, so no fire count; nothing was written");
  }
  if ((values.step[0] || values.step[1]) && params.move_at < 0) {
    return Fail(ctx, kFailed, lacks + "move, so no X and Y steps; nothing was written");
  }
  if (values.shoot_time && params.time_at < 0) {
    return Fail(ctx, kFailed,
                lacks + "delay after its move, so no shoot time; nothing was written");
  }

  const std::vector<uint8_t> row_before = row;
  const UserSection user_before = copies.user;
  ctx.out << "Gun " << *gun << " (" << preset.name << ") segment " << *segment << ", fire record "
          << record << ":\n";
  if (values.count) {
    ReportValue(ctx, "fire count", params.count, *SetFireCount(row, params, *values.count),
                *values.count, "");
  }
  for (int a = 0; a < 2; ++a) {
    const Axis axis = a == 0 ? Axis::kX : Axis::kY;
    const int step_now = a == 0 ? params.x : params.y;
    if (values.adjustment[a]) {
      // A step given with it wins where the two do not fit a signed byte together.
      const int adjustment_before = FireAdjustment(copies.user, record, axis);
      const int against = values.step[a].value_or(step_now);
      const int stored =
          SetFireAdjustment(copies.user, record, axis, *values.adjustment[a], against);
      ReportValue(ctx, AxisName(a) + " adjustment", adjustment_before, stored,
                  *values.adjustment[a],
                  "adjustment and step " + std::to_string(against) + " stay within -128..127");
    }
    if (values.step[a]) {
      const int adjustment = FireAdjustment(copies.user, record, axis);
      const int stored = *SetFireStep(row, params, axis, *values.step[a], adjustment);
      ReportValue(ctx, AxisName(a) + " step", step_now, stored, *values.step[a],
                  "step and " + AxisName(a) + " adjustment " + std::to_string(adjustment) +
                      " stay within -128..127");
    }
  }
  if (values.shoot_time) {
    ReportValue(ctx, "shoot time", params.shoot_time,
                *SetShootTime(row, params, *values.shoot_time), *values.shoot_time, "");
  }

  if (row == row_before && copies.user == user_before) {
    ctx.out << "  nothing changed\n";
    return kOk;
  }
  if (row != row_before) {
    BuildFireBlock(copies);
    ctx.session.WriteFireMacroBlock();
  }
  if (copies.user != user_before) ctx.session.WriteUserSection();
  return kOk;
}

// What the fire page's Confirm sends: the ten LED colours, the User section,
// the fire macro block, then the profiles and fire keys with the reload nudge.
bool WriteGunConfirm(Context& ctx) {
  SectionCopies& copies = ctx.session.copies();
  BuildFireBlock(copies);
  for (int colour = 1; colour <= vendor::kBaseColourCount; ++colour) {
    const int offset = layout::kVendorOffset + vendor::BaseColourOffset(colour);
    const auto bytes = std::span<const uint8_t>(copies.vendor)
                           .subspan(static_cast<size_t>(vendor::BaseColourOffset(colour)), 3);
    if (!ctx.session.WriteField(offset, bytes)) {
      Fail(ctx, kFailed, "the mouse did not take LED colour " + std::to_string(colour));
      return false;
    }
  }
  ctx.session.WriteUserSection();
  ctx.session.WriteFireMacroBlock();
  ctx.session.WriteProfileSectionsAndFireKeys();
  return true;
}

int Bind(Context& ctx, const Args& args) {
  bool keep_left = false;
  Args positional;
  for (const std::string& a : args) {
    if (a == "--keep-left") {
      keep_left = true;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return Fail(ctx, kUsage, "fire bind needs SLOT and GUN");
  const std::optional<int> slot = ParseIntIn(positional[0], 1, kSlotsPerProfile);
  if (!slot) return Fail(ctx, kUsage, "SLOT must be 1..12");
  const std::optional<int> gun = ParseIntIn(positional[1], 1, static_cast<int>(kGunPresets.size()));
  if (!gun) return Fail(ctx, kUsage, "GUN must be 1..7");
  if (!ReadMouse(ctx)) return kNoMouse;

  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  const std::string code =
      GunKeyCode(*gun, keep_left, SegmentsOf(*gun), Hex(keys.selectors.gun_flag, 2));
  ProfileKeyCodes profiles = keys.profiles;
  profiles[kGunProfile - 1][*slot - 1] = *ParseKeyCode(code);
  if (profiles == keys.profiles) {
    ctx.out << "Profile " << kGunProfile << " slot " << *slot << " already plays gun " << *gun
            << " (" << GunPresetFor(*gun).name << ")\n";
  }
  StoreCodeChanges(ctx, keys, profiles, keys.combo_keys, keys.naming, texts.CurrentTable());
  return WriteGunConfirm(ctx) ? kOk : kFailed;
}

int Fire(Context& ctx, const Args& args) {
  if (!args.empty() && args[0] == "set") return Set(ctx, Args(args.begin() + 1, args.end()));
  if (!args.empty() && args[0] == "bind") return Bind(ctx, Args(args.begin() + 1, args.end()));
  return Show(ctx, args);
}

}  // namespace

void AddFireCommands(std::vector<Command>& table) {
  table.push_back(
      {"fire", "fire [set|bind ...]", "fire macro records and gun presets",
       "  fire                         the ten fire records with their count, X/Y steps,\n"
       "                               shoot time, adjustments and colour, the seven gun\n"
       "                               presets and the guns bound in Profile 2\n"
       "  fire set GUN SEGMENT [--count C] [--x X] [--y Y] [--time MS]\n"
       "           [--x-adjust A] [--y-adjust A]\n"
       "                               changes the fire record of segment 1..3 of gun 1..7:\n"
       "                               count 0..255, steps and adjustments -128..127 (a step\n"
       "                               and its adjustment together stay within -128..127),\n"
       "                               shoot time 0..65535 ms\n"
       "  fire bind SLOT GUN [--keep-left]\n"
       "                               slot 1..12 of Profile 2 plays gun 1..7, as the fire\n"
       "                               page's Confirm does; --keep-left keeps the left click\n"
       "                               pressed",
       Fire});
}

}  // namespace kvrm::cli
