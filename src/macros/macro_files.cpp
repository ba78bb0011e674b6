#include "macros/macro_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "common/file_io.h"

namespace kvrm {

std::string ExportPath(std::string_view chosen) {
  constexpr std::string_view kSuffix = ".bin";
  const bool has_suffix =
      chosen.size() >= kSuffix.size() &&
      std::equal(kSuffix.begin(), kSuffix.end(), chosen.end() - kSuffix.size(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  return has_suffix ? std::string(chosen) : std::string(chosen) + std::string(kSuffix);
}

Outcome WriteMacroFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::error_code ignored;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
  std::string error;
  if (!WriteFileAtomically(path.string(), bytes, &error)) {
    return Outcome::Fail(MacroStatus::kFileError, error);
  }
  return Outcome::Ok();
}

std::optional<std::vector<uint8_t>> ReadMacroFile(const std::filesystem::path& path,
                                                  Outcome* outcome) {
  std::string error;
  auto bytes = ReadWholeFile(path.string(), &error);
  if (!bytes) *outcome = Outcome::Fail(MacroStatus::kFileError, error);
  return bytes;
}

std::optional<std::filesystem::path> KeepDamagedCopy(const std::filesystem::path& path,
                                                     std::span<const uint8_t> bytes) {
  for (int n = 1; n <= 99; ++n) {
    std::filesystem::path copy = path;
    copy += n == 1 ? ".damaged" : ".damaged-" + std::to_string(n);
    std::error_code ec;
    if (std::filesystem::exists(copy, ec) || ec) continue;
    if (WriteMacroFile(copy, bytes).ok()) return copy;
    return std::nullopt;
  }
  return std::nullopt;
}

Outcome DamagedFileOutcome(const std::filesystem::path& path,
                           const std::optional<std::filesystem::path>& copy) {
  std::string text =
      "The file \"" + path.string() + "\" was damaged and was read as far as it went.";
  text += copy ? " A copy of it was kept as \"" + copy->string() + "\"."
               : " No copy of it could be kept.";
  return {MacroStatus::kDamaged, {}, text};
}

}  // namespace kvrm
