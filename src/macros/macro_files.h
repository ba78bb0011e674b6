#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_outcome.h"

namespace kvrm {

// Export files carry ".bin"; a chosen name that already ends in it keeps it.
std::string ExportPath(std::string_view chosen);

// Writes via a temporary file renamed over the old one.
Outcome WriteMacroFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// The whole file, or a message when it cannot be read.
std::optional<std::vector<uint8_t>> ReadMacroFile(const std::filesystem::path& path,
                                                  Outcome* outcome);

// Keeps the bytes of a damaged file beside it under a free name
// ("<file>.damaged", "<file>.damaged-2", ...) before anything overwrites it.
std::optional<std::filesystem::path> KeepDamagedCopy(const std::filesystem::path& path,
                                                     std::span<const uint8_t> bytes);

// The notice for a file that was read as far as it went.
Outcome DamagedFileOutcome(const std::filesystem::path& path,
                           const std::optional<std::filesystem::path>& copy);

}  // namespace kvrm
