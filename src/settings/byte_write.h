#pragma once

#include <cstdint>
#include <vector>

namespace kvrm {

// A write the caller sends to the mouse with the byte write command: one to
// three bytes at an image offset.
struct ByteWrite {
  int offset = 0;
  std::vector<uint8_t> bytes;

  friend bool operator==(const ByteWrite&, const ByteWrite&) = default;
};

}  // namespace kvrm
