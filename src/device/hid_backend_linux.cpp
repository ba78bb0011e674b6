// The build compiles every source of the folder; this one only has content on Linux.
#if defined(__linux__)

#include "device/hid_backend_linux.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "device/hid_report_descriptor.h"
#include "device/platform_hid.h"

namespace kvrm {
namespace {

bool ParseHex16(std::string_view text, uint16_t* value) {
  uint32_t parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, 16);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
  if (parsed > 0xFFFF) return false;
  *value = static_cast<uint16_t>(parsed);
  return true;
}

std::optional<std::vector<uint8_t>> ReadDescriptor(int fd) {
  int size = 0;
  if (ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
    return std::nullopt;
  }
  hidraw_report_descriptor descriptor{};
  descriptor.size = static_cast<uint32_t>(size);
  if (ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) return std::nullopt;
  return std::vector<uint8_t>(descriptor.value, descriptor.value + descriptor.size);
}

// The ioctl number holds the length in a field of _IOC_SIZEBITS bits.
bool FitsIoctl(size_t length) {
  return length > 0 && length <= _IOC_SIZEMASK;
}

}  // namespace

std::optional<HidAttributes> ParseHidUevent(std::string_view uevent) {
  constexpr std::string_view kKey = "HID_ID=";
  while (!uevent.empty()) {
    const size_t line_end = std::min(uevent.find('\n'), uevent.size());
    std::string_view line = uevent.substr(0, line_end);
    uevent.remove_prefix(std::min(line_end + 1, uevent.size()));
    if (!line.starts_with(kKey)) continue;
    line.remove_prefix(kKey.size());
    const size_t first = line.find(':');
    if (first == line.npos) return std::nullopt;
    const size_t second = line.find(':', first + 1);
    if (second == line.npos) return std::nullopt;
    HidAttributes attributes;
    if (!ParseHex16(line.substr(first + 1, second - first - 1), &attributes.vendor_id) ||
        !ParseHex16(line.substr(second + 1), &attributes.product_id)) {
      return std::nullopt;
    }
    return attributes;
  }
  return std::nullopt;
}

LinuxHidBackend::LinuxHidBackend(std::string class_dir, std::string dev_dir)
    : class_dir_(std::move(class_dir)), dev_dir_(std::move(dev_dir)) {}

std::optional<std::vector<std::string>> LinuxHidBackend::InterfacePaths() {
  std::error_code error;
  std::filesystem::directory_iterator it(class_dir_, error);
  if (error) return std::nullopt;
  std::vector<std::string> names;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.starts_with("hidraw")) names.push_back(std::move(name));
  }
  if (error) return std::nullopt;
  // Shorter names first puts hidraw2 before hidraw10.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  std::vector<std::string> paths;
  for (const std::string& name : names) paths.push_back(dev_dir_ + "/" + name);
  return paths;
}

HidHandle LinuxHidBackend::Open(const std::string& path, HidAccess access) {
  int fd = -1;
  if (access == HidAccess::kReadWrite) {
    fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
  } else {
    // Linux has no open without access rights; the feature ioctls work on a node
    // opened read-only, so a node the user may only read still counts.
    fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  }
  if (fd < 0) return kInvalidHandle;
  OpenNode node{std::filesystem::path(path).filename().string()};
  if (access == HidAccess::kReadWrite) {
    const auto descriptor = ReadDescriptor(fd);
    const auto parsed = descriptor ? ParseReportDescriptor(*descriptor) : std::nullopt;
    if (parsed) node.uses_report_ids = parsed->uses_report_ids;
  }
  std::lock_guard lock(mutex_);
  open_[fd] = std::move(node);
  return fd;
}

void LinuxHidBackend::Close(HidHandle handle) {
  if (handle == kInvalidHandle) return;
  {
    std::lock_guard lock(mutex_);
    open_.erase(handle);
  }
  close(static_cast<int>(handle));
}

bool LinuxHidBackend::GetAttributes(HidHandle handle, HidAttributes* attributes) {
  std::string name;
  {
    std::lock_guard lock(mutex_);
    const auto it = open_.find(handle);
    if (it == open_.end()) return false;
    name = it->second.name;
  }
  std::ifstream file(class_dir_ + "/" + name + "/device/uevent");
  if (!file) return false;
  const std::string uevent{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const auto parsed = ParseHidUevent(uevent);
  if (!parsed) return false;
  *attributes = *parsed;
  return true;
}

bool LinuxHidBackend::GetCapabilities(HidHandle handle, HidCapabilities* capabilities) {
  if (handle == kInvalidHandle) return false;
  const auto descriptor = ReadDescriptor(static_cast<int>(handle));
  if (!descriptor) return false;
  const auto parsed = ParseReportDescriptor(*descriptor);
  if (!parsed) return false;
  *capabilities = parsed->capabilities;
  return true;
}

bool LinuxHidBackend::SetFeature(HidHandle handle, const uint8_t* report, size_t length) {
  if (handle == kInvalidHandle || !FitsIoctl(length)) return false;
  return ioctl(static_cast<int>(handle), HIDIOCSFEATURE(length), report) >= 0;
}

bool LinuxHidBackend::GetFeature(HidHandle handle, uint8_t* report, size_t length) {
  if (handle == kInvalidHandle || !FitsIoctl(length)) return false;
  const int received = ioctl(static_cast<int>(handle), HIDIOCGFEATURE(length), report);
  if (received <= 0) return false;
  // A short reply leaves no stale bytes of an earlier report behind it.
  if (static_cast<size_t>(received) < length) std::memset(report + received, 0, length - received);
  return true;
}

bool LinuxHidBackend::ReadInput(HidHandle handle, uint8_t* buffer, size_t length, int timeout_ms) {
  if (handle == kInvalidHandle || length == 0) return false;
  const int fd = static_cast<int>(handle);
  pollfd waiter{fd, POLLIN, 0};
  if (poll(&waiter, 1, timeout_ms) <= 0 || !(waiter.revents & POLLIN)) return false;
  bool uses_report_ids = true;
  {
    std::lock_guard lock(mutex_);
    const auto it = open_.find(handle);
    if (it != open_.end()) uses_report_ids = it->second.uses_report_ids;
  }
  if (uses_report_ids) return read(fd, buffer, length) > 0;
  buffer[0] = 0;
  return length > 1 && read(fd, buffer + 1, length - 1) > 0;
}

int LinuxHidBackend::CountOpenable() {
  const auto paths = InterfacePaths();
  if (!paths) return 0;
  // Open falls back to read-only, so read permission is exactly what it needs.
  return static_cast<int>(std::count_if(paths->begin(), paths->end(), [](const std::string& path) {
    return faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
  }));
}

std::unique_ptr<HidBackend> MakePlatformHidBackend() {
  return std::make_unique<LinuxHidBackend>();
}

}  // namespace kvrm

#endif  // defined(__linux__)
