#pragma once

#include <memory>

#include "device/hid_backend.h"

namespace kvrm {

// The HID access of the system the tool was built for: hidraw on Linux, the
// SetupAPI and HID class driver functions on Windows.
std::unique_ptr<HidBackend> MakePlatformHidBackend();

}  // namespace kvrm
