#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/hid_backend.h"
#include "sim/simulated_mouse.h"

namespace kvrm {

// One report that crossed the simulated bus, as the tool saw it.
struct SimReport {
  enum class Kind : char { kSent = '>', kFetched = '<', kInput = '!' };
  Kind kind;
  std::vector<uint8_t> bytes;
};

// "> 40 05 00 39 FF 00 00 03": one line of the simulator's log.
std::string FormatSimReport(const SimReport& report);

// Faults a test can arm. Transfer numbers count feature reports (set and get)
// that reach the bus from the moment the fault is armed, starting at 1.
struct SimFaults {
  int fail_transfer = 0;        // that transfer fails; 0 = none
  int unplug_mouse_after = -1;  // the mouse leaves after that many transfers; -1 = never
  bool replies_stop = false;    // every get feature on the mouse fails
};

struct SimInterfaceSpec {
  std::string path;
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  HidCapabilities capabilities;
  bool openable = true;        // the path opens with no access rights
  bool path_query_fails = false;  // enumeration cannot learn its path
};

// A HID bus with the simulated mouse and any other interfaces a test plugs in.
// Thread-safe: the input reader and the UI thread use it at once.
class SimulatedHidBus : public HidBackend {
 public:
  explicit SimulatedHidBus(Clock& clock);
  ~SimulatedHidBus() override;

  // The mouse (vendor 0x7A5C, product 0x08B8, 8-byte feature and input reports).
  SimulatedMouse& AddMouse(uint8_t variant_code, const ConfigImage& memory,
                           const std::string& path = "sim:mouse");
  void AddInterface(const SimInterfaceSpec& spec);
  void Unplug(const std::string& path);
  void Plug(const std::string& path);
  bool IsPresent(const std::string& path);
  SimInterfaceSpec& Spec(const std::string& path);

  // After a restart command the mouse is gone for this long.
  void set_restart_delay_ms(int ms) { restart_delay_us_ = int64_t{ms} * 1000; }
  void ArmFaults(const SimFaults& faults);

  // The next interface counts, one per CountOpenable call, before the real ones
  // resume: for counts that flicker while a device settles.
  void ScriptCounts(const std::vector<int>& counts);

  // An input report from the mouse, taken by the next ReadInput.
  void QueueInputReport(const std::vector<uint8_t>& report);

  SimulatedMouse* mouse() { return mouse_.get(); }
  std::vector<SimReport> Log();
  std::string LogText();
  void ClearLog();

  std::optional<std::vector<std::string>> InterfacePaths() override;
  HidHandle Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes* attributes) override;
  bool GetCapabilities(HidHandle handle, HidCapabilities* capabilities) override;
  bool SetFeature(HidHandle handle, const uint8_t* report, size_t length) override;
  bool GetFeature(HidHandle handle, uint8_t* report, size_t length) override;
  bool ReadInput(HidHandle handle, uint8_t* buffer, size_t length, int timeout_ms) override;
  int CountOpenable() override;

 private:
  struct Interface {
    SimInterfaceSpec spec;
    bool present = true;
    int generation = 0;      // bumped whenever it leaves, so old handles go stale
    int64_t back_at_us = -1;  // a restarted mouse returns at this time
    bool is_mouse = false;
  };
  struct OpenHandle {
    size_t interface = 0;
    int generation = 0;
  };

  void UpdatePresence();
  void Leave(Interface& iface);
  Interface* Find(const std::string& path);
  // The interface behind a handle that is still valid, or nullptr.
  Interface* Live(HidHandle handle);
  // Counts one feature transfer against the armed faults; false if it must fail.
  bool CountTransfer();

  Clock& clock_;
  std::mutex mutex_;
  std::condition_variable input_ready_;
  std::vector<Interface> interfaces_;
  std::unique_ptr<SimulatedMouse> mouse_;
  std::map<HidHandle, OpenHandle> handles_;
  HidHandle next_handle_ = 100;
  std::vector<SimReport> log_;
  std::vector<std::vector<uint8_t>> input_queue_;
  std::vector<int> count_script_;
  SimFaults faults_;
  int transfers_since_armed_ = 0;
  int64_t restart_delay_us_ = 2'000'000;
};

}  // namespace kvrm
