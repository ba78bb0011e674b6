#include "common/data_folder.h"

#include <cctype>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kvrm {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

#ifndef _WIN32
// "C:\..." or "C:/..." as the shipped layouts give it.
bool IsDrivePath(std::string_view path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         (path[2] == '\\' || path[2] == '/');
}
#endif

std::filesystem::path DefaultFolder() {
#ifdef _WIN32
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return std::filesystem::current_path();
  return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
  const std::string xdg = Environment("XDG_DATA_HOME");
  // Relative values are to be ignored, as the base directory rules say.
  if (!xdg.empty() && xdg.front() == '/') return std::filesystem::path(xdg) / "kvrm";
  const std::string home = Environment("HOME");
  return std::filesystem::path(home.empty() ? "." : home) / ".local" / "share" / "kvrm";
#endif
}

}  // namespace

std::filesystem::path DataFolder(std::string_view org_path) {
  const std::string overridden = Environment("KVRM_DATA_DIR");
  if (!overridden.empty()) return overridden;
#ifndef _WIN32
  if (IsDrivePath(org_path)) return DefaultFolder();
#endif
  if (!org_path.empty()) return std::filesystem::path(org_path);
  return DefaultFolder();
}

}  // namespace kvrm
