#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "device/hid_backend.h"

namespace kvrm {

struct ParsedReportDescriptor {
  // Lengths over all top-level collections of the descriptor, Windows style: the
  // longest report of each kind plus the report id byte (0 when ids are unused),
  // or 0 when the descriptor has no report of that kind.
  HidCapabilities capabilities;
  // Whether the reports carry a report id byte on the wire.
  bool uses_report_ids = false;
};

// Parses a HID report descriptor; nullopt when it is malformed (truncated items,
// unbalanced collections or push/pop, report id 0 or above 255, reports longer
// than the 16-bit lengths Windows reports, reports without an id in a descriptor
// that uses ids).
std::optional<ParsedReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace kvrm
