#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "image/config_image.h"

namespace kvrm {

// Copies of the mouse's whole memory taken before anything replaces it, in
// <data folder>/backups/, the newest kKeep of them kept.
class BackupStore {
 public:
  static constexpr int kKeep = 20;

  explicit BackupStore(std::filesystem::path folder);

  // Writes one backup named by time and reason; false with a message if it cannot.
  bool Keep(const ConfigImage& image, std::string_view reason, std::string* error);
  const std::filesystem::path& folder() const { return folder_; }

 private:
  void DropOldest();

  std::filesystem::path folder_;
};

}  // namespace kvrm
