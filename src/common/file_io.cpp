#include "common/file_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kvrm {

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    if (error) *error = "Cannot read \"" + path + "\": it is a folder";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "Cannot open \"" + path + "\": " + std::strerror(errno);
    return std::nullopt;
  }
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    if (error) *error = "Cannot read \"" + path + "\"";
    return std::nullopt;
  }
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error) {
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      if (error) *error = "Cannot create \"" + path + "\": " + std::strerror(errno);
      return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      if (error) *error = "Cannot write \"" + path + "\"";
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    if (error) *error = "Cannot replace \"" + path + "\": " + ec.message();
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace kvrm
