#include "support/sim_fixture.h"

namespace kvrm::test {

SimFixture::SimFixture(uint8_t variant_code) : variant_code_(variant_code) {}

void SimFixture::SetUp() {
  mouse = &bus.AddMouse(variant_code_,
                        SimulatorStartImage(variant_code_ >= 0x40 ? "4210C" : "4230C"));
  ASSERT_TRUE(link.SearchAcceptedIds());
  ASSERT_TRUE(link.DevicePresent());
  bus.ClearLog();
}

std::vector<std::string> SimFixture::LogLines() {
  std::vector<std::string> lines;
  for (const auto& r : bus.Log()) lines.push_back(FormatSimReport(r));
  return lines;
}

std::vector<std::vector<uint8_t>> SimFixture::Reports(char kind) {
  std::vector<std::vector<uint8_t>> out;
  for (const auto& r : bus.Log()) {
    if (static_cast<char>(r.kind) == kind) out.push_back(r.bytes);
  }
  return out;
}

}  // namespace kvrm::test
