#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvrm::test {

// Bytes from a text such as "40 05 00 39 FF 00 00 03".
std::vector<uint8_t> Bytes(const std::string& hex);

}  // namespace kvrm::test
