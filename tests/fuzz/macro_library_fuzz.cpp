// Arbitrary bytes as the PC macro library file and as an import file: loading
// must finish whatever the size, keep a copy of a damaged file, and every
// operation afterwards must leave memory and file in agreement.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "macros/pc_macro_library.h"

namespace {

void Write(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

bool FileMatches(const kvrm::PcMacroLibrary& library) {
  std::ifstream in(library.FilePath(), std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  return bytes == kvrm::LibraryBytes(library.records());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kvrm_library_fuzz_" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  kvrm::PcMacroLibrary library(folder);
  Write(library.FilePath(), data, size);
  const std::vector<uint8_t> empty(kvrm::kLibraryFileSize, 0);
  const kvrm::Outcome loaded = library.Load(empty);
  if (size == kvrm::kLibraryFileSize ? !loaded.ok()
                                     : loaded.status != kvrm::MacroStatus::kDamaged) {
    __builtin_trap();
  }
  for (int i = 0; i < library.Count(); ++i) {
    library.Decode(i);
    if (library.Macro(i).empty()) __builtin_trap();
  }

  const auto import_path = folder / "import.bin";
  Write(import_path, data, size);
  library.ImportOne(import_path, nullptr);
  library.New("Fuzz", nullptr);
  if (library.Count() > 0) {
    library.ChangeStopMode(0, kvrm::StopMode::Cycles(size % 300));
    library.Rename(0, "Renamed");
    library.Delete(library.Count() - 1);
  }
  library.ImportAll(import_path);
  if (!FileMatches(library)) __builtin_trap();
  std::filesystem::remove_all(folder);
  return 0;
}
