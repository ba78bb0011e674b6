// kvrmctl list, info and read: finding the mouse and reading its memory.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "common/file_io.h"
#include "device/chip_variant.h"
#include "device/identify.h"
#include "sim/simulated_mouse.h"

namespace kvrm::cli {
namespace {

std::string Hex4(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

int List(Context& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return Fail(ctx, kUsage, "list takes no arguments");
  nlohmann::json found = nlohmann::json::array();
  const auto paths = ctx.backend.InterfacePaths();
  for (const auto& path : paths.value_or(std::vector<std::string>{})) {
    if (path.empty()) continue;
    const HidHandle handle = ctx.backend.Open(path, HidAccess::kNone);
    if (handle == kInvalidHandle) continue;
    HidAttributes attributes;
    HidCapabilities caps;
    const bool known = ctx.backend.GetAttributes(handle, &attributes) &&
                       ctx.backend.GetCapabilities(handle, &caps);
    ctx.backend.Close(handle);
    if (!known) continue;
    for (const DeviceId& id : ctx.link().accepted_ids()) {
      if (id.vendor_id != attributes.vendor_id || id.product_id != attributes.product_id) continue;
      found.push_back({{"path", path},
                       {"vendor_id", Hex4(attributes.vendor_id)},
                       {"product_id", Hex4(attributes.product_id)},
                       {"input_report_length", caps.input_report_length},
                       {"feature_report_length", caps.feature_report_length},
                       {"usable", caps.feature_report_length == kMouseFeatureReportLength}});
    }
  }
  if (ctx.json) {
    ctx.out << found.dump(2) << "\n";
  } else {
    for (const auto& f : found) {
      ctx.out << f["path"].get<std::string>() << "  " << f["vendor_id"].get<std::string>() << ":"
              << f["product_id"].get<std::string>() << "  input " << f["input_report_length"]
              << "  feature " << f["feature_report_length"]
              << (f["usable"].get<bool>() ? "" : "  (not usable: feature report is not 8 bytes)")
              << "\n";
    }
  }
  if (found.empty()) return Fail(ctx, kNoMouse, "no mouse found");
  return kOk;
}

int Info(Context& ctx, const std::vector<std::string>& args) {
  if (!args.empty()) return Fail(ctx, kUsage, "info takes no arguments");
  if (!OpenMouse(ctx)) return kNoMouse;
  const auto reply = Identify(ctx.commands());
  if (!reply) return Fail(ctx, kFailed, "the mouse does not take commands");
  if (!reply->valid()) return Fail(ctx, kFailed, "the mouse did not answer the identify command");
  const ChipVariant variant = VariantForIdentifyCode(reply->code, 0);
  char code[4];
  std::snprintf(code, sizeof code, "%02X", reply->code);
  if (ctx.json) {
    ctx.out << nlohmann::json{{"variant", VariantName(variant)},
                              {"identify_code", code},
                              {"vendor_id", Hex4(ctx.link().device_vendor_id())},
                              {"product_id", Hex4(ctx.link().device_product_id())},
                              {"input_report_length", ctx.link().input_report_length()},
                              {"feature_report_length", ctx.link().feature_report_length()}}
                   .dump(2)
            << "\n";
  } else {
    ctx.out << "Mouse " << VariantName(variant) << " (identify code " << code << ")\n"
            << "Vendor id " << Hex4(ctx.link().device_vendor_id()) << ", product id "
            << Hex4(ctx.link().device_product_id()) << "\n"
            << "Reports: input " << ctx.link().input_report_length() << " bytes, feature "
            << ctx.link().feature_report_length() << " bytes\n";
  }
  return kOk;
}

int Read(Context& ctx, const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(ctx, kUsage, "read needs one FILE");
  if (!OpenMouse(ctx)) return kNoMouse;
  ConfigImage image;
  if (!ctx.commands().ReadBlock(0, kImageSize, image)) {
    return Fail(ctx, kFailed, "the mouse does not take commands");
  }
  std::string error;
  if (!WriteFileAtomically(args[0], image, &error)) return Fail(ctx, kFailed, error);
  if (ctx.json) {
    ctx.out << nlohmann::json{{"file", args[0]}, {"bytes", kImageSize}}.dump(2) << "\n";
  } else {
    ctx.out << "Read " << kImageSize << " bytes of mouse memory into " << args[0] << "\n";
  }
  return kOk;
}

}  // namespace

int Fail(Context& ctx, int code, const std::string& message) {
  ctx.err << "kvrmctl: " << message << "\n";
  return code;
}

bool OpenMouse(Context& ctx) {
  if (ctx.link().SearchAcceptedIds() && ctx.link().DevicePresent()) return true;
  Fail(ctx, kNoMouse, "no mouse found");
  return false;
}

bool ReadMouse(Context& ctx) {
  ctx.session.Start();
  ctx.session.DevTimerTimer();
  ctx.messages.clear();
  if (ctx.session.DevicePresent() && ctx.session.chip_variant() != ChipVariant::kNone) return true;
  Fail(ctx, kNoMouse, ctx.session.DevicePresent() ? "the mouse was not accepted" : "no mouse found");
  return false;
}

bool ReportMessages(Context& ctx) {
  for (const auto& m : ctx.messages) ctx.err << "kvrmctl: " << m << "\n";
  const bool any = !ctx.messages.empty();
  ctx.messages.clear();
  return any;
}

void AddDeviceCommands(std::vector<Command>& table) {
  table.push_back({"list", "list", "HID interfaces of the mouse, with their report lengths",
                   "Lists the present HID interfaces whose vendor and product id are the\n"
                   "mouse's, with their input and feature report lengths.",
                   List});
  table.push_back({"info", "info", "identify the mouse: chip variant and ids",
                   "Finds the mouse, sends the identify command and prints the chip\n"
                   "variant (4210C or 4230C), the ids and the report lengths.",
                   Info});
  table.push_back({"read", "read FILE", "read the whole 2048-byte memory into FILE",
                   "Reads the mouse's whole configuration memory (2048 bytes) into FILE.\n"
                   "The file is written under a temporary name and renamed when complete.",
                   Read});
}

}  // namespace kvrm::cli
