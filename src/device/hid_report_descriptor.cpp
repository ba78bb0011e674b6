#include "device/hid_report_descriptor.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kvrm {
namespace {

// Windows reports lengths as 16-bit values, report id byte included.
constexpr uint64_t kMaxPayloadBits = (0xFFFFu - 1) * 8;
constexpr uint8_t kLongItemPrefix = 0xFE;

enum ItemType : uint8_t { kMainItem = 0, kGlobalItem = 1, kLocalItem = 2 };

enum MainTag : uint8_t {
  kInput = 0x8,
  kOutput = 0x9,
  kCollection = 0xA,
  kFeature = 0xB,
  kEndCollection = 0xC,
};

enum GlobalTag : uint8_t {
  kReportSize = 0x7,
  kReportId = 0x8,
  kReportCount = 0x9,
  kPush = 0xA,
  kPop = 0xB,
};

enum ReportKind { kInputKind, kOutputKind, kFeatureKind, kReportKinds };

struct GlobalState {
  uint32_t report_size = 0;
  uint32_t report_count = 0;
  uint32_t report_id = 0;
};

}  // namespace

std::optional<ParsedReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> descriptor) {
  using Bits = std::array<uint64_t, kReportKinds>;
  std::vector<Bits> bits_per_id(256, Bits{});
  std::vector<GlobalState> pushed;
  GlobalState global;
  bool uses_ids = false;
  int depth = 0;

  size_t pos = 0;
  const size_t end = descriptor.size();
  while (pos < end) {
    const uint8_t prefix = descriptor[pos++];
    if (prefix == kLongItemPrefix) {
      // Long items carry no state the report lengths depend on.
      if (end - pos < 2) return std::nullopt;
      const size_t data_size = descriptor[pos];
      pos += 2;
      if (end - pos < data_size) return std::nullopt;
      pos += data_size;
      continue;
    }
    const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (end - pos < size) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint32_t{descriptor[pos + i]} << (8 * i);
    pos += size;
    const uint8_t type = (prefix >> 2) & 3;
    const uint8_t tag = prefix >> 4;

    if (type == kMainItem) {
      int kind = -1;
      switch (tag) {
        case kInput:
          kind = kInputKind;
          break;
        case kOutput:
          kind = kOutputKind;
          break;
        case kFeature:
          kind = kFeatureKind;
          break;
        case kCollection:
          ++depth;
          break;
        case kEndCollection:
          if (depth == 0) return std::nullopt;
          --depth;
          break;
        default:
          break;  // reserved main tags are skipped, as the Linux parser does
      }
      if (kind >= 0) {
        const uint64_t item_bits = uint64_t{global.report_size} * global.report_count;
        if (item_bits > kMaxPayloadBits) return std::nullopt;
        uint64_t& total = bits_per_id[global.report_id][kind];
        total += item_bits;
        if (total > kMaxPayloadBits) return std::nullopt;
      }
    } else if (type == kGlobalItem) {
      switch (tag) {
        case kReportSize:
          global.report_size = value;
          break;
        case kReportCount:
          global.report_count = value;
          break;
        case kReportId:
          if (value == 0 || value > 255) return std::nullopt;
          global.report_id = value;
          uses_ids = true;
          break;
        case kPush:
          pushed.push_back(global);
          break;
        case kPop:
          if (pushed.empty()) return std::nullopt;
          global = pushed.back();
          pushed.pop_back();
          break;
        default:
          // Usage page, logical and physical ranges, units: no effect on lengths.
          // Tags past Pop are reserved; Linux refuses such descriptors too.
          if (tag > kPop) return std::nullopt;
          break;
      }
    }
    // Local items and reserved item types only describe usages.
  }
  if (depth != 0) return std::nullopt;
  // With ids in use every report is sent behind its id, so none may lack one.
  if (uses_ids && std::any_of(bits_per_id[0].begin(), bits_per_id[0].end(),
                              [](uint64_t bits) { return bits != 0; })) {
    return std::nullopt;
  }

  const auto length = [&](int kind) {
    uint64_t longest = 0;
    for (const Bits& bits : bits_per_id) longest = std::max(longest, (bits[kind] + 7) / 8);
    return longest == 0 ? 0 : static_cast<int>(longest) + 1;
  };
  ParsedReportDescriptor parsed;
  parsed.capabilities.input_report_length = length(kInputKind);
  parsed.capabilities.output_report_length = length(kOutputKind);
  parsed.capabilities.feature_report_length = length(kFeatureKind);
  parsed.uses_report_ids = uses_ids;
  return parsed;
}

}  // namespace kvrm
