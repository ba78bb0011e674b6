#include "sim/simulated_mouse.h"

#include <algorithm>

namespace kvrm {
namespace {

constexpr SectionSpan kSections[] = {
    {0, 163},    // Vendor
    {164, 191},  // User
    {192, 240},  // Profile 1
    {241, 289},  // Profile 2
    {290, 338},  // Profile 3
};

}  // namespace

SectionSpan ChecksummedSectionAt(int address) {
  for (const auto& s : kSections) {
    if (address >= s.begin && address <= s.checksum) return s;
  }
  return {};
}

SimulatedMouse::SimulatedMouse(uint8_t variant_code, const ConfigImage& memory)
    : memory_(memory), xdata_(65536, 0), variant_code_(variant_code) {}

void SimulatedMouse::HandleSetFeature(const uint8_t* report) {
  if (report[0] == 0x40) {
    HandleCommand(report);
  } else if (report[0] == 0x41) {
    HandleData(report + 1);
  }
}

bool SimulatedMouse::HandleGetFeature(uint8_t* report) {
  if (report[0] != 0x41) return false;
  Reply reply{};
  if (!replies_.empty()) {
    reply = replies_.front();
    replies_.pop_front();
  }
  std::copy(reply.begin(), reply.end(), report + 1);
  return true;
}

bool SimulatedMouse::TakeRestartRequest() {
  const bool requested = restart_requested_;
  restart_requested_ = false;
  return requested;
}

void SimulatedMouse::HandleCommand(const uint8_t* report) {
  // A new command ends whatever the previous one left unfinished.
  replies_.clear();
  block_remaining_ = 0;
  const int hi_lo = (report[2] << 8) | report[3];
  switch (report[1]) {
    case 0x01:
      xdata_[static_cast<size_t>(hi_lo)] = report[4];
      break;
    case 0x02:
      replies_.push_back({xdata_[static_cast<size_t>(hi_lo)], 0, 0, 0, 0, 0, 0});
      break;
    case 0x05:
      if (report[2] == 0x00) {
        ShortWrite(report[3], report + 4, std::clamp<int>(report[7], 0, 3));
      } else if (report[2] == 0x01) {
        ShortWrite(report[3], report + 4, 4);
      }
      break;
    case 0x06:
      QueueMemoryReplies(hi_lo, report[5]);
      break;
    case 0x07:
      block_address_ = hi_lo;
      block_remaining_ = (report[4] << 8) | report[5];
      break;
    case 0x09:
      QueueMemoryReplies(hi_lo, (report[4] << 8) | report[5]);
      break;
    case 0x0D:
      replies_.push_back({variant_code_, ':', 0, 0, 0, 0, 0});
      break;
    case 0x0E:
      restart_requested_ = true;
      ++restarts_;
      break;
    default:
      break;
  }
}

void SimulatedMouse::HandleData(const uint8_t* payload) {
  if (block_remaining_ <= 0) return;
  const int n = std::min(7, block_remaining_);
  for (int i = 0; i < n; ++i) {
    const int address = block_address_ + i;
    if (address < static_cast<int>(kImageSize)) memory_[static_cast<size_t>(address)] = payload[i];
  }
  block_address_ += n;
  block_remaining_ -= n;
}

void SimulatedMouse::ShortWrite(int address, const uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i) memory_[static_cast<size_t>(address + i)] = bytes[i];
  // The firmware keeps its section checksums right after a field write, which
  // carries none. A write that sets a checksum byte itself is stored as sent.
  for (int i = 0; i < count; ++i) {
    const SectionSpan section = ChecksummedSectionAt(address + i);
    const bool first_in_section = i == 0 || ChecksummedSectionAt(address + i - 1).begin != section.begin;
    if (section.begin < 0 || !first_in_section) continue;
    if (section.checksum >= address && section.checksum < address + count) continue;
    uint8_t sum = 0;
    for (int a = section.begin; a < section.checksum; ++a) sum += memory_[static_cast<size_t>(a)];
    memory_[static_cast<size_t>(section.checksum)] = sum ^ 0x5A;
  }
}

uint8_t SimulatedMouse::MemoryAt(int address) const {
  return address < static_cast<int>(kImageSize) ? memory_[static_cast<size_t>(address)] : 0xFF;
}

void SimulatedMouse::QueueMemoryReplies(int address, int count) {
  for (int offset = 0; offset < count; offset += 7) {
    Reply reply;
    reply.fill(0);
    for (int i = 0; i < 7 && offset + i < count; ++i) reply[i] = MemoryAt(address + offset + i);
    replies_.push_back(reply);
  }
}

}  // namespace kvrm
