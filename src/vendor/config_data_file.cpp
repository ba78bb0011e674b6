#include "vendor/config_data_file.h"

#include <algorithm>

#include "common/file_io.h"

namespace kvrm {

void CheckEEPatchCodeSection(PatchHeaderAndMcuLed& header, std::span<const uint8_t, 4> code) {
  unsigned sum = 0;
  for (uint8_t b : code) sum += b;
  sum &= 0xFFFF;
  header[0] = 0x04;
  header[1] = 0x00;
  header[4] = 0x00;
  header[5] = 0x1A;
  header[6] = static_cast<uint8_t>((sum >> 8) ^ 0x01);
  header[7] = static_cast<uint8_t>((sum & 0xFF) ^ 0x5A);
}

void ConfigDataProgrammer::PageOpened() {
  file_loaded_ = false;
  loaded_path_.clear();
}

bool ConfigDataProgrammer::LoadFile(const std::string& path) {
  std::string error;
  const auto file = ReadWholeFile(path, &error);
  if (!file) {
    session_.observer().ShowFixedMessage(error);
    return false;
  }
  if (file->size() < kConfigDataFileLength) {
    session_.observer().ShowFixedMessage("\"" + path + "\" holds " + std::to_string(file->size()) +
                                         " bytes; a configuration data file holds at least 20.");
    return false;
  }
  SectionCopies& copies = session_.copies();
  std::copy_n(file->begin(), 16, copies.patch_header.begin());
  if (copies.patch_code.size() < 4) copies.patch_code.resize(4, 0xFF);
  std::copy_n(file->begin() + 16, 4, copies.patch_code.begin());
  loaded_path_ = path;
  file_loaded_ = true;
  return true;
}

bool ConfigDataProgrammer::Program() {
  if (!session_.DevicePresent() || !file_loaded_) return false;
  if (!session_.KeepBackupOfMouse("program")) return false;
  SectionCopies& copies = session_.copies();
  session_.scheduler().SetEnabled(PresenceTimer::kDevTimer, false);
  session_.observer().LockPages();
  session_.busy_window().Show();
  session_.busy_window().ProcessEvents();

  const std::span<const uint8_t, 4> code(copies.patch_code.data(), 4);
  CheckEEPatchCodeSection(copies.patch_header, code);
  session_.commands().WriteBlock(layout::kPatchHeaderOffset, copies.patch_header);
  session_.commands().WriteBlock(layout::kPatchCodeOffset, code);
  session_.RestartAndRefind();
  return true;
}

}  // namespace kvrm
