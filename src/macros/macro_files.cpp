#include "macros/macro_files.h"

#include <algorithm>
#include <cctype>
#include <ios>
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
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
    *outcome = Outcome::Fail(MacroStatus::kFileError, "\"" + path.string() + "\" is not a file.");
    return std::nullopt;
  }
  std::string error;
  std::optional<std::vector<uint8_t>> bytes;
  try {
    bytes = ReadWholeFile(path.string(), &error);
  } catch (const std::ios_base::failure& failure) {
    // The stream library may report a failed read by throwing rather than by its state.
    error = "Cannot read \"" + path.string() + "\": " + failure.what();
  }
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
