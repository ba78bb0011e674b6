#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kvrm {

enum class ChipVariant { kNone, k4210C, k4230C };

constexpr std::string_view VariantName(ChipVariant v) {
  return v == ChipVariant::k4210C ? "4210C" : v == ChipVariant::k4230C ? "4230C" : "";
}

// IC type setting of the general layout settings: 1 accepts only the 4210C,
// 2 only the 4230C, anything else both.
constexpr ChipVariant VariantForIdentifyCode(uint8_t code, int ic_config_type) {
  if (code >= 0x40) return ic_config_type != 2 ? ChipVariant::k4210C : ChipVariant::kNone;
  return ic_config_type != 1 ? ChipVariant::k4230C : ChipVariant::kNone;
}

}  // namespace kvrm
