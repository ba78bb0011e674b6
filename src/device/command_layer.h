#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <span>

#include "device/busy_window.h"
#include "device/clock.h"
#include "device/device_link.h"

namespace kvrm {

// Opcodes of the 0x40 command report.
enum class Opcode : uint8_t {
  kXDataWrite = 0x01,
  kXDataRead = 0x02,
  kShortWrite = 0x05,
  kReadShort = 0x06,
  kWriteBlock = 0x07,
  kReadBlock = 0x09,
  kIdentify = 0x0D,
  kRestart = 0x0E,
};

inline constexpr uint8_t kCommandReportId = 0x40;
inline constexpr uint8_t kDataReportId = 0x41;
inline constexpr uint8_t kInputReportId = 0x42;
inline constexpr int kReplyWaitMicroseconds = 500;
inline constexpr int kShortWritePauseMilliseconds = 100;

// The mouse's command protocol over 8-byte feature reports: 0x40 carries a
// command, 0x41 seven data bytes either way. No operation retries or reports an
// error; each returns false only when its first report cannot be sent.
//
// Transfers never interleave: every operation holds the transfer lock, and a
// caller that needs several operations in a row holds it around them.
class CommandLayer {
 public:
  using ReplyBytes = std::array<uint8_t, 7>;

  CommandLayer(DeviceLink& link, Clock& clock, BusyWindow& busy);

  bool SendCommand(Opcode opcode, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4);
  bool SendData(const ReplyBytes& data);
  // Fetches one reply into ReplyBytes (0xFF when the fetch fails) and then waits
  // 500 us; a failed fetch does not wait.
  bool GetReply();

  // 1 to 3 bytes at an 8-bit address, then the 100 ms pause the mouse needs.
  bool WriteBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t count);
  bool WriteQuad(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3);
  // A run below address 256 as 3-byte short writes, without pauses.
  bool WriteChunks(int start, std::span<const uint8_t> source);
  // Any run as one header and ceil(n / 7) data reports; a short last packet
  // carries stale bytes of the previous one after the real ones.
  bool WriteBlock(uint16_t address, std::span<const uint8_t> source);

  // Reads count bytes into destination. The whole destination (the caller's
  // buffer) is set to 0xFF first, also when nothing can be sent; bytes beyond it
  // are never written.
  bool ReadShort(uint16_t address, uint8_t count, std::span<uint8_t> destination);
  bool ReadBlock(uint16_t address, uint16_t count, std::span<uint8_t> destination);
  bool ReadBlockQuiet(uint16_t address, uint16_t count, std::span<uint8_t> destination);

  bool XDataWrite(uint16_t address, uint8_t value);
  bool XDataRead(uint16_t address, uint8_t* value);

  const ReplyBytes& reply_bytes() const { return reply_bytes_; }
  std::recursive_mutex& transfer_mutex() { return transfer_mutex_; }
  DeviceLink& link() { return link_; }
  Clock& clock() { return clock_; }
  BusyWindow& busy_window() { return busy_; }

 private:
  bool SendShortWrite(uint8_t sub_op, uint8_t address, const std::array<uint8_t, 4>& tail);
  bool ReadReplies(Opcode opcode, uint16_t address, uint16_t count,
                   std::span<uint8_t> destination, bool show_busy);

  DeviceLink& link_;
  Clock& clock_;
  BusyWindow& busy_;
  ReplyBytes reply_bytes_{};
  std::recursive_mutex transfer_mutex_;
};

}  // namespace kvrm
