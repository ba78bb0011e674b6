#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "image/config_image.h"

namespace kvrm {

// Identify answers: 0x40 or more is a 4210C, below 0x40 a 4230C.
inline constexpr uint8_t kVariantCode4210C = 0x42;
inline constexpr uint8_t kVariantCode4230C = 0x30;

// The mouse's firmware as far as the tool can see it: its 2048 bytes of
// configuration memory, 64 KiB of controller data memory and its answers to
// the 0x40 command and 0x41 data reports.
class SimulatedMouse {
 public:
  SimulatedMouse(uint8_t variant_code, const ConfigImage& memory);

  // A report the tool sent with set feature (byte 0 is the report id).
  void HandleSetFeature(const uint8_t* report);
  // The next queued reply, as a 0x41 report; false if the report id is not 0x41.
  bool HandleGetFeature(uint8_t* report);

  // True once after a restart command; the bus then takes the mouse off.
  bool TakeRestartRequest();

  ConfigImage& memory() { return memory_; }
  const ConfigImage& memory() const { return memory_; }
  std::vector<uint8_t>& xdata() { return xdata_; }
  uint8_t variant_code() const { return variant_code_; }
  void set_variant_code(uint8_t code) { variant_code_ = code; }
  int restarts() const { return restarts_; }

 private:
  using Reply = std::array<uint8_t, 7>;

  void HandleCommand(const uint8_t* report);
  void HandleData(const uint8_t* payload);
  void ShortWrite(int address, const uint8_t* bytes, int count);
  void QueueMemoryReplies(int address, int count);
  uint8_t MemoryAt(int address) const;

  ConfigImage memory_;
  std::vector<uint8_t> xdata_;
  uint8_t variant_code_;
  std::deque<Reply> replies_;
  // A block write whose data reports are still coming.
  int block_address_ = 0;
  int block_remaining_ = 0;
  bool restart_requested_ = false;
  int restarts_ = 0;
};

// The checksummed section an address lies in: its first data byte and its
// checksum byte, or {-1, -1}.
struct SectionSpan {
  int begin = -1;
  int checksum = -1;
};
SectionSpan ChecksummedSectionAt(int address);

}  // namespace kvrm
