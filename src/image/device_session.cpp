// Presence and reading: when the mouse is there, and reading it whole.
#include "image/device_session.h"

#include <algorithm>

#include "device/identify.h"

namespace kvrm {
namespace {

constexpr int kSamples = 5;
constexpr int kStableSamplesNeeded = 2;
constexpr int kArrivalSettleMs = 1;
constexpr int kArrivalSettlePasses = 21;
constexpr int kRestartPauseMs = 500;
constexpr int kRestartWaitPasses = 51;
constexpr int kRestartWaitMs = 100;
constexpr int kTestButtonSettleMs = 200;

}  // namespace

DeviceSession::DeviceSession(HidBackend& backend, Clock& clock, BusyWindow& busy,
                             TimerScheduler& scheduler, SessionObserver& observer)
    : link_(backend),
      commands_(link_, clock, busy),
      clock_(clock),
      busy_(busy),
      scheduler_(scheduler),
      observer_(observer) {}

void DeviceSession::Start() { scheduler_.SetEnabled(PresenceTimer::kDevTimerFirst, true); }

void DeviceSession::DevTimerTimer() {
  if (timer_guard_) return;
  timer_guard_ = true;

  int stable = 0;
  int n = 0;
  for (int i = 0; i < kSamples; ++i) {
    const int first = link_.CountHidDevices();
    const int second = link_.CountHidDevices();
    if (first == second) ++stable;
    n = first;
  }
  if (n == last_hid_count_ || stable < kStableSamplesNeeded) {
    timer_guard_ = false;
    return;
  }

  if (n < last_hid_count_) {
    ResetToNoDevice();
    link_.ForgetDevice();
  } else {
    for (int i = 0; i < kArrivalSettlePasses; ++i) {
      clock_.SleepMilliseconds(kArrivalSettleMs);
      busy_.ProcessEvents();
    }
    SearchAcceptedIds();
  }
  last_hid_count_ = n;
  timer_guard_ = false;
}

void DeviceSession::SearchAcceptedIds() {
  if (link_.SearchAcceptedIds()) {
    ReadDevInfo();
  } else {
    ResetToNoDevice();
  }
}

void DeviceSession::ReFindDev() {
  SearchAcceptedIds();
  // The restart left both presence timers off. Keep looking, from the count
  // as it is now, so a mouse that comes back later is still found.
  if (!DevicePresent() && !scheduler_.IsEnabled(PresenceTimer::kDevTimer)) {
    last_hid_count_ = link_.CountHidDevices();
    scheduler_.SetEnabled(PresenceTimer::kDevTimerFirst, true);
  }
}

void DeviceSession::ReadDevInfo() {
  const auto reply = Identify(commands_);
  if (!reply) return;
  if (!reply->valid()) {
    observer_.ShowNoDeviceMessage();
    RefreshErrorAP();
    return;
  }
  const ChipVariant variant = VariantForIdentifyCode(reply->code, ic_config_type_);
  if (variant == ChipVariant::kNone) {
    observer_.ShowNoDeviceMessage();
    SwitchToSlowTimer();
    return;
  }
  copies_.SetVariant(variant);
  Btn_Read();
}

void DeviceSession::Btn_Read() {
  refresh_in_progress_ = true;
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, false);
  observer_.LockPages();
  busy_.Show();
  busy_.ProcessEvents();

  observer_.RefreshPcMacroNames();
  commands_.ReadBlock(0, kImageSize, data_buf_);
  SplitImage();
  DataBufToUI();

  no_device_state_ = false;
  observer_.ShowDeviceReady();
  busy_.ProcessEvents();
  observer_.UnlockPages();

  busy_.Hide();
  busy_.ProcessEvents();
  observer_.UnlockPages();
  SwitchToSlowTimer();
  refresh_in_progress_ = false;
}

void DeviceSession::SwitchToSlowTimer() {
  scheduler_.SetEnabled(PresenceTimer::kDevTimerFirst, false);
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, true);
}

void DeviceSession::ResetToNoDevice() {
  observer_.CloseMenus();
  no_device_state_ = false;
  observer_.StopMarquee();
  busy_.ProcessEvents();
  RefreshErrorAP();
  observer_.ClearMacroLists();
  copies_.variant = ChipVariant::kNone;
  default_inputs_.led_type.clear();
  remembered_report_rate_hz_ = 0;
  observer_.LockPages();
  observer_.ShowNoDeviceMessage();
}

void DeviceSession::RefreshErrorAP() {
  no_device_state_ = true;
  observer_.ShowNoDeviceState();
}

void DeviceSession::RestartAndRefind() {
  scheduler_.SetEnabled(PresenceTimer::kDevTimer, false);
  clock_.SleepMilliseconds(kRestartPauseMs);
  commands_.SendCommand(Opcode::kRestart, 0, 0, 0, 0);
  ResetToNoDevice();
  busy_.ProcessEvents();
  for (int i = 0; i < kRestartWaitPasses; ++i) {
    clock_.SleepMilliseconds(kRestartWaitMs);
    busy_.ProcessEvents();
  }
  ReFindDev();
}

void DeviceSession::HandleInputReport(std::span<const uint8_t> report) {
  if (report.size() < 4 || report[0] != kInputReportId) return;
  constexpr TestButton kButtons[] = {TestButton::kDpi, TestButton::kDpiUp, TestButton::kDpiDown,
                                     TestButton::kProfile};
  const uint8_t state = report[3];
  if (state == 0x00) {
    for (size_t i = 0; i < 3; ++i) {
      if (!pressed_[i]) continue;
      clock_.SleepMilliseconds(kTestButtonSettleMs);
      observer_.RefreshCurrentDpiStatus();
      pressed_[i] = false;
      observer_.SetTestButton(kButtons[i], false);
    }
    if (pressed_[3]) {
      clock_.SleepMilliseconds(kTestButtonSettleMs);
      observer_.RefreshCurrentProfileStatus();
      pressed_[3] = false;
      observer_.SetTestButton(TestButton::kProfile, false);
    }
  } else {
    for (size_t i = 0; i < 4; ++i) {
      if (state == (1u << i)) {
        pressed_[i] = true;
        observer_.SetTestButton(kButtons[i], true);
      }
    }
  }
  StatusPoll();
}

void DeviceSession::StatusPoll() {
  std::lock_guard lock(commands_.transfer_mutex());
  std::array<uint8_t, 1> ignored;
  commands_.ReadShort(0x16, 1, ignored);
  commands_.ReadShort(0x18, 1, ignored);
}

}  // namespace kvrm
