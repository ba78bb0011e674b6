#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kvrm {

// The mouse's configuration memory as the tool mirrors it; offset = address.
inline constexpr size_t kImageSize = 2048;
using ConfigImage = std::array<uint8_t, kImageSize>;

}  // namespace kvrm
