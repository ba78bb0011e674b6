// Every way a change reaches the mouse: one field, one section or block.
#include <algorithm>

#include "image/device_session.h"

namespace kvrm {
namespace {

constexpr uint8_t kProfileReloadNudge = 0x0F;
constexpr uint16_t kMcuLedXData0 = 0x07C4;
constexpr uint16_t kMcuLedXData1 = 0x07C5;

}  // namespace

bool DeviceSession::WriteField(int offset, std::span<const uint8_t> bytes) {
  if (refresh_in_progress_) return false;
  if (offset < 0 || offset > 0xFF || bytes.empty() || bytes.size() > 3) return false;
  uint8_t d[3] = {0, 0, 0};
  std::copy(bytes.begin(), bytes.end(), d);
  return commands_.WriteBytes(static_cast<uint8_t>(offset), d[0], d[1], d[2],
                              static_cast<uint8_t>(bytes.size()));
}

bool DeviceSession::WriteQuadField(int offset, std::span<const uint8_t, 4> bytes) {
  if (refresh_in_progress_) return false;
  if (offset < 0 || offset > 0xFF) return false;
  return commands_.WriteQuad(static_cast<uint8_t>(offset), bytes[0], bytes[1], bytes[2],
                             bytes[3]);
}

void DeviceSession::WriteVendorSection() {
  StoreSectionChecksum(copies_.vendor);
  const VendorSection staged = copies_.vendor;
  commands_.WriteChunks(layout::kVendorOffset, staged);
}

void DeviceSession::WriteUserSection() {
  StoreSectionChecksum(copies_.user);
  const UserSection staged = copies_.user;
  commands_.WriteChunks(layout::kUserOffset, staged);
}

void DeviceSession::WriteProfileSections() { WriteProfileSectionsAndFireKeysImpl(false); }

void DeviceSession::WriteProfileSectionsAndFireKeys() { WriteProfileSectionsAndFireKeysImpl(true); }

void DeviceSession::WriteProfileSectionsAndFireKeysImpl(bool with_fire_keys) {
  if (refresh_in_progress_) return;
  std::array<uint8_t, layout::kProfilesLength> staged;
  for (size_t p = 0; p < 3; ++p) {
    StoreSectionChecksum(copies_.profiles[p]);
    std::copy(copies_.profiles[p].begin(), copies_.profiles[p].end(),
              staged.begin() + static_cast<std::ptrdiff_t>(p * layout::kProfileLength));
  }
  std::lock_guard lock(commands_.transfer_mutex());
  commands_.WriteBlock(layout::kProfilesOffset, staged);
  if (with_fire_keys) WriteFireKeyBlock();
  RefreshProfileParameter();
  // Writing the current-profile byte as 0x0F and back makes the firmware reload
  // the active profile, so the new codes take effect at once.
  commands_.WriteBytes(layout::kUserOffset, kProfileReloadNudge, 0, 0, 1);
  commands_.WriteBytes(layout::kUserOffset, copies_.user[0], 0, 0, 1);
}

void DeviceSession::WriteFireKeyBlock() {
  const FireKeyBlock staged = copies_.fire_keys;
  commands_.WriteBlock(layout::kFireKeyOffset, staged);
}

void DeviceSession::WritePatchHeaderAndMcuLed(bool mcu_led_changed) {
  if (mcu_led_changed) {
    StoreSectionChecksum(std::span(copies_.patch_header).subspan(8));
  }
  const PatchHeaderAndMcuLed staged = copies_.patch_header;
  std::lock_guard lock(commands_.transfer_mutex());
  commands_.WriteBlock(layout::kPatchHeaderOffset, staged);
  if (mcu_led_changed) {
    commands_.XDataWrite(kMcuLedXData0, staged[8]);
    commands_.XDataWrite(kMcuLedXData1, staged[9]);
  }
}

void DeviceSession::WriteMacroArea() {
  std::lock_guard lock(commands_.transfer_mutex());
  const MacroArea staged = copies_.macro_area;
  const std::span<const uint8_t> area(staged);
  commands_.WriteBlock(layout::kMacroAreaOffset, area.first(256));
  commands_.WriteBlock(layout::kMacroAreaOffset + 256, area.subspan(256));
}

std::vector<uint8_t> DeviceSession::AssembleFireBlock() const {
  const VariantLayout& v = copies_.variant_layout;
  std::vector<uint8_t> block = copies_.fire_block;
  block.resize(static_cast<size_t>(v.fire_block_length), 0xFF);
  for (int i = 0; i < layout::kFireMacroCount; ++i) {
    const auto& row = copies_.fire_records[static_cast<size_t>(i)];
    const size_t at = static_cast<size_t>(v.fire_table_offset + i * v.fire_record_length);
    std::copy_n(row.begin(), std::min(row.size(), static_cast<size_t>(v.fire_record_length)),
                block.begin() + static_cast<std::ptrdiff_t>(at));
    if (v.has_fire_names) {
      std::copy(copies_.fire_names[static_cast<size_t>(i)].begin(),
                copies_.fire_names[static_cast<size_t>(i)].end(),
                block.begin() + i * layout::kFireMacroNameLength);
    }
  }
  return block;
}

void DeviceSession::WriteFireMacroBlock() {
  const std::vector<uint8_t> staged = AssembleFireBlock();
  commands_.WriteBlock(static_cast<uint16_t>(copies_.variant_layout.fire_block_offset), staged);
}

void DeviceSession::RefreshProfileParameter() {
  // Read into a scratch buffer: without a mouse the read gives 0xFF bytes, which
  // must not replace the copy.
  UserSection read_back;
  if (commands_.ReadShort(layout::kUserOffset, layout::kUserLength, read_back)) {
    copies_.user = read_back;
  }
}

std::optional<uint8_t> DeviceSession::ReadUserByte(int byte) {
  std::array<uint8_t, 1> value;
  if (!commands_.ReadBlockQuiet(static_cast<uint16_t>(layout::kUserOffset + byte), 1, value)) {
    return std::nullopt;
  }
  copies_.user[static_cast<size_t>(byte)] = value[0];
  return value[0];
}

std::optional<uint8_t> DeviceSession::ReadCurrentProfileByte() { return ReadUserByte(0); }

std::optional<uint8_t> DeviceSession::ReadCurrentDpiLevelByte() { return ReadUserByte(2); }

}  // namespace kvrm
