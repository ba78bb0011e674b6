#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "device/hid_backend.h"

namespace kvrm {

struct DeviceId {
  int vendor_id = 0;
  int product_id = 0;
};

inline constexpr DeviceId kMouseId{0x7A5C, 0x08B8};
inline constexpr int kMouseFeatureReportLength = 8;

// The link to the one mouse the tool talks to: its handles, ids and report
// lengths, the search among the HID interfaces and the three raw transfers.
class DeviceLink {
 public:
  explicit DeviceLink(HidBackend& backend);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Present HID interfaces whose path opens with no access rights.
  int CountHidDevices();

  // Examines every present interface; the last one that matches the ids with an
  // 8-byte feature report keeps the handles. True if any matched, even when a
  // probe failed (then CommandHandle or ReplyHandle stays invalid).
  bool FindAndOpenDevice(int vendor_id, int product_id);

  // Forgets the device, then tries AcceptedIds in order; the first pair that opens
  // becomes the device's ids. True when the mouse was found.
  bool SearchAcceptedIds();

  // Ids to 0, handles to the invalid value (they are closed as well).
  void ForgetDevice();

  bool HidSetFeature(HidHandle handle, const uint8_t* report);
  bool HidGetFeature(HidHandle handle, uint8_t* report);
  // One input report from ReadHandle, waiting at most timeout_ms. Safe against a
  // concurrent ForgetDevice on the UI thread.
  bool HidReadInput(uint8_t* buffer, size_t buffer_size, int timeout_ms);

  // The rest of the tool treats the mouse as there exactly when both are valid.
  bool DevicePresent() const {
    return command_handle() != kInvalidHandle && reply_handle() != kInvalidHandle;
  }

  HidHandle command_handle() const { return command_handle_; }
  HidHandle reply_handle() const { return reply_handle_; }
  HidHandle read_handle() const { return read_handle_; }
  int device_vendor_id() const { return device_vendor_id_; }
  int device_product_id() const { return device_product_id_; }
  int feature_report_length() const { return feature_report_length_; }
  int input_report_length() const { return input_report_length_; }

  std::vector<DeviceId>& accepted_ids() { return accepted_ids_; }
  HidBackend& backend() { return backend_; }

 private:
  void CloseHandles();

  HidBackend& backend_;
  std::atomic<HidHandle> command_handle_{kInvalidHandle};
  std::atomic<HidHandle> reply_handle_{kInvalidHandle};
  std::atomic<HidHandle> read_handle_{kInvalidHandle};
  int device_vendor_id_ = 0;
  int device_product_id_ = 0;
  int feature_report_length_ = kMouseFeatureReportLength;
  int input_report_length_ = 0;
  std::vector<DeviceId> accepted_ids_{kMouseId};
  // Held by the input reader for one read, so ReadHandle is never closed under it.
  std::mutex read_mutex_;
};

}  // namespace kvrm
