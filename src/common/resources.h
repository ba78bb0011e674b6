#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvrm {

// Resource types as the executable carries them: resources/rcdata/ and resources/png/.
inline constexpr std::string_view kRcData = "RCDATA";
inline constexpr std::string_view kPng = "PNG";

// The bytes of the resource of that type and name; type and name ignore case.
// A missing resource gives an empty span.
std::span<const uint8_t> FindResource(std::string_view type, std::string_view name);

// Names of every resource of one type, as stored.
std::vector<std::string> ResourceNames(std::string_view type);

}  // namespace kvrm
