#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvrm {

// An open HID interface. The invalid value has all bits set, as on Windows.
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHandle = -1;

enum class HidAccess {
  kNone,       // no read or write rights: enough for feature reports and attributes
  kReadWrite,  // for reading input reports
};

struct HidAttributes {
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
};

// Report byte lengths as Windows' HID capabilities give them: the longest report
// of each kind, plus one byte for the report id when the descriptor uses ids.
struct HidCapabilities {
  int input_report_length = 0;
  int output_report_length = 0;
  int feature_report_length = 0;
};

// The operating system's HID access, one implementation per platform plus the
// simulated mouse. Everything above it is written once.
class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // Device paths of the present HID interfaces, in enumeration order; nullopt when
  // the list cannot be had. An interface whose path cannot be learnt is an empty
  // string, so callers skip it and go on with the next.
  virtual std::optional<std::vector<std::string>> InterfacePaths() = 0;

  virtual HidHandle Open(const std::string& path, HidAccess access) = 0;
  virtual void Close(HidHandle handle) = 0;
  virtual bool GetAttributes(HidHandle handle, HidAttributes* attributes) = 0;
  virtual bool GetCapabilities(HidHandle handle, HidCapabilities* capabilities) = 0;

  // report[0] is the report id; length includes it.
  virtual bool SetFeature(HidHandle handle, const uint8_t* report, size_t length) = 0;
  virtual bool GetFeature(HidHandle handle, uint8_t* report, size_t length) = 0;

  // Waits up to timeout_ms for one input report; false on time-out or error.
  virtual bool ReadInput(HidHandle handle, uint8_t* buffer, size_t length, int timeout_ms) = 0;

  // Number of present interfaces whose path opens with no access rights.
  // Backends may answer this more cheaply than by opening every path.
  virtual int CountOpenable();
};

}  // namespace kvrm
