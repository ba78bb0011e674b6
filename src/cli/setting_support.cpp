#include "cli/setting_support.h"

#include <cstdio>
#include <ostream>

#include "common/data_folder.h"
#include "image/user_fields.h"
#include "macros/custom_gun_keys.h"
#include "macros/device_macros.h"
#include "settings/dpi.h"
#include "settings/fire_keys.h"

namespace kvrm::cli {
namespace {

std::string SlotLabel(int profile, int slot) {
  return "Profile " + std::to_string(profile + 1) + " slot " + std::to_string(slot + 1);
}

}  // namespace

MouseKeys ReadMouseKeys(DeviceSession& session, const LanguageTable& texts) {
  CustomGunKeys gun_keys(DataFolder(""));
  gun_keys.Load();
  return DeriveMouseKeys(session.copies(), &gun_keys, texts);
}

std::string DescribeCode(KeyCode code, const KeyNamingState& naming, const LanguageTable& texts) {
  const std::string name = KeyCodeToName(code, naming, texts).text;
  return FormatKeyCode(code) + (name.empty() ? "" : " (" + name + ")");
}

void StoreCodeChanges(Context& ctx, const MouseKeys& before, const ProfileKeyCodes& profiles,
                      const ComboKeyCodes& combo_keys, const KeyNamingState& after_naming,
                      const LanguageTable& texts) {
  auto report = [&](const std::string& label, KeyCode old_code, KeyCode new_code) {
    if (old_code == new_code) return;
    ctx.out << label << ": " << DescribeCode(old_code, before.naming, texts) << " -> "
            << DescribeCode(new_code, after_naming, texts) << "\n";
  };
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotsPerProfile; ++s) {
      report(SlotLabel(p, s), before.profiles[p][s], profiles[p][s]);
    }
  }
  for (int k = 0; k < vendor::kComboKeyCount; ++k) {
    report("Combo Key " + std::to_string(k + 1), before.combo_keys[k], combo_keys[k]);
  }
  StoreKeyCodes(profiles, combo_keys, ctx.session.copies(), ctx.session.code_texts());
}

std::string Hex(int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

std::string RgbText(vendor::Rgb colour) {
  return Hex(colour.red, 2) + Hex(colour.green, 2) + Hex(colour.blue, 2);
}

std::string WriteText(const ByteWrite& write) {
  std::string text;
  for (uint8_t b : write.bytes) text += (text.empty() ? "" : " ") + Hex(b, 2);
  return text + " at 0x" + Hex(write.offset, 2);
}

bool SendWrite(Context& ctx, const ByteWrite& write) {
  if (ctx.session.WriteField(write.offset, write.bytes)) return true;
  Fail(ctx, kFailed, "the mouse did not take the write of " + WriteText(write));
  return false;
}

}  // namespace kvrm::cli
