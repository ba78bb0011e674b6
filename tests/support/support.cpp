#include "support/support.h"

#include <sstream>

namespace kvrm::test {

std::vector<uint8_t> Bytes(const std::string& hex) {
  std::vector<uint8_t> out;
  std::istringstream in(hex);
  for (std::string token; in >> token;) {
    out.push_back(static_cast<uint8_t>(std::stoul(token, nullptr, 16)));
  }
  return out;
}

}  // namespace kvrm::test
