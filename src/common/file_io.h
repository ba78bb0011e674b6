#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvrm {

// Reads a whole file; nullopt and a message for the user when it cannot.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string* error);

// Writes to a temporary name beside the file and renames it over the old one,
// so a failed write never leaves half a file.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error);

}  // namespace kvrm
