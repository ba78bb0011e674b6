#include "device/command_layer.h"

#include <algorithm>

namespace kvrm {
namespace {

constexpr size_t kPayload = 7;

size_t PacketCount(size_t count, size_t per_packet) {
  return count / per_packet + (count % per_packet != 0 ? 1 : 0);
}

}  // namespace

CommandLayer::CommandLayer(DeviceLink& link, Clock& clock, BusyWindow& busy)
    : link_(link), clock_(clock), busy_(busy) {}

bool CommandLayer::SendCommand(Opcode opcode, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
  std::lock_guard lock(transfer_mutex_);
  if (link_.command_handle() == kInvalidHandle) return false;
  const uint8_t report[8] = {kCommandReportId, static_cast<uint8_t>(opcode), p1, p2, p3, p4, 0, 0};
  return link_.HidSetFeature(link_.command_handle(), report);
}

bool CommandLayer::SendData(const ReplyBytes& data) {
  std::lock_guard lock(transfer_mutex_);
  if (link_.reply_handle() == kInvalidHandle) return false;
  uint8_t report[8] = {kDataReportId};
  std::copy(data.begin(), data.end(), report + 1);
  return link_.HidSetFeature(link_.reply_handle(), report);
}

bool CommandLayer::GetReply() {
  std::lock_guard lock(transfer_mutex_);
  reply_bytes_.fill(0xFF);
  if (link_.reply_handle() == kInvalidHandle) return false;
  uint8_t report[8] = {kDataReportId};
  if (!link_.HidGetFeature(link_.reply_handle(), report)) return false;
  std::copy(report + 1, report + 8, reply_bytes_.begin());
  clock_.DelayMicroseconds(kReplyWaitMicroseconds);
  return true;
}

bool CommandLayer::SendShortWrite(uint8_t sub_op, uint8_t address,
                                  const std::array<uint8_t, 4>& tail) {
  if (link_.command_handle() == kInvalidHandle) return false;
  const uint8_t report[8] = {kCommandReportId, static_cast<uint8_t>(Opcode::kShortWrite),
                             sub_op,           address,
                             tail[0],          tail[1],
                             tail[2],          tail[3]};
  return link_.HidSetFeature(link_.command_handle(), report);
}

bool CommandLayer::WriteBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2,
                              uint8_t count) {
  std::lock_guard lock(transfer_mutex_);
  if (link_.command_handle() == kInvalidHandle) return false;
  busy_.Show();
  const bool sent = SendShortWrite(0x00, address, {d0, d1, d2, count});
  clock_.SleepMilliseconds(kShortWritePauseMilliseconds);
  busy_.Hide();
  busy_.ProcessEvents();
  return sent;
}

bool CommandLayer::WriteQuad(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3) {
  std::lock_guard lock(transfer_mutex_);
  if (link_.command_handle() == kInvalidHandle) return false;
  busy_.Show();
  const bool sent = SendShortWrite(0x01, address, {d0, d1, d2, d3});
  clock_.SleepMilliseconds(kShortWritePauseMilliseconds);
  busy_.Hide();
  busy_.ProcessEvents();
  return sent;
}

bool CommandLayer::WriteChunks(int start, std::span<const uint8_t> source) {
  std::lock_guard lock(transfer_mutex_);
  reply_bytes_.fill(0xFF);
  if (link_.command_handle() == kInvalidHandle) return false;
  const size_t count = source.size();
  const size_t chunks = PacketCount(count, 3);
  for (size_t i = 0; i < chunks; ++i) {
    busy_.Show();
    const size_t n = std::min<size_t>(3, count - 3 * i);
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(3 * i), n, reply_bytes_.begin());
    const auto address = static_cast<uint8_t>((start + 3 * static_cast<int>(i)) % 256);
    SendShortWrite(0x00, address,
                   {reply_bytes_[0], reply_bytes_[1], reply_bytes_[2], static_cast<uint8_t>(n)});
  }
  return true;
}

bool CommandLayer::WriteBlock(uint16_t address, std::span<const uint8_t> source) {
  std::lock_guard lock(transfer_mutex_);
  reply_bytes_.fill(0xFF);
  if (source.size() > 0xFFFF) return false;
  const auto count = static_cast<uint16_t>(source.size());
  if (!SendCommand(Opcode::kWriteBlock, address >> 8, address & 0xFF, count >> 8, count & 0xFF)) {
    return false;
  }
  const size_t packets = PacketCount(count, kPayload);
  for (size_t i = 0; i < packets; ++i) {
    busy_.Show();
    const size_t n = std::min(kPayload, count - kPayload * i);
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(kPayload * i), n,
                reply_bytes_.begin());
    SendData(reply_bytes_);
  }
  return true;
}

bool CommandLayer::ReadReplies(Opcode opcode, uint16_t address, uint16_t count,
                               std::span<uint8_t> destination, bool show_busy) {
  std::lock_guard lock(transfer_mutex_);
  std::fill(destination.begin(), destination.end(), 0xFF);
  reply_bytes_.fill(0xFF);
  if (link_.command_handle() == kInvalidHandle) return false;
  const bool header_sent =
      opcode == Opcode::kReadShort
          ? SendCommand(opcode, address >> 8, address & 0xFF, 0x00, static_cast<uint8_t>(count))
          : SendCommand(opcode, address >> 8, address & 0xFF, count >> 8, count & 0xFF);
  if (!header_sent) return false;
  const size_t replies = PacketCount(count, kPayload);
  for (size_t j = 0; j < replies; ++j) {
    if (show_busy) busy_.Show();
    GetReply();
    const size_t offset = kPayload * j;
    const size_t n = std::min(kPayload, count - offset);
    if (offset >= destination.size()) continue;
    std::copy_n(reply_bytes_.begin(), std::min(n, destination.size() - offset),
                destination.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  return true;
}

bool CommandLayer::ReadShort(uint16_t address, uint8_t count, std::span<uint8_t> destination) {
  return ReadReplies(Opcode::kReadShort, address, count, destination, false);
}

bool CommandLayer::ReadBlock(uint16_t address, uint16_t count, std::span<uint8_t> destination) {
  return ReadReplies(Opcode::kReadBlock, address, count, destination, true);
}

bool CommandLayer::ReadBlockQuiet(uint16_t address, uint16_t count,
                                  std::span<uint8_t> destination) {
  return ReadReplies(Opcode::kReadBlock, address, count, destination, false);
}

bool CommandLayer::XDataWrite(uint16_t address, uint8_t value) {
  return SendCommand(Opcode::kXDataWrite, address >> 8, address & 0xFF, value, 0x00);
}

bool CommandLayer::XDataRead(uint16_t address, uint8_t* value) {
  std::lock_guard lock(transfer_mutex_);
  if (!SendCommand(Opcode::kXDataRead, address >> 8, address & 0xFF, 0x00, 0x01)) return false;
  const bool fetched = GetReply();
  *value = reply_bytes_[0];
  return fetched;
}

}  // namespace kvrm
