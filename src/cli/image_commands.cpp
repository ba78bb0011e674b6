// kvrmctl dump, save, load, reset, program, write and defaults: the whole
// configuration of the mouse.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "image/profile_file.h"
#include "image/user_fields.h"
#include "image/vendor_fields.h"
#include "vendor/config_data_file.h"

namespace kvrm::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string Hex(int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

std::string RgbText(vendor::Rgb c) { return Hex(c.red, 2) + Hex(c.green, 2) + Hex(c.blue, 2); }

Json VendorJson(const VendorSection& v) {
  using namespace vendor;
  Json j;
  j["vendor_id"] = Hex(VendorId(v), 4);
  j["product_id"] = Hex(ProductId(v), 4);
  const std::pair<const char*, OptionField> options[] = {
      {"ic_type", kIcType},           {"report_rate", kReportRate},
      {"sensor_enhance", kSensorEnhance}, {"led_package", kLedPackage},
      {"key_matrix_type", kKeyMatrixType}, {"dpi_indication", kDpiIndication},
      {"dpi_set", kDpiSet},           {"dpi_level", kDpiLevel},
      {"sensor_rotation", kSensorRotation}, {"dpi_prescale", kDpiPrescale},
      {"fire_key_frequency", kFireKeyFrequency}, {"fire_key_count", kFireKeyCount},
      {"led_ctrl0", kLedCtrl0},       {"led_ctrl1", kLedCtrl1},
      {"led_mode_fuse", kLedModeFuse}, {"combo_key_time", kComboKeyTime},
      {"usb_cdr", kUsbCdr},           {"sensor_sleep", kSensorSleep},
      {"usb_msc_mode", kUsbMscMode},  {"eft_rely_nak", kEftRelyNak},
      {"eft_relug", kEftRelug},       {"keep_profile_info", kKeepProfileInfo},
      {"profile_led_flash", kProfileLedFlash}};
  for (const auto& [name, field] : options) j["options"][name] = Option(v, field);
  for (const auto& reg : kSensorRegisters) {
    j["sensor_registers"][std::string(reg.name)] = Hex(v[static_cast<size_t>(reg.offset)], 2);
  }
  j["led_init0"] = Hex(LedInit0(v), 2);
  j["led_init1"] = Hex(LedInit1(v), 2);
  j["effects_mask"] = Hex(v[kEffectsMaskOffset], 2);
  j["dpi_level_count"] = DpiLevelCount(v);
  Json levels = Json::array();
  for (int n = 1; n <= kDpiLevelCount; ++n) levels.push_back(DpiLevelIndex(v, n));
  j["dpi_level_indexes"] = levels;
  j["led_lower"] = LedLower(v);
  j["led_upper"] = LedUpper(v);
  j["lower_delay"] = LowerDelay(v);
  j["upper_delay"] = UpperDelay(v);
  j["step_delay"] = StepDelay(v);
  Json base = Json::array();
  for (int k = 1; k <= kBaseColourCount; ++k) base.push_back(RgbText(BaseColour(v, k)));
  j["base_colours"] = base;
  Json dpi = Json::array();
  for (int n = 1; n <= kDpiLevelCount; ++n) dpi.push_back(RgbText(DpiColour(v, n)));
  j["dpi_colours"] = dpi;
  j["usb_description"] = UsbDescription(v);
  return j;
}

Json UserJson(const UserSection& u) {
  Json j;
  j["active_profile"] = user::ActiveProfile(u) + 1;
  j["profile_colour"] = user::ProfileColour(u);
  const user::LedSetting led = user::DecodeLedByte(u[user::kLedByte]);
  j["led_byte"] = Hex(u[user::kLedByte], 2);
  j["led_type"] = std::string(LedTypeText(led.type));
  j["led_mode"] = led.mode;
  if (led.type == LedType::kNt) j["led_count_index"] = led.count_index;
  j["current_dpi_level"] = user::CurrentDpiLevel(u) + 1;
  j["button_effect"] = user::ButtonEffectOn(u);
  j["gun_mode"] = user::GunModeOn(u);
  j["game_mode_marker"] = Hex(u[user::kGameModeByte], 2);
  j["profile_offset"] = u[user::kProfileOffsetByte];
  Json x = Json::array(), y = Json::array();
  for (int r = 0; r < user::kGunOffsetCount; ++r) {
    x.push_back(user::GunXOffset(u, r));
    y.push_back(user::GunYOffset(u, r));
  }
  j["gun_x_offsets"] = x;
  j["gun_y_offsets"] = y;
  return j;
}

bool SectionValid(const ConfigImage& image, int offset, int length) {
  return SectionChecksumValid(
      std::span(image).subspan(static_cast<size_t>(offset), static_cast<size_t>(length)));
}

void PrintFlat(std::ostream& out, const Json& j, const std::string& prefix) {
  if (j.is_object()) {
    for (const auto& [key, value] : j.items()) {
      PrintFlat(out, value, prefix.empty() ? key : prefix + "." + key);
    }
  } else if (j.is_array() && !j.empty() && !j.front().is_structured()) {
    out << prefix << " =";
    for (const auto& v : j) out << " " << (v.is_string() ? v.get<std::string>() : v.dump());
    out << "\n";
  } else {
    out << prefix << " = " << (j.is_string() ? j.get<std::string>() : j.dump()) << "\n";
  }
}

int Dump(Context& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return Fail(ctx, kUsage, "dump takes no arguments");
  if (!ReadMouse(ctx)) return kNoMouse;
  const SectionCopies& c = ctx.session.copies();
  const ConfigImage& image = ctx.session.data_buf();
  Json j;
  j["variant"] = std::string(VariantName(ctx.session.chip_variant()));
  auto state = [&](int offset, int length) {
    return SectionValid(image, offset, length) ? "valid" : "damaged, repaired in memory";
  };
  j["checksums"]["vendor"] = state(layout::kVendorOffset, layout::kVendorLength);
  j["checksums"]["user"] = state(layout::kUserOffset, layout::kUserLength);
  for (int p = 0; p < 3; ++p) {
    j["checksums"]["profile" + std::to_string(p + 1)] =
        state(layout::kProfileOffsets[p], layout::kProfileLength);
  }
  j["vendor"] = VendorJson(c.vendor);
  j["user"] = UserJson(c.user);
  const CodeTexts& codes = ctx.session.code_texts();
  for (int p = 1; p <= kProfileCount; ++p) {
    Json slots = Json::array();
    for (int s = 1; s <= kSlotsPerProfile; ++s) slots.push_back(codes[SlotTextIndex(p, s)]);
    j["profiles"]["profile" + std::to_string(p)] = slots;
  }
  Json combos = Json::array();
  for (int k = 1; k <= vendor::kComboKeyCount; ++k) combos.push_back(codes[ComboTextIndex(k)]);
  j["combo_keys"] = combos;
  Json fire_keys = Json::array();
  for (uint8_t b : c.fire_keys) fire_keys.push_back(Hex(b, 2));
  j["fire_key_block"] = fire_keys;
  j["patch_code_header"] = [&] {
    std::string text;
    for (int i = 0; i < 8; ++i) text += (i ? " " : "") + Hex(c.patch_header[static_cast<size_t>(i)], 2);
    return text;
  }();
  if (ctx.json) {
    ctx.out << j.dump(2) << "\n";
  } else {
    PrintFlat(ctx.out, j, "");
  }
  return kOk;
}

int Save(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "save needs one FILE");
  if (!ReadMouse(ctx)) return kNoMouse;
  const std::string path = ProfileFileName(args[0]);
  if (!SaveProfileFile(ctx.session, path)) return ReportMessages(ctx), kFailed;
  ctx.out << "Saved the mouse's configuration to " << path << "\n";
  return kOk;
}

int Load(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "load needs one FILE");
  if (!ReadMouse(ctx)) return kNoMouse;
  if (!LoadProfileFile(ctx.session, args[0])) return ReportMessages(ctx), kFailed;
  ctx.messages.clear();  // the no-device message of the restart
  if (!ctx.session.DevicePresent()) return Fail(ctx, kFailed, "the mouse did not come back after its restart");
  ctx.out << "Loaded " << args[0] << " into the mouse; it restarted and was read again\n";
  return kOk;
}

int Reset(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1 || (args[0] != "1" && args[0] != "2" && args[0] != "3")) {
    return Fail(ctx, kUsage, "reset needs the factory configuration 1, 2 or 3");
  }
  if (!ReadMouse(ctx)) return kNoMouse;
  const int n = args[0][0] - '0';
  if (!ctx.session.DefaultParameterConfirm(n)) return ReportMessages(ctx), kFailed;
  ctx.messages.clear();
  ctx.out << "Wrote factory configuration " << n << " of the "
          << VariantName(ctx.session.chip_variant()) << (n == 1 ? "" : "; the mouse restarted") << "\n";
  return kOk;
}

int Program(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "program needs one FILE");
  if (!ReadMouse(ctx)) return kNoMouse;
  ConfigDataProgrammer programmer(ctx.session);
  if (!programmer.LoadFile(args[0]) || !programmer.Program()) return ReportMessages(ctx), kFailed;
  ctx.messages.clear();
  ctx.out << "Programmed " << args[0] << " (patch code header, MCU LED section and 4 bytes of patch"
          << " code); the mouse restarted\n";
  return kOk;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(const std::string& text) {
  std::string digits;
  for (char ch : text) {
    if (ch == ' ' || ch == ':' || ch == ',') continue;
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return std::nullopt;
    digits += ch;
  }
  if (digits.empty() || digits.size() % 2 != 0) return std::nullopt;
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < digits.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

int Write(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 2) return Fail(ctx, kUsage, "write needs OFFSET and HEXBYTES");
  size_t used = 0;
  int offset = -1;
  try {
    offset = std::stoi(args[0], &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != args[0].size() || offset < 0 || offset > 0xFF) {
    return Fail(ctx, kUsage, "OFFSET must be 0..255 (0x00..0xFF): field writes reach only the first 256 bytes");
  }
  const auto bytes = ParseHexBytes(args[1]);
  if (!bytes || bytes->size() > 4) {
    return Fail(ctx, kUsage, "HEXBYTES must be 1 to 4 bytes in hex, such as FF0000");
  }
  if (!OpenMouse(ctx)) return kNoMouse;
  const bool sent = bytes->size() == 4
                        ? ctx.session.WriteQuadField(offset, std::span<const uint8_t, 4>(bytes->data(), 4))
                        : ctx.session.WriteField(offset, *bytes);
  if (!sent) return Fail(ctx, kFailed, "the mouse did not take the write");
  ctx.out << "Wrote " << bytes->size() << " byte" << (bytes->size() > 1 ? "s" : "") << " at 0x"
          << Hex(offset, 2) << "\n";
  return kOk;
}

int Defaults(Context& ctx, const std::vector<std::string>& args) {
  std::string led_type;
  int package = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--led-type" && i + 1 < args.size()) {
      led_type = args[++i];
    } else if (args[i] == "--package" && i + 1 < args.size() && (args[i + 1] == "0" || args[i + 1] == "1")) {
      package = args[++i][0] - '0';
    } else {
      return Fail(ctx, kUsage, "defaults takes --led-type RGB|Sync|NT|MCULED [--package 0|1]");
    }
  }
  if (led_type != "RGB" && led_type != "Sync" && led_type != "NT" && led_type != "MCULED") {
    return Fail(ctx, kUsage, "--led-type must be RGB, Sync, NT or MCULED");
  }
  if (!ReadMouse(ctx)) return kNoMouse;
  ctx.session.default_inputs() = {led_type, package};
  ctx.session.TLDefaultParameter();
  ctx.messages.clear();
  if (!ctx.session.DevicePresent()) return Fail(ctx, kFailed, "the mouse did not come back after its restart");
  ctx.out << "Rebuilt the whole configuration from the defaults for LED type " << led_type
          << "; the mouse restarted\n";
  return kOk;
}

}  // namespace

void AddImageCommands(std::vector<Command>& table) {
  table.push_back({"dump", "dump", "every section decoded, with checksum states",
                   "Reads the mouse and prints every section: Vendor fields by name, User\n"
                   "fields, the 36 slot codes and 9 combo codes, and whether each section's\n"
                   "checksum was valid. --json prints the same as JSON.",
                   Dump});
  table.push_back({"save", "save FILE", "save the whole configuration to FILE(.bin)",
                   "Reads the mouse again and writes its 2048 bytes to FILE; \".bin\" is added\n"
                   "unless the name ends in it.",
                   Save});
  table.push_back({"load", "load FILE", "load a saved configuration into the mouse",
                   "Writes a profile file saved from a mouse of the same chip into the mouse,\n"
                   "restarts it and reads it again. The mouse's memory is backed up first.",
                   Load});
  table.push_back({"reset", "reset 1|2|3", "write factory configuration 1, 2 or 3",
                   "Replaces the whole configuration by factory configuration N of the\n"
                   "mouse's chip; 2 and 3 restart the mouse. The mouse's own patch code is\n"
                   "kept, and its memory is backed up first.",
                   Reset});
  table.push_back({"program", "program FILE", "program a configuration data file",
                   "Programs the first 20 bytes of a configuration data file (patch code\n"
                   "header, MCU LED section, 4 bytes of patch code), then restarts the mouse.",
                   Program});
  table.push_back({"write", "write OFFSET HEXBYTES", "raw field write, for experts",
                   "Writes 1 to 3 bytes (4 for a combo code) at OFFSET 0..255 with the mouse's\n"
                   "short write, as the pages do for one field. No checksum is sent; the\n"
                   "mouse keeps its own.",
                   Write});
  table.push_back({"defaults", "defaults --led-type TYPE", "rebuild everything from the defaults",
                   "Rebuilds the whole configuration from the default builders for the LED\n"
                   "type RGB, Sync, NT or MCULED (--package 0|1 picks the LED package, 0 by\n"
                   "default), writes it and restarts the mouse. The patch code stays as read.",
                   Defaults});
}

}  // namespace kvrm::cli
