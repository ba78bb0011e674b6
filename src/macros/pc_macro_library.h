#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_bytes.h"
#include "macros/macro_codec.h"
#include "macros/macro_name.h"
#include "macros/macro_outcome.h"

namespace kvrm {

inline constexpr int kLibrarySlots = 100;
inline constexpr size_t kLibraryRecordSize = 16 + kMacroSlotSize;
inline constexpr size_t kLibraryFileSize = kLibrarySlots * kLibraryRecordSize;  // 27200
inline constexpr std::string_view kLibraryFileName = "KVRM4210C-Macro.bin";
// The empty library the tool carries: 27200 zero bytes, 100 empty records.
inline constexpr std::string_view kEmptyLibraryResource = "PCMacroData";

struct LibraryMacro {
  MacroName name{};
  std::array<uint8_t, kMacroSlotSize> data{};  // byte form, zero after the terminator

  bool empty() const { return MacroNameEmpty(name); }
  // Length of the byte form by the length walk; nullopt for damaged data.
  std::optional<size_t> Length() const { return MacroLength(data); }
};

using LibraryRecords = std::array<LibraryMacro, kLibrarySlots>;

// Records from bytes in the library file layout (16 name bytes, then 256 data
// bytes, per record), as far as the bytes go. The listed macros are moved to
// the front in their order, since list item i is always slot i.
LibraryRecords LibraryFromBytes(std::span<const uint8_t> bytes);
std::vector<uint8_t> LibraryBytes(const LibraryRecords& records);

// The PC macro library: up to 100 named macros, mirrored to one file in the
// data folder that is rewritten after every change. Every change is made on a
// copy and kept only when the file was written, so memory and file agree.
class PcMacroLibrary {
 public:
  explicit PcMacroLibrary(std::filesystem::path folder);

  std::filesystem::path FilePath() const { return folder_ / kLibraryFileName; }

  // Reads the library file, or creates it from the empty library. A file of the
  // wrong size is read as far as it goes and a copy of it is kept beside it; the
  // outcome then says so (status kDamaged). A file that cannot be read is never
  // overwritten.
  Outcome Load(std::span<const uint8_t> empty_library);
  // Load with the empty library carried by the tool.
  Outcome Load();

  int Count() const;
  bool Full() const { return Count() >= kLibrarySlots; }
  std::vector<std::string> Names() const;
  const LibraryMacro& Macro(int index) const { return records_[static_cast<size_t>(index)]; }
  const LibraryRecords& records() const { return records_; }

  // A new macro without events as the last item; *index receives it.
  Outcome New(std::string_view name, int* index);
  Outcome Rename(int index, std::string_view name);
  Outcome Delete(int index);

  // Replaces the byte form of a macro (from EncodeMacro).
  Outcome Store(int index, std::span<const uint8_t> bytes);
  // Encodes event lines into a macro: an edit or a finished recording.
  Outcome StoreLines(int index, const MacroList& list, StopMode stop);
  Outcome ChangeStopMode(int index, StopMode stop);
  DecodedMacro Decode(int index) const;

  // Appends the macro of a one-macro file (272 bytes: name, data).
  Outcome ImportOne(const std::filesystem::path& path, int* index);
  // Replaces the whole library by a library file.
  Outcome ImportAll(const std::filesystem::path& path);
  Outcome ExportOne(int index, std::string_view chosen_path) const;
  Outcome ExportAll(std::string_view chosen_path) const;

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  Outcome NameFor(std::string_view text, MacroName* name) const;
  bool NameListed(const std::string& text) const;
  Outcome Commit(const LibraryRecords& next);

  std::filesystem::path folder_;
  LibraryRecords records_{};
  std::string locked_reason_;  // set when the file must not be overwritten
};

}  // namespace kvrm
