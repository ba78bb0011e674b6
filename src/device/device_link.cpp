#include "device/device_link.h"

#include <algorithm>
#include <iterator>

namespace kvrm {
namespace {

constexpr uint8_t kIdentifyProbe[8] = {0x40, 0x0D, 0, 0, 0, 0, 0, 0};

}  // namespace

DeviceLink::DeviceLink(HidBackend& backend) : backend_(backend) {}

DeviceLink::~DeviceLink() { CloseHandles(); }

int DeviceLink::CountHidDevices() { return backend_.CountOpenable(); }

bool DeviceLink::FindAndOpenDevice(int vendor_id, int product_id) {
  const auto paths = backend_.InterfacePaths();
  if (!paths) return false;
  bool found = false;
  for (const auto& path : *paths) {
    if (path.empty()) continue;
    const HidHandle handle = backend_.Open(path, HidAccess::kNone);
    if (handle == kInvalidHandle) continue;

    HidAttributes attributes;
    HidCapabilities caps;
    const bool known = backend_.GetAttributes(handle, &attributes);
    if (!backend_.GetCapabilities(handle, &caps)) caps = HidCapabilities{};
    if (!known || caps.feature_report_length != kMouseFeatureReportLength ||
        attributes.vendor_id != vendor_id || attributes.product_id != product_id) {
      backend_.Close(handle);
      continue;
    }

    // A later match replaces an earlier one; its handles are closed, not leaked.
    CloseHandles();
    found = true;
    {
      std::lock_guard lock(read_mutex_);
      read_handle_ = backend_.Open(path, HidAccess::kReadWrite);
    }
    device_vendor_id_ = attributes.vendor_id;
    device_product_id_ = attributes.product_id;
    feature_report_length_ = caps.feature_report_length;
    input_report_length_ = caps.input_report_length;

    uint8_t probe[8];
    std::copy(std::begin(kIdentifyProbe), std::end(kIdentifyProbe), probe);
    if (backend_.SetFeature(handle, probe, sizeof probe)) command_handle_ = handle;
    uint8_t reply[8] = {0x41};
    if (backend_.GetFeature(handle, reply, sizeof reply)) reply_handle_ = handle;
    if (command_handle_ == kInvalidHandle && reply_handle_ == kInvalidHandle) {
      backend_.Close(handle);
    }
  }
  return found;
}

bool DeviceLink::SearchAcceptedIds() {
  ForgetDevice();
  for (const DeviceId& id : accepted_ids_) {
    if (id.vendor_id == 0 || id.product_id == 0) continue;
    if (FindAndOpenDevice(id.vendor_id, id.product_id)) {
      device_vendor_id_ = id.vendor_id;
      device_product_id_ = id.product_id;
      return true;
    }
  }
  return false;
}

void DeviceLink::ForgetDevice() {
  CloseHandles();
  device_vendor_id_ = 0;
  device_product_id_ = 0;
}

void DeviceLink::CloseHandles() {
  const HidHandle command = command_handle_.exchange(kInvalidHandle);
  const HidHandle reply = reply_handle_.exchange(kInvalidHandle);
  if (command != kInvalidHandle) backend_.Close(command);
  if (reply != kInvalidHandle && reply != command) backend_.Close(reply);
  std::lock_guard lock(read_mutex_);
  const HidHandle read = read_handle_.exchange(kInvalidHandle);
  if (read != kInvalidHandle) backend_.Close(read);
}

bool DeviceLink::HidSetFeature(HidHandle handle, const uint8_t* report) {
  if (handle == kInvalidHandle) return false;
  return backend_.SetFeature(handle, report, static_cast<size_t>(feature_report_length_));
}

bool DeviceLink::HidGetFeature(HidHandle handle, uint8_t* report) {
  if (handle == kInvalidHandle) return false;
  return backend_.GetFeature(handle, report, static_cast<size_t>(feature_report_length_));
}

bool DeviceLink::HidReadInput(uint8_t* buffer, size_t buffer_size, int timeout_ms) {
  std::lock_guard lock(read_mutex_);
  const HidHandle handle = read_handle_;
  if (handle == kInvalidHandle || input_report_length_ <= 0) return false;
  const size_t length = std::min(buffer_size, static_cast<size_t>(input_report_length_));
  return backend_.ReadInput(handle, buffer, length, timeout_ms);
}

}  // namespace kvrm
