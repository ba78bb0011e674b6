// Arbitrary bytes as a profile file and as a configuration data file, loaded
// into a simulated mouse; and as a whole image split into its sections. None
// may crash, and a refused file must leave the mouse as it was.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/file_io.h"
#include "device/clock.h"
#include "device/timer_scheduler.h"
#include "image/device_session.h"
#include "image/profile_file.h"
#include "sim/simulated_bus.h"
#include "sim/simulation.h"
#include "vendor/config_data_file.h"

namespace {

struct Rig {
  kvrm::VirtualClock clock;
  kvrm::SimulatedHidBus bus{clock};
  kvrm::NullBusyWindow busy;
  kvrm::ManualScheduler scheduler;
  kvrm::SessionObserver observer;
  kvrm::DeviceSession session{bus, clock, busy, scheduler, observer};
  std::string path =
      (std::filesystem::temp_directory_path() / ("kvrm-fuzz-" + std::to_string(getpid()) + ".bin"))
          .string();
  explicit Rig(bool variant_4230c) {
    bus.AddMouse(variant_4230c ? kvrm::kVariantCode4230C : kvrm::kVariantCode4210C,
                 kvrm::SimulatorStartImage(variant_4230c ? "4230C" : "4210C"));
    session.Start();
    session.DevTimerTimer();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static Rig rigs[2] = {Rig(false), Rig(true)};
  Rig& rig = rigs[data[0] & 1];
  const std::span<const uint8_t> bytes(data + 1, size - 1);

  // The image as if the mouse had sent it.
  std::fill(rig.session.data_buf().begin(), rig.session.data_buf().end(), 0xFF);
  std::copy_n(bytes.begin(), std::min(bytes.size(), kvrm::kImageSize), rig.session.data_buf().begin());
  rig.session.SplitImage();
  rig.session.DataBufToUI();
  for (const auto& text : rig.session.code_texts()) {
    if (text.size() != 8) __builtin_trap();
  }

  std::string error;
  if (!kvrm::WriteFileAtomically(rig.path, bytes, &error)) return 0;
  const kvrm::ConfigImage before = rig.bus.mouse()->memory();
  const bool refused = kvrm::ProfileFileProblem(bytes, rig.session.chip_variant()).has_value();
  const bool loaded = kvrm::LoadProfileFile(rig.session, rig.path);
  if (loaded == refused) __builtin_trap();
  if (refused && rig.bus.mouse()->memory() != before) __builtin_trap();
  if (!rig.session.DevicePresent()) __builtin_trap();

  kvrm::ConfigDataProgrammer programmer(rig.session);
  if (programmer.LoadFile(rig.path) != (bytes.size() >= kvrm::kConfigDataFileLength)) __builtin_trap();
  programmer.Program();
  std::filesystem::remove(rig.path);
  rig.bus.ClearLog();
  return 0;
}
