#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "device/device_link.h"

namespace kvrm {

// Carries work over to the UI thread, where all device traffic and window
// changes happen.
class UiDispatcher {
 public:
  virtual ~UiDispatcher() = default;
  virtual void Post(std::function<void()> work) = 0;
};

// Reads the mouse's input reports (its test-button states) on a thread of its
// own and posts each 0x42 report to the UI thread.
class InputReportThread {
 public:
  using Handler = std::function<void(const std::vector<uint8_t>& report)>;

  InputReportThread(DeviceLink& link, UiDispatcher& dispatcher, Handler handler);
  ~InputReportThread();
  InputReportThread(const InputReportThread&) = delete;
  InputReportThread& operator=(const InputReportThread&) = delete;

  void Start();
  // Ends the thread within one read time-out.
  void Stop();

 private:
  void Run();

  DeviceLink& link_;
  UiDispatcher& dispatcher_;
  Handler handler_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace kvrm
