#pragma once

#include <optional>
#include <span>
#include <string>

#include "device/chip_variant.h"
#include "image/device_session.h"

namespace kvrm {

inline constexpr const char* kProfileLoadError = "Loading .bin is error!";

// The file name a chosen save name gives: ".bin" is added unless it is there.
std::string ProfileFileName(const std::string& chosen);

// Why a profile file may not go into a mouse of that variant, or nullopt when
// it may: the fire key marker, the exact size, and a patch code header that
// fits the variant (a 4230C file in a 4210C would put fire macro data into the
// controller's patch code, and the reverse).
std::optional<std::string> ProfileFileProblem(std::span<const uint8_t> file, ChipVariant variant);

// Reads the mouse afresh and writes its 2048 bytes to path. False, with the
// message shown through the session's observer, when it cannot.
bool SaveProfileFile(DeviceSession& session, const std::string& path);

// Checks the file, keeps a backup of the mouse, writes the file's image into the
// mouse and restarts it. Nothing is written when the file is refused.
bool LoadProfileFile(DeviceSession& session, const std::string& path);

}  // namespace kvrm
