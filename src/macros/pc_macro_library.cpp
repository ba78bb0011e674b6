#include "macros/pc_macro_library.h"

#include <algorithm>
#include <system_error>

#include "common/resources.h"
#include "macros/macro_files.h"

namespace kvrm {
namespace {

constexpr size_t kNameLength = 16;
// Import one is refused from this many macros on.
constexpr int kImportOneLimit = kLibrarySlots - 1;

LibraryMacro RecordFromBytes(std::span<const uint8_t> bytes) {
  LibraryMacro macro;
  const size_t name_bytes = std::min(bytes.size(), kNameLength);
  std::copy_n(bytes.begin(), name_bytes, macro.name.begin());
  if (bytes.size() > kNameLength) {
    const auto data =
        bytes.subspan(kNameLength, std::min(bytes.size() - kNameLength, kMacroSlotSize));
    std::copy(data.begin(), data.end(), macro.data.begin());
  }
  return macro;
}

}  // namespace

LibraryRecords LibraryFromBytes(std::span<const uint8_t> bytes) {
  LibraryRecords records{};
  size_t listed = 0;
  for (size_t i = 0; i < kLibrarySlots; ++i) {
    const size_t offset = i * kLibraryRecordSize;
    if (offset >= bytes.size()) break;
    LibraryMacro macro =
        RecordFromBytes(bytes.subspan(offset, std::min(kLibraryRecordSize, bytes.size() - offset)));
    if (!macro.empty()) records[listed++] = macro;
  }
  return records;
}

std::vector<uint8_t> LibraryBytes(const LibraryRecords& records) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kLibraryFileSize);
  for (const auto& macro : records) {
    bytes.insert(bytes.end(), macro.name.begin(), macro.name.end());
    bytes.insert(bytes.end(), macro.data.begin(), macro.data.end());
  }
  return bytes;
}

PcMacroLibrary::PcMacroLibrary(std::filesystem::path folder) : folder_(std::move(folder)) {}

Outcome PcMacroLibrary::Load() {
  return Load(FindResource(kRcData, kEmptyLibraryResource));
}

Outcome PcMacroLibrary::Load(std::span<const uint8_t> empty_library) {
  locked_reason_.clear();
  const auto path = FilePath();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) {
    records_ = LibraryFromBytes(empty_library);
    return Commit(records_);
  }
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) {
    records_ = LibraryFromBytes(empty_library);
    locked_reason_ = outcome.text + " The macro library file is left as it is.";
    return outcome;
  }
  records_ = LibraryFromBytes(*bytes);
  if (bytes->size() == kLibraryFileSize) return Outcome::Ok();
  const auto copy = KeepDamagedCopy(path, *bytes);
  if (!copy)
    locked_reason_ = "The damaged macro library file could not be kept, so it is not overwritten.";
  return DamagedFileOutcome(path, copy);
}

int PcMacroLibrary::Count() const {
  return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                        [](const LibraryMacro& m) { return !m.empty(); }));
}

std::vector<std::string> PcMacroLibrary::Names() const {
  std::vector<std::string> names;
  for (const auto& macro : records_) {
    if (!macro.empty()) names.push_back(MacroNameText(macro.name));
  }
  return names;
}

Outcome PcMacroLibrary::NameFor(std::string_view text, MacroName* name) const {
  if (text.empty()) return Outcome::Silent(MacroStatus::kEmptyName);
  const auto field = MacroNameFromText(text);
  if (!field) {
    return Outcome::Fail(MacroStatus::kNameTooLong, "A macro name has at most 8 characters.");
  }
  if (NameListed(std::string(text))) return DuplicateNameOutcome();
  *name = *field;
  return Outcome::Ok();
}

bool PcMacroLibrary::NameListed(const std::string& text) const {
  const auto names = Names();
  return std::find(names.begin(), names.end(), text) != names.end();
}

Outcome PcMacroLibrary::Commit(const LibraryRecords& next) {
  if (!locked_reason_.empty()) return Outcome::Fail(MacroStatus::kFileError, locked_reason_);
  Outcome written = WriteMacroFile(FilePath(), LibraryBytes(next));
  if (written.ok()) records_ = next;
  return written;
}

Outcome PcMacroLibrary::New(std::string_view name, int* index) {
  if (Full()) return Outcome::Silent(MacroStatus::kLibraryFull);
  MacroName field;
  if (Outcome checked = NameFor(name, &field); !checked.ok()) return checked;
  const int slot = Count();
  LibraryRecords next = records_;
  next[static_cast<size_t>(slot)] = LibraryMacro{field, {}};
  Outcome outcome = Commit(next);
  if (outcome.ok() && index) *index = slot;
  return outcome;
}

Outcome PcMacroLibrary::Rename(int index, std::string_view name) {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  MacroName field;
  if (Outcome checked = NameFor(name, &field); !checked.ok()) return checked;
  LibraryRecords next = records_;
  next[static_cast<size_t>(index)].name = field;
  return Commit(next);
}

Outcome PcMacroLibrary::Delete(int index) {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  LibraryRecords next = records_;
  std::move(next.begin() + index + 1, next.end(), next.begin() + index);
  next.back() = LibraryMacro{};
  return Commit(next);
}

Outcome PcMacroLibrary::Store(int index, std::span<const uint8_t> bytes) {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  if (bytes.size() > kMacroSlotSize) return TooLongOutcome(bytes.size());
  LibraryRecords next = records_;
  auto& data = next[static_cast<size_t>(index)].data;
  data.fill(0);
  std::copy(bytes.begin(), bytes.end(), data.begin());
  return Commit(next);
}

Outcome PcMacroLibrary::StoreLines(int index, const MacroList& list, StopMode stop) {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  const EncodedMacro encoded = EncodeMacro(list, stop);
  if (!encoded.outcome.ok()) return encoded.outcome;
  return Store(index, encoded.bytes);
}

Outcome PcMacroLibrary::ChangeStopMode(int index, StopMode stop) {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  LibraryRecords next = records_;
  auto& macro = next[static_cast<size_t>(index)];
  size_t length = macro.Length().value_or(0);
  if (Outcome changed = kvrm::ChangeStopMode(macro.data, &length, stop); !changed.ok()) {
    return changed;
  }
  return Commit(next);
}

DecodedMacro PcMacroLibrary::Decode(int index) const {
  if (!Valid(index)) return DecodeMacro({});
  const auto& macro = records_[static_cast<size_t>(index)];
  const auto length = macro.Length();
  return DecodeMacro(std::span<const uint8_t>(macro.data).first(length.value_or(0)));
}

Outcome PcMacroLibrary::ImportOne(const std::filesystem::path& path, int* index) {
  const int count = Count();
  if (count >= kImportOneLimit) return Outcome::Silent(MacroStatus::kLibraryFull);
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) return outcome;
  if (bytes->size() < kLibraryRecordSize) {
    return Outcome::Fail(MacroStatus::kNotMacroFile,
                         "\"" + path.string() + "\" is not a macro file: it holds " +
                             std::to_string(bytes->size()) + " of 272 bytes.");
  }
  const LibraryMacro macro =
      RecordFromBytes(std::span<const uint8_t>(*bytes).first(kLibraryRecordSize));
  if (macro.empty()) {
    return Outcome::Fail(MacroStatus::kNotMacroFile,
                         "\"" + path.string() + "\" holds no macro: its name is empty.");
  }
  for (int i = 0; i < count; ++i) {
    if (records_[static_cast<size_t>(i)].name == macro.name) return DuplicateNameOutcome();
  }
  LibraryRecords next = records_;
  next[static_cast<size_t>(count)] = macro;
  outcome = Commit(next);
  if (outcome.ok() && index) *index = count;
  return outcome;
}

Outcome PcMacroLibrary::ImportAll(const std::filesystem::path& path) {
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) return outcome;
  if (bytes->size() != kLibraryFileSize) {
    return Outcome::Fail(MacroStatus::kNotMacroFile,
                         "\"" + path.string() + "\" is not a macro library file: it holds " +
                             std::to_string(bytes->size()) + " bytes instead of 27200.");
  }
  return Commit(LibraryFromBytes(*bytes));
}

Outcome PcMacroLibrary::ExportOne(int index, std::string_view chosen_path) const {
  if (!Valid(index)) return Outcome::Silent(MacroStatus::kNotFound);
  const auto& macro = records_[static_cast<size_t>(index)];
  std::vector<uint8_t> bytes(macro.name.begin(), macro.name.end());
  bytes.insert(bytes.end(), macro.data.begin(), macro.data.end());
  return WriteMacroFile(ExportPath(chosen_path), bytes);
}

Outcome PcMacroLibrary::ExportAll(std::string_view chosen_path) const {
  return WriteMacroFile(ExportPath(chosen_path), LibraryBytes(records_));
}

}  // namespace kvrm
