#include "image/profile_file.h"

#include <algorithm>
#include <cctype>

#include "common/file_io.h"

namespace kvrm {
namespace {

constexpr int kPatchCodeLength4210C = 736;
constexpr int kPatchCodeLength4230C = 512;

bool EndsWithBin(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".bin";
}

}  // namespace

std::string ProfileFileName(const std::string& chosen) {
  return EndsWithBin(chosen) ? chosen : chosen + ".bin";
}

std::optional<std::string> ProfileFileProblem(std::span<const uint8_t> file, ChipVariant variant) {
  if (file.size() > static_cast<size_t>(layout::kFireKeyMarkerOffset) &&
      file[layout::kFireKeyMarkerOffset] != layout::kFireKeyMarker) {
    return std::string(kProfileLoadError);
  }
  if (file.size() != kImageSize) {
    return std::string(kProfileLoadError) + " The file holds " + std::to_string(file.size()) +
           " bytes; a profile file holds exactly 2048.";
  }
  const int length = (file[layout::kPatchHeaderOffset + 2] << 8) | file[layout::kPatchHeaderOffset + 3];
  const int room = LayoutFor(variant).patch_code_length;
  const bool other_variant =
      (variant == ChipVariant::k4210C && length == kPatchCodeLength4230C) ||
      (variant == ChipVariant::k4230C && length == kPatchCodeLength4210C);
  if (length > room || other_variant) {
    return std::string(kProfileLoadError) + " The file was saved from a mouse with another chip (" +
           std::string(length == kPatchCodeLength4230C ? "4230C" : "4210C") + ") than this " +
           std::string(VariantName(variant)) + ".";
  }
  return std::nullopt;
}

bool SaveProfileFile(DeviceSession& session, const std::string& path) {
  session.observer().CloseMenus();
  if (!session.DevicePresent()) {
    session.observer().ShowMessage("Str022");
    return false;
  }
  session.Btn_Read();
  std::string error;
  if (!WriteFileAtomically(path, session.data_buf(), &error)) {
    session.observer().ShowFixedMessage(error);
    return false;
  }
  return true;
}

bool LoadProfileFile(DeviceSession& session, const std::string& path) {
  session.set_refresh_in_progress(true);
  session.observer().CloseMenus();
  bool loaded = false;
  if (!session.DevicePresent()) {
    session.observer().ShowMessage("Str022");
  } else if (std::string error; const auto file = ReadWholeFile(path, &error)) {
    if (const auto problem = ProfileFileProblem(*file, session.chip_variant())) {
      session.observer().ShowFixedMessage(*problem);
    } else if (session.KeepBackupOfMouse("load")) {
      std::copy(file->begin(), file->end(), session.data_buf().begin());
      session.MemoToDataBuf_OnClick();
      loaded = true;
    }
  } else {
    session.observer().ShowFixedMessage(error);
  }
  session.set_refresh_in_progress(false);
  return loaded;
}

}  // namespace kvrm
