#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_backend.h"

namespace kvrm {

// Vendor and product id from the HID_ID line of a hidraw device's uevent file,
// e.g. "HID_ID=0003:00007A5C:000008B8" (bus, vendor, product in hexadecimal).
std::optional<HidAttributes> ParseHidUevent(std::string_view uevent);

// HID access through the hidraw nodes. A handle is the file descriptor.
class LinuxHidBackend : public HidBackend {
 public:
  // The directories are parameters so that enumeration and attributes can be
  // exercised on a copy of the tree.
  explicit LinuxHidBackend(std::string class_dir = "/sys/class/hidraw",
                           std::string dev_dir = "/dev");

  std::optional<std::vector<std::string>> InterfacePaths() override;
  HidHandle Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes* attributes) override;
  bool GetCapabilities(HidHandle handle, HidCapabilities* capabilities) override;
  bool SetFeature(HidHandle handle, const uint8_t* report, size_t length) override;
  bool GetFeature(HidHandle handle, uint8_t* report, size_t length) override;
  bool ReadInput(HidHandle handle, uint8_t* buffer, size_t length, int timeout_ms) override;

  // Counts the nodes the user may read, without opening them: an open starts the
  // device's interrupt transfers and this runs many times a second.
  int CountOpenable() override;

 private:
  struct OpenNode {
    std::string name;  // "hidrawN", the node's entry in the class directory
    // hidraw puts the report id in front of input reports only when the
    // descriptor uses ids; without them ReadInput adds the 0 byte Windows gives.
    bool uses_report_ids = true;
  };

  std::string class_dir_;
  std::string dev_dir_;
  std::mutex mutex_;  // the input-report thread reads open_ while the UI thread opens
  std::map<HidHandle, OpenNode> open_;
};

}  // namespace kvrm
