// kvrmctl macro: the PC macro library and the macros kept in the mouse.
#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/key_assignment.h"
#include "cli/macro_input.h"
#include "cli/setting_args.h"
#include "cli/setting_support.h"
#include "common/data_folder.h"
#include "macros/device_macros.h"
#include "macros/macro_files.h"
#include "macros/pc_macro_library.h"
#include "texts/language_set.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

// The user's words for a refusal: the language text of its key, else its own
// text, else `silent` for the refusals the pages make without a message.
std::string OutcomeText(const Outcome& outcome, const LanguageSet& texts,
                        const std::string& silent) {
  if (!outcome.key.empty()) {
    const std::string text = texts.LanguageText(outcome.key);
    if (!text.empty()) return text;
  }
  return outcome.text.empty() ? silent : outcome.text;
}

int Refuse(Context& ctx, const Outcome& outcome, const std::string& silent = "refused") {
  return Fail(ctx, kFailed, OutcomeText(outcome, LanguageSet::FromResources(), silent));
}

std::optional<PcMacroLibrary> OpenLibrary(Context& ctx) {
  PcMacroLibrary library(DataFolder(""));
  const Outcome loaded = library.Load();
  if (loaded.status == MacroStatus::kDamaged) {
    ctx.err << "kvrmctl: " << loaded.text << "\n";
  } else if (!loaded.ok()) {
    Fail(ctx, kFailed, loaded.text);
    return std::nullopt;
  }
  return library;
}

std::optional<int> FindLibraryMacro(Context& ctx, const PcMacroLibrary& library,
                                    const std::string& name) {
  const std::vector<std::string> names = library.Names();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  Fail(ctx, kFailed, "the library holds no macro \"" + name + "\" (see kvrmctl macro list)");
  return std::nullopt;
}

// The slot of the mouse's macro of that name; -1 (with the message) when none.
int FindDeviceMacro(Context& ctx, const DeviceMacroTable& table, const std::string& name) {
  const std::optional<MacroName> field = MacroNameFromText(name);
  const int slot = field ? table.Find(*field) : -1;
  if (slot < 0) Fail(ctx, kFailed, "the mouse holds no macro \"" + name + "\"");
  return slot;
}

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

std::string Plural(size_t n, const std::string& word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string StopText(const std::optional<StopMode>& stop) {
  if (!stop) return "stop value FF, which the macro page does not show";
  switch (stop->kind) {
    case StopMode::Kind::kNone:
      return "none";
    case StopMode::Kind::kUntilReleased:
      return "until released";
    case StopMode::Kind::kCycles:
      break;
  }
  return Plural(static_cast<size_t>(stop->cycles), "cycle");
}

std::string DelayText(const DecodedMacro& decoded) {
  switch (decoded.delay_mode) {
    case DelayMode::kNone:
      return "no delay";
    case DelayMode::kFixed:
      return "fixed delay " + std::to_string(decoded.fixed_delay_ms) + " ms";
    case DelayMode::kRecorded:
      break;
  }
  return "recorded delay";
}

std::string KindText(int icon) {
  switch (icon) {
    case 0:
      return "delay";
    case 1:
      return "press";
    case 2:
      return "release";
    case 3:
      return "move";
    case 7:
      return "rep-start";
    case 8:
      return "rep-stop";
    default:
      return "line";
  }
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

std::string Address(uint16_t address) {
  return Hex(address, 4);
}

Json ItemsJson(const MacroList& list) {
  Json items = Json::array();
  for (int i = 0; i < ListItemCount(list); ++i) {
    const MacroListItem item = ListItem(list, i);
    items.push_back({{"item", i + 1},
                     {"kind", KindText(item.icon)},
                     {"text", item.text},
                     {"line", list[static_cast<size_t>(i) + 1]}});
  }
  return items;
}

// The events as the macro content list draws them, with the line each shows.
void PrintItems(std::ostream& out, const MacroList& list) {
  if (ListItemCount(list) == 0) out << "  (no events)\n";
  for (int i = 0; i < ListItemCount(list); ++i) {
    const MacroListItem item = ListItem(list, i);
    const std::string number = std::to_string(i + 1);
    out << std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') << number << "  "
        << Padded(KindText(item.icon), 10) << Padded(item.text, 24) << "  "
        << list[static_cast<size_t>(i) + 1] << "\n";
  }
}

// Both halves of the macro area, as the macro page's save sends them.
bool SendMacroArea(Context& ctx) {
  for (const MacroAreaWrite& write : MacroAreaWrites(ctx.session.copies().macro_area)) {
    if (!ctx.commands().WriteBlock(static_cast<uint16_t>(write.offset), write.bytes)) {
      Fail(ctx, kFailed, "the mouse did not take the macro area half at 0x" + Hex(write.offset, 3));
      return false;
    }
  }
  return true;
}

Json LibraryJson(const PcMacroLibrary& library) {
  Json macros = Json::array();
  for (int i = 0; i < library.Count(); ++i) {
    const DecodedMacro decoded = library.Decode(i);
    const std::optional<size_t> length = library.Macro(i).Length();
    macros.push_back({{"item", i + 1},
                      {"name", MacroNameText(library.Macro(i).name)},
                      {"bytes", length ? Json(*length) : Json(nullptr)},
                      {"events", ListItemCount(decoded.list)},
                      {"stop", StopText(decoded.stop_mode)}});
  }
  return {{"file", library.FilePath().string()}, {"macros", macros}};
}

Json MouseJson(const DeviceMacroTable& table) {
  Json macros = Json::array();
  for (int k = 0; k < table.Count(); ++k) {
    const DeviceMacro& macro = table.slots[static_cast<size_t>(k)];
    macros.push_back({{"slot", k + 1},
                      {"name", MacroNameText(macro.name)},
                      {"address", Address(macro.address)},
                      {"record_length", macro.record_length},
                      {"code", MacroKeyCode(macro.address)}});
  }
  return {{"macros", macros}, {"total", table.total}, {"capacity", layout::kMacroAreaLength}};
}

void PrintLibrary(std::ostream& out, const Json& library) {
  out << "Macro List (" << library["macros"].size() << " of " << kLibrarySlots << " macros in "
      << library["file"].get<std::string>() << ")\n";
  if (library["macros"].empty()) out << "  (none)\n";
  for (const Json& m : library["macros"]) {
    out << "  " << (m["item"].get<int>() < 10 ? " " : "") << m["item"].get<int>() << "  "
        << Padded(m["name"].get<std::string>(), 10)
        << (m["bytes"].is_null() ? "damaged" : Plural(m["bytes"].get<size_t>(), "byte")) << ", "
        << Plural(m["events"].get<size_t>(), "event") << ", stop: " << m["stop"].get<std::string>()
        << "\n";
  }
}

void PrintMouse(std::ostream& out, const Json& mouse) {
  out << "Storage in Mouse (" << mouse["macros"].size() << " of " << kDeviceMacroSlots
      << " macros, " << mouse["total"].get<int>() << " of " << mouse["capacity"].get<int>()
      << " bytes)\n";
  if (mouse["macros"].empty()) out << "  (none)\n";
  for (const Json& m : mouse["macros"]) {
    out << "  " << (m["slot"].get<int>() < 10 ? " " : "") << m["slot"].get<int>() << "  "
        << Padded(m["name"].get<std::string>(), 10) << "address " << m["address"].get<std::string>()
        << ", " << m["record_length"].get<int>() << " bytes, code " << m["code"].get<std::string>()
        << "\n";
  }
}

int List(Context& ctx, const Args& args) {
  const bool library_only = args.size() == 1 && args[0] == "--library";
  if (!args.empty() && !library_only) return Fail(ctx, kUsage, "macro list takes only --library");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  Json j{{"library", LibraryJson(*library)}};
  if (!ctx.json) PrintLibrary(ctx.out, j["library"]);
  if (!library_only) {
    if (!ReadMouse(ctx)) {
      if (ctx.json) ctx.out << j.dump(2) << "\n";
      return kNoMouse;
    }
    j["mouse"] = MouseJson(ParseMacroArea(ctx.session.copies().macro_area));
    if (!ctx.json) PrintMouse(ctx.out, j["mouse"]);
  }
  if (ctx.json) ctx.out << j.dump(2) << "\n";
  return kOk;
}

int Show(Context& ctx, const Args& args) {
  std::string name;
  bool from_mouse = false;
  bool lines_only = false;
  for (const std::string& a : args) {
    if (a == "--mouse") {
      from_mouse = true;
    } else if (a == "--lines") {
      lines_only = true;
    } else if (name.empty() && !a.starts_with("--")) {
      name = a;
    } else {
      return Fail(ctx, kUsage, "macro show takes NAME, --mouse and --lines");
    }
  }
  if (name.empty()) return Fail(ctx, kUsage, "macro show needs the NAME of a macro");

  DecodedMacro decoded;
  Json j{{"name", name}};
  std::string where;
  if (from_mouse) {
    if (!ReadMouse(ctx)) return kNoMouse;
    const DeviceMacroTable table = ParseMacroArea(ctx.session.copies().macro_area);
    const int slot = FindDeviceMacro(ctx, table, name);
    if (slot < 0) return kFailed;
    const DeviceMacro& macro = table.slots[static_cast<size_t>(slot)];
    decoded = DecodeMacro(macro.events);
    j["source"] = "mouse";
    j["slot"] = slot + 1;
    j["address"] = Address(macro.address);
    j["bytes"] = macro.events.size();
    where = "in the mouse (macro " + std::to_string(slot + 1) + ", address " +
            Address(macro.address) + ")";
  } else {
    std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
    if (!library) return kFailed;
    const std::optional<int> index = FindLibraryMacro(ctx, *library, name);
    if (!index) return kFailed;
    decoded = library->Decode(*index);
    const std::optional<size_t> length = library->Macro(*index).Length();
    j["source"] = "library";
    j["item"] = *index + 1;
    j["bytes"] = length ? Json(*length) : Json(nullptr);
    where = "in the library (item " + std::to_string(*index + 1) + ")";
  }
  j["stop"] = StopText(decoded.stop_mode);
  j["delay_mode"] = DelayText(decoded);
  j["items"] = ItemsJson(decoded.list);
  if (lines_only) {
    for (size_t i = 1; i < decoded.list.size(); ++i) ctx.out << decoded.list[i] << "\n";
  } else if (ctx.json) {
    ctx.out << j.dump(2) << "\n";
  } else {
    ctx.out << "Macro " << Quoted(name) << " " << where << ": "
            << (j["bytes"].is_null() ? "damaged" : Plural(j["bytes"].get<size_t>(), "byte"))
            << ", stop: " << j["stop"].get<std::string>() << ", "
            << j["delay_mode"].get<std::string>() << "\n";
    PrintItems(ctx.out, decoded.list);
  }
  return kOk;
}

int New(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro new needs one NAME");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  int index = -1;
  const Outcome created = library->New(args[0], &index);
  if (!created.ok()) {
    return Refuse(ctx, created,
                  created.status == MacroStatus::kLibraryFull
                      ? "the library already holds 100 macros"
                      : "a macro needs a name");
  }
  ctx.out << "Created macro " << Quoted(args[0]) << " as item " << index + 1
          << " of the library, without events\n";
  // The macro page's New Macro button selects the until-released mode first.
  const Outcome stop = library->ChangeStopMode(index, StopMode::UntilReleased());
  if (!stop.ok()) return Refuse(ctx, stop);
  ctx.out << "Stop mode: until released\n";
  return kOk;
}

int Rename(Context& ctx, const Args& args) {
  if (args.size() != 2) return Fail(ctx, kUsage, "macro rename needs OLD and NEW names");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const std::optional<int> index = FindLibraryMacro(ctx, *library, args[0]);
  if (!index) return kFailed;
  const Outcome renamed = library->Rename(*index, args[1]);
  if (!renamed.ok()) return Refuse(ctx, renamed, "a macro needs a name");
  ctx.out << "Renamed macro " << Quoted(args[0]) << " to " << Quoted(args[1]) << "\n";
  return kOk;
}

int Delete(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro delete needs one NAME");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const std::optional<int> index = FindLibraryMacro(ctx, *library, args[0]);
  if (!index) return kFailed;
  const Outcome deleted = library->Delete(*index);
  if (!deleted.ok()) return Refuse(ctx, deleted);
  ctx.out << "Deleted macro " << Quoted(args[0]) << " from the library; "
          << Plural(static_cast<size_t>(library->Count()), "macro") << " left\n";
  return kOk;
}

int Import(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro import needs one FILE");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  int index = -1;
  const Outcome imported = library->ImportOne(args[0], &index);
  if (!imported.ok()) {
    return Refuse(ctx, imported, "the library holds 99 macros or more, too many to import one");
  }
  ctx.out << "Imported macro " << Quoted(MacroNameText(library->Macro(index).name)) << " from "
          << args[0] << " as item " << index + 1 << " of the library\n";
  return kOk;
}

int ImportAll(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro import-all needs one FILE");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const int before = library->Count();
  const Outcome imported = library->ImportAll(args[0]);
  if (!imported.ok()) return Refuse(ctx, imported);
  ctx.out << "Replaced the library (" << Plural(static_cast<size_t>(before), "macro") << ") by "
          << args[0] << " (" << Plural(static_cast<size_t>(library->Count()), "macro") << ")\n";
  return kOk;
}

int Export(Context& ctx, const Args& args) {
  if (args.size() != 2) return Fail(ctx, kUsage, "macro export needs NAME and FILE");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const std::optional<int> index = FindLibraryMacro(ctx, *library, args[0]);
  if (!index) return kFailed;
  const Outcome exported = library->ExportOne(*index, args[1]);
  if (!exported.ok()) return Refuse(ctx, exported);
  ctx.out << "Exported macro " << Quoted(args[0]) << " to " << ExportPath(args[1]) << " ("
          << kLibraryRecordSize << " bytes)\n";
  return kOk;
}

int ExportAll(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro export-all needs one FILE");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const Outcome exported = library->ExportAll(args[0]);
  if (!exported.ok()) return Refuse(ctx, exported);
  ctx.out << "Exported the library (" << Plural(static_cast<size_t>(library->Count()), "macro")
          << ") to " << ExportPath(args[0]) << " (" << kLibraryFileSize << " bytes)\n";
  return kOk;
}

int ExportMouse(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro export-mouse needs one FILE");
  if (!ReadMouse(ctx)) return kNoMouse;
  const MacroArea& area = ctx.session.copies().macro_area;
  const Outcome exported = ExportMacroArea(area, args[0]);
  if (!exported.ok()) return Refuse(ctx, exported);
  const DeviceMacroTable table = ParseMacroArea(area);
  ctx.out << "Exported the mouse's macro area ("
          << Plural(static_cast<size_t>(table.Count()), "macro") << ", " << table.total << " of "
          << area.size() << " bytes used) to " << ExportPath(args[0]) << " (" << area.size()
          << " bytes)\n";
  return kOk;
}

int Add(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro add needs one NAME");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const std::optional<int> index = FindLibraryMacro(ctx, *library, args[0]);
  if (!index) return kFailed;
  if (!ReadMouse(ctx)) return kNoMouse;
  const LibraryMacro& macro = library->Macro(*index);
  MacroArea& area = ctx.session.copies().macro_area;
  const MacroAreaChange change = AddMacroToMouse(area, macro.name, macro.data);
  if (!change.outcome.ok()) return Refuse(ctx, change.outcome, "the mouse already holds 15 macros");
  area = change.area;
  // Appending moves no other macro, so no button needs re-pointing.
  if (!SendMacroArea(ctx)) return kFailed;
  const DeviceMacroTable table = ParseMacroArea(area);
  const DeviceMacro& added = table.slots[static_cast<size_t>(table.Find(macro.name))];
  ctx.out << "Added macro " << Quoted(args[0]) << " to the mouse as its macro " << table.Count()
          << ": address " << Address(added.address) << ", " << added.record_length
          << " bytes, code " << MacroKeyCode(added.address) << "\n"
          << "The macro area holds " << table.total << " of " << area.size() << " bytes\n";
  return kOk;
}

ProfileCodeTexts SlotCodeTexts(const CodeTexts& texts) {
  ProfileCodeTexts slots;
  std::copy_n(texts.begin(), slots.size(), slots.begin());
  return slots;
}

int Remove(Context& ctx, const Args& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "macro remove needs one NAME");
  if (!ReadMouse(ctx)) return kNoMouse;
  MacroArea& area = ctx.session.copies().macro_area;
  const DeviceMacroTable before = ParseMacroArea(area);
  const int slot = FindDeviceMacro(ctx, before, args[0]);
  if (slot < 0) return kFailed;

  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  ProfileDisplayNames names;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      names[SlotTextIndex(p + 1, s + 1)] = keys.names.profiles[p][s].text;
    }
  }
  const MacroRemoval removal =
      RemoveMacroFromMouse(area, slot, SlotCodeTexts(ctx.session.code_texts()), names);
  if (!removal.outcome.ok()) return Refuse(ctx, removal.outcome);
  area = removal.area;
  const DeviceMacroTable after = ParseMacroArea(area);

  ctx.out << "Removed macro " << Quoted(args[0]) << " from the mouse; "
          << Plural(static_cast<size_t>(after.Count()), "macro") << " left, " << after.total
          << " of " << area.size() << " bytes\n";
  for (int k = 0; k < after.Count(); ++k) {
    const DeviceMacro& moved = after.slots[static_cast<size_t>(k)];
    const DeviceMacro& old = before.slots[static_cast<size_t>(before.Find(moved.name))];
    if (old.address == moved.address) continue;
    ctx.out << "Macro " << Quoted(MacroNameText(moved.name)) << ": address " << Address(old.address)
            << " -> " << Address(moved.address) << "\n";
  }
  ProfileKeyCodes profiles = keys.profiles;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      const auto code = ParseKeyCode(removal.codes[SlotTextIndex(p + 1, s + 1)]);
      if (code) profiles[p][s] = *code;
    }
  }
  KeyNamingState after_naming = keys.naming;
  after_naming.device_macros = DeviceMacroRefs(after);
  StoreCodeChanges(ctx, keys, profiles, keys.combo_keys, after_naming, texts.CurrentTable());
  ctx.session.WriteProfileSections();
  return SendMacroArea(ctx) ? kOk : kFailed;
}

int Bind(Context& ctx, const Args& args) {
  if (args.size() != 3) return Fail(ctx, kUsage, "macro bind needs PROFILE, SLOT and NAME");
  const std::optional<int> profile = ParseIntIn(args[0], 1, kProfileCount);
  if (!profile) return Fail(ctx, kUsage, "PROFILE must be 1, 2 or 3");
  const std::optional<int> slot = ParseIntIn(args[1], 1, kSlotsPerProfile);
  if (!slot) return Fail(ctx, kUsage, "SLOT must be 1..12");
  if (!ReadMouse(ctx)) return kNoMouse;
  const DeviceMacroTable table = ParseMacroArea(ctx.session.copies().macro_area);
  const int macro = FindDeviceMacro(ctx, table, args[2]);
  if (macro < 0) return kFailed;

  const LanguageSet texts = LanguageSet::FromResources();
  const MouseKeys keys = ReadMouseKeys(ctx.session, texts.CurrentTable());
  std::array<std::string, kSlotsPerProfile> shown;
  for (int s = 0; s < kSlotsPerProfile; ++s) shown[s] = keys.names.profiles[*profile - 1][s].text;
  if (!MayBindMacro(shown, *slot - 1, texts.LanguageText(kLeftClickKey))) {
    return Fail(ctx, kFailed,
                "slot " + args[1] + " holds the only Left Click of Profile " + args[0] +
                    ", which a macro may not replace; nothing was written");
  }
  const uint16_t address = table.slots[static_cast<size_t>(macro)].address;
  ProfileKeyCodes profiles = keys.profiles;
  profiles[*profile - 1][*slot - 1] = *ParseKeyCode(MacroKeyCode(address));
  if (profiles == keys.profiles) {
    ctx.out << "Profile " << *profile << " slot " << *slot << " already plays macro "
            << Quoted(args[2]) << "\n";
  }
  StoreCodeChanges(ctx, keys, profiles, keys.combo_keys, keys.naming, texts.CurrentTable());
  ctx.session.WriteProfileSections();
  return kOk;
}

// The lines of standard input; nullopt for more text than any macro needs,
// so that an endless stream is not read into memory.
std::optional<std::vector<std::string>> ReadInputLines(std::istream& in) {
  constexpr size_t kMaxInput = 64 * 1024;
  std::vector<std::string> lines(1);
  size_t total = 0;
  for (char c; in.get(c);) {
    if (++total > kMaxInput) return std::nullopt;
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

int Edit(Context& ctx, const Args& args) {
  std::string name;
  std::optional<StopMode> stop;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--stop" && i + 1 < args.size()) {
      stop = ParseStopMode(args[++i]);
      if (!stop) return Fail(ctx, kUsage, "--stop must be released, none or a count of 1..254");
    } else if (name.empty() && !args[i].starts_with("--")) {
      name = args[i];
    } else {
      return Fail(ctx, kUsage, "macro edit takes NAME and --stop released|N|none");
    }
  }
  if (name.empty()) return Fail(ctx, kUsage, "macro edit needs the NAME of a macro");
  std::optional<PcMacroLibrary> library = OpenLibrary(ctx);
  if (!library) return kFailed;
  const std::optional<int> index = FindLibraryMacro(ctx, *library, name);
  if (!index) return kFailed;

  const std::optional<std::vector<std::string>> lines = ReadInputLines(std::cin);
  if (!lines)
    return Fail(ctx, kUsage, "standard input holds more than any macro can; nothing was stored");
  const EventLines input = ParseEventLines(*lines);
  if (!input.error.empty()) return Fail(ctx, kUsage, input.error + "; nothing was stored");
  const std::optional<StopMode> kept = library->Decode(*index).stop_mode;
  if (!stop && !kept) {
    return Fail(ctx, kFailed, "the macro's stop value FF is no stop mode; give --stop");
  }
  const StopMode chosen = stop.value_or(*kept);
  const Outcome stored = library->StoreLines(*index, input.list, chosen);
  if (!stored.ok()) return Refuse(ctx, stored);

  const DecodedMacro decoded = library->Decode(*index);
  ctx.out << "Stored " << Plural(static_cast<size_t>(ListItemCount(input.list)), "event")
          << " in macro " << Quoted(name) << ": "
          << Plural(library->Macro(*index).Length().value_or(0), "byte")
          << ", stop: " << StopText(chosen)
          << (kept && !(*kept == chosen) ? " (was " + StopText(kept) + ")" : "") << ", "
          << DelayText(decoded) << "\n";
  PrintItems(ctx.out, decoded.list);
  return kOk;
}

struct Subcommand {
  std::string_view name;
  int (*run)(Context&, const Args&);
};

constexpr Subcommand kSubcommands[] = {
    {"list", List},
    {"show", Show},
    {"new", New},
    {"rename", Rename},
    {"delete", Delete},
    {"import", Import},
    {"import-all", ImportAll},
    {"export", Export},
    {"export-all", ExportAll},
    {"export-mouse", ExportMouse},
    {"add", Add},
    {"remove", Remove},
    {"bind", Bind},
    {"edit", Edit},
};

int Macro(Context& ctx, const Args& args) {
  if (args.empty()) return Fail(ctx, kUsage, "macro needs a subcommand (see kvrmctl macro --help)");
  for (const Subcommand& sub : kSubcommands) {
    if (args[0] == sub.name) return sub.run(ctx, Args(args.begin() + 1, args.end()));
  }
  return Fail(ctx, kUsage,
              "unknown macro subcommand \"" + args[0] + "\" (see kvrmctl macro --help)");
}

}  // namespace

void AddMacroCommands(std::vector<Command>& table) {
  table.push_back(
      {"macro", "macro SUBCOMMAND ...", "the PC macro library and the macros in the mouse",
       "The PC macro library (up to 100 macros, kept in KVRM4210C-Macro.bin in the\n"
       "data folder; KVRM_DATA_DIR overrides the folder) needs no mouse:\n"
       "  macro list [--library]       the library and, unless --library, the mouse's macros\n"
       "  macro show NAME [--lines]    a library macro's events as the content list draws\n"
       "                               them; --lines prints only the event lines\n"
       "  macro show NAME --mouse      the same for a macro kept in the mouse\n"
       "  macro new NAME               a new macro without events, stop mode until released\n"
       "  macro rename OLD NEW         a new name of at most 8 characters\n"
       "  macro delete NAME            removes a macro from the library\n"
       "  macro edit NAME [--stop released|N|none]\n"
       "                               replaces the events by the lines on standard input,\n"
       "                               one event a line: \"0 50\" (delay), \"1 A CODE:8204\"\n"
       "                               (press), \"2 A CODE:0204\" (release), \"3 04FB0A\" (move\n"
       "                               X -5, Y +10); the stop mode stays unless --stop is given\n"
       "  macro import FILE            appends the macro of a one-macro file (272 bytes)\n"
       "  macro import-all FILE        replaces the library by a library file (27200 bytes)\n"
       "  macro export NAME FILE       one macro to FILE(.bin)\n"
       "  macro export-all FILE        the whole library to FILE(.bin)\n"
       "The mouse keeps up to 15 macros in its 512-byte macro area:\n"
       "  macro add NAME               adds a library macro to the mouse\n"
       "  macro remove NAME            deletes a macro from the mouse; buttons that play\n"
       "                               the macros after it are re-pointed, buttons that\n"
       "                               played it get no function\n"
       "  macro bind PROFILE SLOT NAME a button of profile 1..3 plays the mouse's macro\n"
       "  macro export-mouse FILE      the 512 macro area bytes to FILE(.bin)\n"
       "Refusals (\"This macro already exists\", a full mouse, a macro area over 512\n"
       "bytes, ...) change nothing and exit with status 3.",
       Macro});
}

}  // namespace kvrm::cli
