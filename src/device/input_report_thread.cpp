#include "device/input_report_thread.h"

#include <algorithm>
#include <chrono>

#include "device/command_layer.h"

namespace kvrm {
namespace {

constexpr int kReadTimeoutMs = 100;
// Pacing while there is no mouse, or its reads fail at once (it was unplugged
// and the handle is not yet forgotten): the thread must not spin.
constexpr auto kIdlePause = std::chrono::milliseconds(50);
constexpr auto kFastFailure = std::chrono::milliseconds(10);

}  // namespace

InputReportThread::InputReportThread(DeviceLink& link, UiDispatcher& dispatcher, Handler handler)
    : link_(link), dispatcher_(dispatcher), handler_(std::move(handler)) {}

InputReportThread::~InputReportThread() { Stop(); }

void InputReportThread::Start() {
  if (thread_.joinable()) return;
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
}

void InputReportThread::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void InputReportThread::Run() {
  std::vector<uint8_t> report(64);
  while (!stop_) {
    if (link_.read_handle() == kInvalidHandle) {
      std::this_thread::sleep_for(kIdlePause);
      continue;
    }
    std::fill(report.begin(), report.end(), 0);
    const auto start = std::chrono::steady_clock::now();
    if (!link_.HidReadInput(report.data(), report.size(), kReadTimeoutMs)) {
      if (std::chrono::steady_clock::now() - start < kFastFailure) {
        std::this_thread::sleep_for(kIdlePause);
      }
      continue;
    }
    if (report[0] != kInputReportId) continue;
    const size_t length = std::min(report.size(), static_cast<size_t>(link_.input_report_length()));
    std::vector<uint8_t> copy(report.begin(), report.begin() + static_cast<std::ptrdiff_t>(length));
    dispatcher_.Post([this, copy = std::move(copy)] { handler_(copy); });
  }
}

}  // namespace kvrm
