#include "device/hid_backend.h"

namespace kvrm {

int HidBackend::CountOpenable() {
  const auto paths = InterfacePaths();
  if (!paths) return 0;
  int count = 0;
  for (const auto& path : *paths) {
    if (path.empty()) continue;
    const HidHandle handle = Open(path, HidAccess::kNone);
    if (handle == kInvalidHandle) continue;
    ++count;
    Close(handle);
  }
  return count;
}

}  // namespace kvrm
