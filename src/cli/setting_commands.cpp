// kvrmctl dpi, aim, rate and firekey: the performance settings of the
// advanced page.
#include <nlohmann/json.hpp>

#include <iostream>

#include "cli/cli.h"
#include "cli/setting_args.h"
#include "cli/setting_support.h"
#include "image/user_fields.h"
#include "image/vendor_fields.h"
#include "settings/dpi.h"
#include "settings/fire_keys.h"
#include "texts/language_set.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kDpiValuesText =
    "200, 400, 600, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4800 or 6400";

// The DPI of a level's table index, 0 for an index outside the table (a level
// that is not set).
int DpiOf(int index) {
  return index >= 0 && index < kDpiValueCount ? kDpiValues[index] : 0;
}

std::string DpiText(int index) {
  return DpiOf(index) ? std::to_string(DpiOf(index)) : std::string("not set");
}

int ShowDpi(Context& ctx) {
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  const SectionCopies& c = ctx.session.copies();
  const int count = vendor::DpiLevelCount(c.vendor);
  const AimDisplay aim = RefreshAIMKey(keys.active_profile, keys.names, keys.profiles);
  Json levels = Json::array();
  for (int n = 1; n <= vendor::kDpiLevelCount; ++n) {
    const int index = vendor::DpiLevelIndex(c.vendor, n);
    levels.push_back({{"level", n},
                      {"dpi", DpiOf(index)},
                      {"colour", RgbText(vendor::DpiColour(c.vendor, n))},
                      {"in_use", n <= count}});
  }
  Json j{{"count", count},
         {"active_level", user::CurrentDpiLevel(c.user) + 1},
         {"levels", levels},
         {"aim_dpi", aim.has_aim_key ? DpiOf(aim.level_index) : kDpiValues[0]},
         {"aim_key_in_active_profile", aim.has_aim_key},
         {"report_rate_hz", ReportRateHz(c.vendor)}};
  if (ctx.json) {
    ctx.out << j.dump(2) << "\n";
    return kOk;
  }
  ctx.out << "DPI count: " << count << "\nActive level: " << j["active_level"].get<int>() << "\n";
  for (int n = 1; n <= vendor::kDpiLevelCount; ++n) {
    ctx.out << "Level " << n << ": " << DpiText(vendor::DpiLevelIndex(c.vendor, n)) << ", colour "
            << RgbText(vendor::DpiColour(c.vendor, n)) << (n <= count ? "" : " (not in use)")
            << "\n";
  }
  ctx.out << "AIM DPI: "
          << (aim.has_aim_key
                  ? DpiText(aim.level_index)
                  : std::to_string(kDpiValues[0]) + " (no aim key in the active profile)")
          << "\nReport rate: " << ReportRateHz(c.vendor) << " Hz\n";
  return kOk;
}

// Level N of the levels in use; false (with the message) otherwise.
bool LevelInUse(Context& ctx, const std::string& text, int* level) {
  const int count = vendor::DpiLevelCount(ctx.session.copies().vendor);
  const std::optional<int> n = ParseIntIn(text, 1, count);
  if (n) {
    *level = *n;
    return true;
  }
  Fail(ctx, kUsage, "the level must be 1.." + std::to_string(count) + " (the DPI count)");
  return false;
}

int Dpi(Context& ctx, const std::vector<std::string>& args) {
  if (args.empty()) return ReadMouse(ctx) ? ShowDpi(ctx) : kNoMouse;
  const std::string& what = args[0];
  const size_t wanted = what == "level" || what == "color" ? 3 : 2;
  if ((what != "count" && what != "level" && what != "active" && what != "color") ||
      args.size() != wanted) {
    return Fail(ctx, kUsage, "dpi takes count N, level N VALUE, active N or color N RRGGBB");
  }
  std::optional<int> count, value_index;
  std::optional<vendor::Rgb> colour;
  if (what == "count" && !(count = ParseIntIn(args[1], 1, vendor::kDpiLevelCount))) {
    return Fail(ctx, kUsage, "the DPI count must be 1..8");
  }
  if (what == "level" && !(value_index = ParseDpiValue(args[2]))) {
    return Fail(ctx, kUsage, std::string("the DPI value must be ") + kDpiValuesText);
  }
  if (what == "color" && !(colour = ParseRgb(args[2]))) {
    return Fail(ctx, kUsage, "the colour must be six hex digits RRGGBB, such as FF0000");
  }

  if (!ReadMouse(ctx)) return kNoMouse;
  SectionCopies& c = ctx.session.copies();
  if (count) {
    const int old_count = vendor::DpiLevelCount(c.vendor);
    const ByteWrite write = DpiLevelCountWrite(*count);
    vendor::SetDpiLevelCount(c.vendor, *count);
    if (!SendWrite(ctx, write)) return kFailed;
    ctx.out << "DPI count " << old_count << " -> " << *count << ": wrote " << WriteText(write)
            << "\n";
    return kOk;
  }
  int level = 0;
  if (!LevelInUse(ctx, args[1], &level)) return kUsage;
  if (what == "active") {
    const int old_level = user::CurrentDpiLevel(c.user) + 1;
    const ByteWrite write = ActiveDpiLevelWrite(level - 1);
    user::SetCurrentDpiLevel(c.user, level - 1);
    if (!SendWrite(ctx, write)) return kFailed;
    ctx.out << "Active DPI level " << old_level << " -> " << level << ": wrote " << WriteText(write)
            << "\n";
    return kOk;
  }
  if (what == "color") {
    const vendor::Rgb old_colour = vendor::DpiColour(c.vendor, level);
    const ByteWrite write = DpiLevelColourWrite(level, *colour);
    vendor::SetDpiColour(c.vendor, level, *colour);
    if (!SendWrite(ctx, write)) return kFailed;
    ctx.out << "DPI level " << level << " colour " << RgbText(old_colour) << " -> "
            << RgbText(*colour) << ": wrote " << WriteText(write) << "\n";
    return kOk;
  }
  const int old_index = vendor::DpiLevelIndex(c.vendor, level);
  vendor::SetDpiLevelIndex(c.vendor, level, *value_index);
  const std::vector<ByteWrite> writes =
      DpiLevelValueWrites(c.vendor, level, user::CurrentDpiLevel(c.user));
  for (const ByteWrite& write : writes) {
    if (!SendWrite(ctx, write)) return kFailed;
  }
  ctx.out << "DPI level " << level << " " << DpiText(old_index) << " -> " << DpiText(*value_index)
          << ": wrote " << WriteText(writes[0]) << ", then re-selected the active level ("
          << WriteText(writes[1]) << ", " << WriteText(writes[2]) << ")\n";
  return kOk;
}

int Aim(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "aim needs one DPI VALUE");
  const std::optional<int> index = ParseDpiValue(args[0]);
  if (!index) return Fail(ctx, kUsage, std::string("the AIM DPI must be ") + kDpiValuesText);
  if (!ReadMouse(ctx)) return kNoMouse;
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  const AimKeyUpdate update = SettingAIMKey(*index, keys.names, keys.profiles);
  if (!update.found) {
    return Fail(ctx, kFailed,
                texts.LanguageText("Str105") + " (no slot is an AIM Key); nothing was written");
  }
  KeyNamingState after = keys.naming;
  after.aim_level_index = *index;
  ctx.out << "AIM DPI " << kDpiValues[*index] << "\n";
  StoreCodeChanges(ctx, keys, update.profiles, keys.combo_keys, after, texts.CurrentTable());
  ctx.session.WriteProfileSections();
  return kOk;
}

int Rate(Context& ctx, const std::vector<std::string>& args) {
  int option = 0;
  for (int n = 1; n <= 4; ++n) {
    if (args.size() == 1 && args[0] == std::to_string(kReportRatesHz[n - 1])) option = n;
  }
  if (option == 0) return Fail(ctx, kUsage, "rate needs 125, 250, 500 or 1000 (Hz)");
  if (!ReadMouse(ctx)) return kNoMouse;
  DeviceSession& session = ctx.session;
  const int old_hz = ReportRateHz(session.copies().vendor);
  const ReportRateChange change =
      ChooseReportRate(session.copies().vendor, option, session.remembered_report_rate_hz());
  session.copies().vendor = change.vendor;
  if (!SendWrite(ctx, change.write)) return kFailed;
  ctx.out << "Report rate " << old_hz << " Hz -> " << kReportRatesHz[option - 1] << " Hz: wrote "
          << WriteText(change.write) << "\n";
  if (!change.restart) return kOk;
  session.set_remembered_report_rate_hz(kReportRatesHz[option - 1]);
  session.RestartAndRefind();
  ctx.messages.clear();  // the no-device message of the restart
  if (!session.DevicePresent()) {
    return Fail(ctx, kFailed, "the mouse did not come back after its restart");
  }
  ctx.out << "The mouse restarted with the new rate and was found again\n";
  return kOk;
}

std::string FireKeyText(const FireKeySetting& s) {
  return "repeat " + std::to_string(s.repeat) + ", interval " + std::to_string(s.interval) +
         " ms, continuous " + (s.continuous ? "on" : "off");
}

int FireKey(Context& ctx, const std::vector<std::string>& args) {
  constexpr const char* kUsageText =
      "firekey needs K (1..3) and --repeat R, --interval MS or --continuous on|off";
  if (args.empty()) return Fail(ctx, kUsage, kUsageText);
  const std::optional<int> k = ParseIntIn(args[0], 1, kFireKeyCount);
  if (!k) return Fail(ctx, kUsage, "the fire key must be 1, 2 or 3");
  std::optional<int> repeat, interval;
  std::optional<bool> continuous;
  for (size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return Fail(ctx, kUsage, kUsageText);
    const std::string& value = args[i + 1];
    if (args[i] == "--repeat") {
      if (!(repeat = ParseIntIn(value, kMinFireRepeat, kMaxFireRepeat))) {
        return Fail(ctx, kUsage, "the repeat count must be 2..15");
      }
    } else if (args[i] == "--interval") {
      if (!(interval = ParseIntIn(value, kMinFireInterval, kMaxFireInterval))) {
        return Fail(ctx, kUsage, "the interval must be 1..4094 ms");
      }
    } else if (args[i] == "--continuous") {
      if (!(continuous = ParseOnOff(value)))
        return Fail(ctx, kUsage, "--continuous must be on or off");
    } else {
      return Fail(ctx, kUsage, kUsageText);
    }
  }
  if (!repeat && !interval && !continuous) return Fail(ctx, kUsage, kUsageText);

  if (!ReadMouse(ctx)) return kNoMouse;
  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  FireKeySettings edits = keys.naming.fire_keys;
  FireKeySetting& edited = edits[*k - 1];
  if (repeat) edited.repeat = *repeat;
  if (interval) edited.interval = *interval;
  if (continuous) edited.continuous = *continuous;
  // The shown settings already hold the continuous flags that naming copied
  // from the codes, so the edit's own flag is the one that stands.
  KeyNames names = keys.names;
  names.fire_key_continuous = {};
  SectionCopies& c = ctx.session.copies();
  const FireKeyUpdate update = SettingFireKey(edits, names, keys.profiles, c.fire_keys);
  for (int n = 0; n < kFireKeyCount; ++n) {
    const FireKeySetting& before = keys.naming.fire_keys[n];
    const FireKeySetting& after = update.fire_keys[n];
    if (n != *k - 1 && before.repeat == after.repeat && before.interval == after.interval &&
        before.continuous == after.continuous) {
      continue;
    }
    ctx.out << "Fire Key" << n + 1 << ": " << FireKeyText(before) << " -> " << FireKeyText(after)
            << "\n";
  }
  const std::string fire_key_name = "Str23" + std::to_string(*k);
  bool held = false;
  for (const auto& profile : keys.names.profiles) {
    for (const KeyName& name : profile) held = held || name.key == fire_key_name;
  }
  if (continuous && !held) {
    ctx.out << "No slot holds Fire Key" << *k
            << ", and only the slots' codes keep the continuous flag\n";
  }
  KeyNamingState after = keys.naming;
  after.fire_keys = update.fire_keys;
  c.fire_keys = update.block;
  StoreCodeChanges(ctx, keys, update.profiles, keys.combo_keys, after, texts.CurrentTable());
  ctx.session.WriteProfileSectionsAndFireKeys();
  return kOk;
}

}  // namespace

void AddSettingCommands(std::vector<Command>& table) {
  table.push_back({"dpi", "dpi [SETTING VALUES]", "DPI levels, colours, aim DPI, report rate",
                   "dpi\ndpi count N\ndpi level N VALUE\ndpi active N\ndpi color N RRGGBB\n\n"
                   "Without arguments prints the DPI count, the eight levels with their values\n"
                   "and colours, the active level, the aim DPI and the report rate. The others\n"
                   "change one field: the count (1..8), a level's DPI (200..6400, a value of\n"
                   "the table), the active level, a level's colour. N is a level in use\n"
                   "(1..the DPI count).",
                   Dpi});
  table.push_back({"aim", "aim VALUE", "the DPI while an aim key is held",
                   "Gives every AIM Key slot of the three profiles the aim DPI VALUE (200..6400)\n"
                   "and writes the profile sections. Refused when no slot is an AIM Key.",
                   Aim});
  table.push_back({"rate", "rate 125|250|500|1000", "the USB report rate",
                   "Writes the report rate. A rate other than the current one restarts the\n"
                   "mouse, which takes about 6 seconds, and finds it again.",
                   Rate});
  table.push_back({"firekey", "firekey K OPTIONS", "a rapid-fire key's burst",
                   "firekey K [--repeat R] [--interval MS] [--continuous on|off]\n\n"
                   "Sets fire key K (1..3): repeat count R (2..15), interval MS (1..4094), and\n"
                   "whether it repeats while held; what is not given stays. Every slot holding\n"
                   "the fire key gets the new code; the fire key block and the profile\n"
                   "sections are written.",
                   FireKey});
}

}  // namespace kvrm::cli
