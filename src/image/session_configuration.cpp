// Operations that replace the mouse's whole configuration.
#include <algorithm>
#include <string>

#include "common/resources.h"
#include "image/device_session.h"

namespace kvrm {

void DeviceSession::set_backup_store(BackupStore* store) { backups_ = store; }

bool DeviceSession::KeepBackupOfMouse(std::string_view reason) {
  if (!backups_ || !DevicePresent()) return true;
  ConfigImage image;
  commands_.ReadBlockQuiet(0, kImageSize, image);
  std::string error;
  if (backups_->Keep(image, reason, &error)) return true;
  observer_.ShowFixedMessage(error + "\nThe mouse was not changed.");
  return false;
}

ConfigImage DeviceSession::FactoryImage(int configuration) const {
  // Any variant but the 4230C gets the 4210C images.
  const std::string name = std::string("KVRM") +
                           (copies_.variant == ChipVariant::k4230C ? "4230C" : "4210C") +
                           "Data_Cfg" + std::to_string(configuration);
  ConfigImage image{};
  const auto resource = FindResource(kRcData, name);
  std::copy_n(resource.begin(), std::min(resource.size(), kImageSize), image.begin());
  return image;
}

void DeviceSession::KeepPatchCode(ConfigImage& image) const {
  // Our resources cannot carry a real controller's patch code, so the mouse keeps
  // its own header and code rather than our filler.
  std::copy_n(copies_.patch_header.begin(), 8, image.begin() + layout::kPatchHeaderOffset);
  std::copy(copies_.patch_code.begin(), copies_.patch_code.end(),
            image.begin() + layout::kPatchCodeOffset);
}

void DeviceSession::WriteWholeImage() { commands_.WriteBlock(0, data_buf_); }

bool DeviceSession::DefaultParameterConfirm(int configuration) {
  if (configuration < 1 || configuration > 3) return false;
  if (!DevicePresent()) {
    observer_.ShowMessage("Str022");
    return false;
  }
  if (!KeepBackupOfMouse("reset-" + std::to_string(configuration))) return false;
  refresh_in_progress_ = true;
  observer_.CloseMenus();
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, false);
  observer_.LockPages();
  busy_.Show();

  ConfigImage image = FactoryImage(configuration);
  KeepPatchCode(image);
  data_buf_ = image;
  observer_.ClearMacroLists();
  SplitImage();
  busy_.Show();
  DataBufToUI();
  WriteWholeImage();

  busy_.Hide();
  busy_.ProcessEvents();
  SwitchToSlowTimer();
  refresh_in_progress_ = false;
  if (configuration == 1) {
    observer_.UnlockPages();
  } else {
    RestartAndRefind();
  }
  return true;
}

void DeviceSession::TLDefaultParameter() {
  if (!KeepBackupOfMouse("defaults")) return;
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, false);
  refresh_in_progress_ = true;
  observer_.CloseMenus();
  busy_.Show();

  BuildDefaultSections(copies_, default_inputs_);
  DataBufToUI();

  auto put = [this](const auto& copy, int offset) {
    std::copy(copy.begin(), copy.end(), data_buf_.begin() + offset);
  };
  put(copies_.vendor, layout::kVendorOffset);
  put(copies_.user, layout::kUserOffset);
  for (int p = 0; p < 3; ++p) put(copies_.profiles[static_cast<size_t>(p)], layout::kProfileOffsets[p]);
  put(copies_.reserved, layout::kReservedOffset);
  put(copies_.fire_keys, layout::kFireKeyOffset);
  copies_.macro_area.fill(0);
  put(copies_.macro_area, layout::kMacroAreaOffset);
  put(copies_.patch_header, layout::kPatchHeaderOffset);
  // The patch code goes back as read and the fire macro block with its cleared
  // table, so the image stays consistent with its patch code header.
  put(copies_.patch_code, layout::kPatchCodeOffset);
  ClearFireMacroTable(copies_);
  put(AssembleFireBlock(), copies_.variant_layout.fire_block_offset);
  WriteWholeImage();

  busy_.Hide();
  busy_.ProcessEvents();
  refresh_in_progress_ = false;
  SwitchToSlowTimer();
  RestartAndRefind();
}

void DeviceSession::MemoToDataBuf_OnClick() {
  observer_.CloseMenus();
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, false);
  observer_.LockPages();
  SplitImage();
  DataBufToUI();
  busy_.Show();
  WriteWholeImage();
  busy_.Hide();
  busy_.ProcessEvents();
  SwitchToSlowTimer();
  RestartAndRefind();
}

}  // namespace kvrm
