#pragma once

#include <string>

#include "device/chip_variant.h"
#include "image/config_image.h"

namespace kvrm {

inline constexpr int kFactoryConfigurationCount = 3;

// The resource name of factory configuration 1..3 of a variant, for example
// "KVRM4210CData_Cfg1". Any variant other than the 4230C names the 4210C images.
std::string FactoryImageName(ChipVariant variant, int configuration);

// Factory configuration 1..3 of a variant, built from the recipe tables; the
// resources shipped with the tool are this function's output. Any variant
// other than the 4230C gives the 4210C image; other configurations throw
// std::out_of_range.
ConfigImage BuildFactoryImage(ChipVariant variant, int configuration);

}  // namespace kvrm
