// Writes the six factory configuration images from the recipe in
// src/image/factory_recipe.cpp. Usage: kvrm_factory_images OUTPUT_DIR
// (the shipped images live in resources/rcdata).
#include <filesystem>
#include <iostream>
#include <string>

#include "common/file_io.h"
#include "image/factory_recipe.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kvrm_factory_images OUTPUT_DIR\n";
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  for (kvrm::ChipVariant variant : {kvrm::ChipVariant::k4210C, kvrm::ChipVariant::k4230C}) {
    for (int configuration = 1; configuration <= kvrm::kFactoryConfigurationCount;
         ++configuration) {
      const auto image = kvrm::BuildFactoryImage(variant, configuration);
      const auto path = dir / (kvrm::FactoryImageName(variant, configuration) + ".bin");
      std::string error;
      if (!kvrm::WriteFileAtomically(path.string(), image, &error)) {
        std::cerr << error << "\n";
        return 1;
      }
      std::cout << path.string() << "\n";
    }
  }
  return 0;
}
