#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace kvrm {

// HID access through SetupApi.dll and HID.dll, loaded and resolved by name on first
// use; a function that does not resolve makes the operations needing it fail. A
// handle is the Windows file handle.
//
// kReadWrite handles are opened for overlapped I/O so that ReadInput can give up
// after its time-out; feature reports go through kNone handles, which are not.
class WindowsHidBackend : public HidBackend {
 public:
  std::optional<std::vector<std::string>> InterfacePaths() override;
  HidHandle Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes* attributes) override;
  bool GetCapabilities(HidHandle handle, HidCapabilities* capabilities) override;
  bool SetFeature(HidHandle handle, const uint8_t* report, size_t length) override;
  bool GetFeature(HidHandle handle, uint8_t* report, size_t length) override;
  bool ReadInput(HidHandle handle, uint8_t* buffer, size_t length, int timeout_ms) override;
};

}  // namespace kvrm
