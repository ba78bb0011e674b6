#include "image/backup_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "common/file_io.h"

namespace kvrm {

BackupStore::BackupStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

bool BackupStore::Keep(const ConfigImage& image, std::string_view reason, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  if (ec) {
    *error = "Cannot create the backup folder \"" + folder_.string() + "\": " + ec.message();
    return false;
  }
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  char name[96];
  std::snprintf(name, sizeof name, "%s-%03d-%.*s.bin", stamp, static_cast<int>(millis),
                static_cast<int>(std::min<size_t>(reason.size(), 40)), reason.data());
  if (!WriteFileAtomically((folder_ / name).string(), image, error)) return false;
  DropOldest();
  return true;
}

void BackupStore::DropOldest() {
  std::vector<std::filesystem::path> backups;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".bin") {
      backups.push_back(entry.path());
    }
  }
  if (backups.size() <= static_cast<size_t>(kKeep)) return;
  // Names start with the time, so name order is age order.
  std::sort(backups.begin(), backups.end());
  for (size_t i = 0; i + kKeep < backups.size(); ++i) std::filesystem::remove(backups[i], ec);
}

}  // namespace kvrm
