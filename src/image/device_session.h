#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/busy_window.h"
#include "device/chip_variant.h"
#include "device/clock.h"
#include "device/command_layer.h"
#include "device/device_link.h"
#include "device/timer_scheduler.h"
#include "image/backup_store.h"
#include "image/config_image.h"
#include "image/profile_codes.h"
#include "image/section_copies.h"
#include "image/section_defaults.h"
#include "image/session_observer.h"

namespace kvrm {

// The mouse as the whole tool sees it: presence and reading, the image and its
// section copies, and every way a change reaches the mouse. Runs on the UI
// thread; the input-report thread only posts to it.
class DeviceSession {
 public:
  DeviceSession(HidBackend& backend, Clock& clock, BusyWindow& busy, TimerScheduler& scheduler,
                SessionObserver& observer);

  // --- Presence and reading ---------------------------------------------
  // Enables the fast presence timer, as creating the busy window does.
  void Start();
  // Both presence timers tick here.
  void DevTimerTimer();
  void ReadDevInfo();
  void Btn_Read();
  void ResetToNoDevice();
  void RefreshErrorAP();
  void ReFindDev();
  void RestartAndRefind();
  // The effects of one input report of the mouse, run on the UI thread.
  void HandleInputReport(std::span<const uint8_t> report);
  void StatusPoll();

  // Both handles valid: the rest of the tool may talk to the mouse.
  bool DevicePresent() const { return link_.DevicePresent(); }

  // --- The image --------------------------------------------------------
  // Copies the image into the section copies and repairs damaged sections.
  void SplitImage();
  // Rebuilds the 45 code texts from the copies and refreshes every page.
  void DataBufToUI();

  // --- Writes -----------------------------------------------------------
  // One field of 1 to 3 bytes below address 256, or a 4-byte combo code.
  // Skipped while the refresh-in-progress flag is set.
  bool WriteField(int offset, std::span<const uint8_t> bytes);
  bool WriteQuadField(int offset, std::span<const uint8_t, 4> bytes);
  void WriteVendorSection();
  void WriteUserSection();
  void WriteProfileSections();
  void WriteProfileSectionsAndFireKeys();
  void WriteFireKeyBlock();
  // After an MCU LED change its checksum is refreshed and bytes 0 and 1 go to
  // controller data 0x07C4 and 0x07C5.
  void WritePatchHeaderAndMcuLed(bool mcu_led_changed);
  void WriteMacroArea();
  void WriteFireMacroBlock();
  // Reads the User section back from the mouse into its copy.
  void RefreshProfileParameter();
  // The byte the firmware changes itself when its profile or DPI key is used:
  // User byte 0 or 2, read alone from the mouse into the copy. Nullopt (and
  // the copy kept) when it cannot be read.
  std::optional<uint8_t> ReadCurrentProfileByte();
  std::optional<uint8_t> ReadCurrentDpiLevelByte();

  // --- Whole configuration ----------------------------------------------
  // Factory configuration 1, 2 or 3 of the identified variant; 2 and 3 restart.
  bool DefaultParameterConfirm(int configuration);
  // The engineer's rebuild of the whole configuration from the default builders.
  void TLDefaultParameter();
  // Applies the image that a load put into DataBuf, then restarts the mouse.
  void MemoToDataBuf_OnClick();

  // --- State ------------------------------------------------------------
  DeviceLink& link() { return link_; }
  CommandLayer& commands() { return commands_; }
  Clock& clock() { return clock_; }
  BusyWindow& busy_window() { return busy_; }
  SessionObserver& observer() { return observer_; }
  TimerScheduler& scheduler() { return scheduler_; }
  ConfigImage& data_buf() { return data_buf_; }
  SectionCopies& copies() { return copies_; }
  CodeTexts& code_texts() { return code_texts_; }
  ChipVariant chip_variant() const { return copies_.variant; }
  bool refresh_in_progress() const { return refresh_in_progress_; }
  void set_refresh_in_progress(bool on) { refresh_in_progress_ = on; }
  bool no_device_state() const { return no_device_state_; }
  int last_hid_count() const { return last_hid_count_; }
  // 1 accepts only the 4210C, 2 only the 4230C, anything else both.
  void set_ic_config_type(int type) { ic_config_type_ = type; }
  // Where copies of the mouse's memory go before a whole-configuration change;
  // none by default.
  void set_backup_store(BackupStore* store);
  // Reads the mouse's memory afresh and keeps it; false (and a message) when the
  // backup cannot be written, and then nothing may be changed.
  bool KeepBackupOfMouse(std::string_view reason);
  // The report rate in Hz the pages last showed (0 with no mouse): a change to
  // another rate restarts the mouse.
  int remembered_report_rate_hz() const { return remembered_report_rate_hz_; }
  void set_remembered_report_rate_hz(int hz) { remembered_report_rate_hz_ = hz; }
  // Inputs of the default builders: the LED type text and the LED package.
  DefaultInputs& default_inputs() { return default_inputs_; }

 private:
  void SearchAcceptedIds();
  void SwitchToSlowTimer();
  ConfigImage FactoryImage(int configuration) const;
  // Keeps the mouse's own patch code header and patch code in an image that is
  // about to replace the whole configuration.
  void KeepPatchCode(ConfigImage& image) const;
  void WriteWholeImage();
  void WriteProfileSectionsAndFireKeysImpl(bool with_fire_keys);
  std::optional<uint8_t> ReadUserByte(int byte);
  // The fire macro block with the names and rows of the copies in place.
  std::vector<uint8_t> AssembleFireBlock() const;

  DeviceLink link_;
  CommandLayer commands_;
  Clock& clock_;
  BusyWindow& busy_;
  TimerScheduler& scheduler_;
  SessionObserver& observer_;

  ConfigImage data_buf_{};
  SectionCopies copies_;
  CodeTexts code_texts_;
  DefaultInputs default_inputs_;
  BackupStore* backups_ = nullptr;
  int ic_config_type_ = 0;
  int last_hid_count_ = 0;
  int remembered_report_rate_hz_ = 0;
  bool timer_guard_ = false;
  bool no_device_state_ = false;
  bool refresh_in_progress_ = false;
  // The test buttons pressed since the last release report.
  std::array<bool, 4> pressed_{};
};

}  // namespace kvrm
