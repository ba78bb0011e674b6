#include "common/resources.h"

#include <algorithm>
#include <cctype>

#include "common/embedded_resources.h"

namespace kvrm {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::span<const uint8_t> FindResource(std::string_view type, std::string_view name) {
  for (unsigned long i = 0; i < embedded::kResourceCount; ++i) {
    const auto& r = embedded::kResources[i];
    if (SameIgnoringCase(r.type, type) && SameIgnoringCase(r.name, name)) {
      return {reinterpret_cast<const uint8_t*>(r.data), static_cast<size_t>(r.size)};
    }
  }
  return {};
}

std::vector<std::string> ResourceNames(std::string_view type) {
  std::vector<std::string> names;
  for (unsigned long i = 0; i < embedded::kResourceCount; ++i) {
    if (SameIgnoringCase(embedded::kResources[i].type, type)) {
      names.emplace_back(embedded::kResources[i].name);
    }
  }
  return names;
}

}  // namespace kvrm
