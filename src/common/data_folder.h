#pragma once

#include <filesystem>
#include <string_view>

namespace kvrm {

// The folder of the PC macro library, "Fire Macro.bin" and the backups
// (in its "backups" folder below it). In order: the environment variable
// KVRM_DATA_DIR when set; the layout's Path value when not empty; otherwise
// the per-user data folder ($XDG_DATA_HOME/kvrm, by default ~/.local/share/kvrm)
// on Linux and the program's folder on Windows. A Path naming a Windows drive
// is not used on other systems.
std::filesystem::path DataFolder(std::string_view org_path);

}  // namespace kvrm
