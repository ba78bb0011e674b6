#pragma once

#include <cstdint>
#include <optional>

#include "device/command_layer.h"

namespace kvrm {

struct IdentifyReply {
  uint8_t code = 0xFF;   // r0: the variant code
  uint8_t marker = 0xFF; // r1: ':' from a mouse that understood the command
  bool valid() const { return marker == 0x3A; }
};

// Sends the identify command and fetches its reply; nullopt when the command
// cannot be sent.
std::optional<IdentifyReply> Identify(CommandLayer& commands);

}  // namespace kvrm
