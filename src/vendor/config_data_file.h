#pragma once

#include <span>
#include <string>

#include "image/device_session.h"
#include "image/section_copies.h"

namespace kvrm {

// A configuration data file: a new patch code header, MCU LED section and the
// first four bytes of patch code, 20 bytes in all.
inline constexpr size_t kConfigDataFileLength = 20;

// Recomputes the patch code header for the four patch code bytes programmed
// with it; the length field (bytes 2 and 3) stays as it is.
void CheckEEPatchCodeSection(PatchHeaderAndMcuLed& header, std::span<const uint8_t, 4> code);

// The update page's state: which file was loaded, and programming it.
class ConfigDataProgrammer {
 public:
  explicit ConfigDataProgrammer(DeviceSession& session) : session_(session) {}

  // Opening the update page forgets the loaded file.
  void PageOpened();
  // Reads the file into the copies of image 1008..1027. A file shorter than 20
  // bytes is refused with a message and changes nothing.
  bool LoadFile(const std::string& path);
  // Does nothing unless the mouse is there and a file was loaded.
  bool Program();

  bool file_loaded() const { return file_loaded_; }
  const std::string& loaded_path() const { return loaded_path_; }

 private:
  DeviceSession& session_;
  bool file_loaded_ = false;
  std::string loaded_path_;
};

}  // namespace kvrm
