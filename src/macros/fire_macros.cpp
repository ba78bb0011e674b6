#include "macros/fire_macros.h"

#include <algorithm>

#include "macros/macro_bytes.h"
#include "macros/macro_files.h"
#include "macros/macro_lines.h"

namespace kvrm {
namespace {

constexpr int kXAdjustmentByte = 7;
constexpr int kYAdjustmentByte = 17;
constexpr size_t kGunFileRecord = 24;
constexpr int kMaxFireCount = 255;
constexpr int kMaxShootTime = 65535;

int SignedByte(uint8_t byte) {
  return static_cast<int8_t>(byte);
}

bool ValidRecord(int record) {
  return record >= 0 && record < layout::kFireMacroCount;
}

size_t AdjustmentByte(int record, Axis axis) {
  return static_cast<size_t>((axis == Axis::kX ? kXAdjustmentByte : kYAdjustmentByte) + record);
}

}  // namespace

FireParameters ScanFireRecord(std::span<const uint8_t> record) {
  FireParameters params;
  bool move_seen = false;
  size_t i = 0;
  while (i + 1 < record.size()) {
    const uint8_t code = record[i];
    if (code == kEventEnd) break;
    const auto length = static_cast<size_t>(std::max(1, EventLength(code)));
    if (i + length > record.size()) break;
    if (code == kEventRepeatStart && params.count_at < 0) {
      params.count = record[i + 1];
      params.count_at = static_cast<int>(i + 1);
    } else if (code == kEventMove && params.move_at < 0) {
      params.x = SignedByte(record[i + 1]);
      params.y = SignedByte(record[i + 2]);
      params.move_at = static_cast<int>(i + 1);
      move_seen = true;
    } else if (code == kEventDelay && move_seen) {
      params.shoot_time = record[i + 1] << 8 | record[i + 2];
      params.time_at = static_cast<int>(i + 1);
      move_seen = false;
    }
    i += length;
  }
  return params;
}

int ClampFireStep(int step, int adjustment) {
  step = std::clamp(step, kMinStep, kMaxStep);
  if (step + adjustment > kMaxStep) return kMaxStep - adjustment;
  if (step + adjustment < kMinStep) return kMinStep - adjustment;
  return step;
}

int ClampFireAdjustment(int adjustment, int step) {
  return ClampFireStep(adjustment, step);
}

std::optional<int> SetFireCount(std::span<uint8_t> record, const FireParameters& params,
                                int count) {
  if (params.count_at < 0 || static_cast<size_t>(params.count_at) >= record.size()) {
    return std::nullopt;
  }
  count = std::clamp(count, 0, kMaxFireCount);
  record[static_cast<size_t>(params.count_at)] = static_cast<uint8_t>(count);
  return count;
}

std::optional<int> SetFireStep(std::span<uint8_t> record, const FireParameters& params, Axis axis,
                               int step, int adjustment) {
  if (params.move_at < 0) return std::nullopt;
  const auto at = static_cast<size_t>(params.move_at + (axis == Axis::kY ? 1 : 0));
  if (at >= record.size()) return std::nullopt;
  step = ClampFireStep(step, adjustment);
  record[at] = static_cast<uint8_t>(step & 0xFF);
  return step;
}

std::optional<int> SetShootTime(std::span<uint8_t> record, const FireParameters& params, int ms) {
  if (params.time_at < 0 || static_cast<size_t>(params.time_at) + 1 >= record.size()) {
    return std::nullopt;
  }
  ms = std::clamp(ms, 0, kMaxShootTime);
  record[static_cast<size_t>(params.time_at)] = static_cast<uint8_t>(ms >> 8);
  record[static_cast<size_t>(params.time_at) + 1] = static_cast<uint8_t>(ms & 0xFF);
  return ms;
}

int FireAdjustment(const UserSection& user, int record, Axis axis) {
  return ValidRecord(record) ? SignedByte(user[AdjustmentByte(record, axis)]) : 0;
}

int SetFireAdjustment(UserSection& user, int record, Axis axis, int adjustment, int step) {
  if (!ValidRecord(record)) return 0;
  adjustment = ClampFireAdjustment(adjustment, step);
  user[AdjustmentByte(record, axis)] = static_cast<uint8_t>(adjustment & 0xFF);
  return adjustment;
}

void BuildFireBlock(SectionCopies& copies) {
  const VariantLayout& v = copies.variant_layout;
  auto& block = copies.fire_block;
  block.resize(static_cast<size_t>(v.fire_block_length), 0xFF);
  if (v.has_fire_names) {
    for (size_t k = 0; k < copies.fire_names.size(); ++k) {
      std::copy(copies.fire_names[k].begin(), copies.fire_names[k].end(),
                block.begin() + static_cast<ptrdiff_t>(k * layout::kFireMacroNameLength));
    }
  }
  for (size_t k = 0; k < copies.fire_records.size(); ++k) {
    const size_t start =
        static_cast<size_t>(v.fire_table_offset) + k * static_cast<size_t>(v.fire_record_length);
    const auto& row = copies.fire_records[k];
    const size_t length =
        std::min({row.size(), static_cast<size_t>(v.fire_record_length), block.size() - start});
    std::copy_n(row.begin(), length, block.begin() + static_cast<ptrdiff_t>(start));
  }
}

Outcome ImportGunMacros(const std::string& path, SectionCopies& copies) {
  Outcome outcome;
  const auto bytes = ReadMacroFile(path, &outcome);
  if (!bytes) return outcome;
  const size_t needed = kGunFileRecord * layout::kFireMacroCount;
  if (bytes->size() < needed) {
    return Outcome::Fail(MacroStatus::kNotMacroFile,
                         "\"" + path + "\" is not a gun macro file: it holds " +
                             std::to_string(bytes->size()) + " of 240 bytes.");
  }
  for (size_t k = 0; k < copies.fire_records.size(); ++k) {
    auto& row = copies.fire_records[k];
    const size_t length = std::min(kGunFileRecord, row.size());
    std::copy_n(bytes->begin() + static_cast<ptrdiff_t>(k * kGunFileRecord), length, row.begin());
  }
  BuildFireBlock(copies);
  return Outcome::Ok();
}

}  // namespace kvrm
