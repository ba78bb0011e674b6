#include "sim/simulated_bus.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace kvrm {

std::string FormatSimReport(const SimReport& report) {
  std::string line(1, static_cast<char>(report.kind));
  for (uint8_t b : report.bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", b);
    line += hex;
  }
  return line;
}

SimulatedHidBus::SimulatedHidBus(Clock& clock) : clock_(clock) {}

SimulatedHidBus::~SimulatedHidBus() = default;

SimulatedMouse& SimulatedHidBus::AddMouse(uint8_t variant_code, const ConfigImage& memory,
                                          const std::string& path) {
  std::lock_guard lock(mutex_);
  mouse_ = std::make_unique<SimulatedMouse>(variant_code, memory);
  Interface iface;
  iface.spec.path = path;
  iface.spec.vendor_id = 0x7A5C;
  iface.spec.product_id = 0x08B8;
  iface.spec.capabilities = {8, 0, 8};
  iface.is_mouse = true;
  interfaces_.push_back(iface);
  return *mouse_;
}

void SimulatedHidBus::AddInterface(const SimInterfaceSpec& spec) {
  std::lock_guard lock(mutex_);
  Interface iface;
  iface.spec = spec;
  interfaces_.push_back(iface);
}

SimulatedHidBus::Interface* SimulatedHidBus::Find(const std::string& path) {
  for (auto& iface : interfaces_) {
    if (iface.spec.path == path) return &iface;
  }
  return nullptr;
}

SimInterfaceSpec& SimulatedHidBus::Spec(const std::string& path) {
  std::lock_guard lock(mutex_);
  Interface* iface = Find(path);
  if (!iface) throw std::invalid_argument("no simulated interface " + path);
  return iface->spec;
}

void SimulatedHidBus::Leave(Interface& iface) {
  iface.present = false;
  ++iface.generation;
}

void SimulatedHidBus::Unplug(const std::string& path) {
  std::lock_guard lock(mutex_);
  if (Interface* iface = Find(path)) {
    Leave(*iface);
    iface->back_at_us = -1;
  }
}

void SimulatedHidBus::Plug(const std::string& path) {
  std::lock_guard lock(mutex_);
  if (Interface* iface = Find(path)) iface->present = true;
}

bool SimulatedHidBus::IsPresent(const std::string& path) {
  std::lock_guard lock(mutex_);
  UpdatePresence();
  Interface* iface = Find(path);
  return iface && iface->present;
}

void SimulatedHidBus::ArmFaults(const SimFaults& faults) {
  std::lock_guard lock(mutex_);
  faults_ = faults;
  transfers_since_armed_ = 0;
}

void SimulatedHidBus::QueueInputReport(const std::vector<uint8_t>& report) {
  {
    std::lock_guard lock(mutex_);
    input_queue_.push_back(report);
  }
  input_ready_.notify_all();
}

std::vector<SimReport> SimulatedHidBus::Log() {
  std::lock_guard lock(mutex_);
  return log_;
}

std::string SimulatedHidBus::LogText() {
  std::lock_guard lock(mutex_);
  std::string text;
  for (const auto& r : log_) text += FormatSimReport(r) + "\n";
  return text;
}

void SimulatedHidBus::ClearLog() {
  std::lock_guard lock(mutex_);
  log_.clear();
}

void SimulatedHidBus::UpdatePresence() {
  for (auto& iface : interfaces_) {
    if (!iface.present && iface.back_at_us >= 0 && clock_.NowMicroseconds() >= iface.back_at_us) {
      iface.present = true;
      iface.back_at_us = -1;
    }
  }
}

SimulatedHidBus::Interface* SimulatedHidBus::Live(HidHandle handle) {
  UpdatePresence();
  const auto it = handles_.find(handle);
  if (it == handles_.end()) return nullptr;
  Interface& iface = interfaces_[it->second.interface];
  if (!iface.present || iface.generation != it->second.generation) return nullptr;
  return &iface;
}

bool SimulatedHidBus::CountTransfer() {
  ++transfers_since_armed_;
  if (faults_.unplug_mouse_after >= 0 && transfers_since_armed_ > faults_.unplug_mouse_after) {
    for (auto& iface : interfaces_) {
      if (iface.is_mouse && iface.present) Leave(iface);
    }
    return false;
  }
  return faults_.fail_transfer != transfers_since_armed_;
}

std::optional<std::vector<std::string>> SimulatedHidBus::InterfacePaths() {
  std::lock_guard lock(mutex_);
  UpdatePresence();
  std::vector<std::string> paths;
  for (const auto& iface : interfaces_) {
    if (iface.present) paths.push_back(iface.spec.path_query_fails ? "" : iface.spec.path);
  }
  return paths;
}

void SimulatedHidBus::ScriptCounts(const std::vector<int>& counts) {
  std::lock_guard lock(mutex_);
  count_script_.assign(counts.rbegin(), counts.rend());
}

int SimulatedHidBus::CountOpenable() {
  std::lock_guard lock(mutex_);
  if (!count_script_.empty()) {
    const int scripted = count_script_.back();
    count_script_.pop_back();
    return scripted;
  }
  UpdatePresence();
  return static_cast<int>(std::count_if(interfaces_.begin(), interfaces_.end(), [](const auto& i) {
    return i.present && i.spec.openable && !i.spec.path_query_fails;
  }));
}

HidHandle SimulatedHidBus::Open(const std::string& path, HidAccess) {
  std::lock_guard lock(mutex_);
  UpdatePresence();
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    const Interface& iface = interfaces_[i];
    if (iface.spec.path != path || !iface.present || !iface.spec.openable) continue;
    const HidHandle handle = next_handle_++;
    handles_[handle] = {i, iface.generation};
    return handle;
  }
  return kInvalidHandle;
}

void SimulatedHidBus::Close(HidHandle handle) {
  std::lock_guard lock(mutex_);
  handles_.erase(handle);
}

bool SimulatedHidBus::GetAttributes(HidHandle handle, HidAttributes* attributes) {
  std::lock_guard lock(mutex_);
  const Interface* iface = Live(handle);
  if (!iface) return false;
  *attributes = {iface->spec.vendor_id, iface->spec.product_id};
  return true;
}

bool SimulatedHidBus::GetCapabilities(HidHandle handle, HidCapabilities* capabilities) {
  std::lock_guard lock(mutex_);
  const Interface* iface = Live(handle);
  if (!iface) return false;
  *capabilities = iface->spec.capabilities;
  return true;
}

bool SimulatedHidBus::SetFeature(HidHandle handle, const uint8_t* report, size_t length) {
  std::lock_guard lock(mutex_);
  Interface* iface = Live(handle);
  if (!iface || length != static_cast<size_t>(iface->spec.capabilities.feature_report_length)) {
    return false;
  }
  if (!iface->is_mouse) return true;
  if (!CountTransfer()) return false;
  log_.push_back({SimReport::Kind::kSent, {report, report + length}});
  mouse_->HandleSetFeature(report);
  if (mouse_->TakeRestartRequest()) {
    Leave(*iface);
    iface->back_at_us = clock_.NowMicroseconds() + restart_delay_us_;
  }
  return true;
}

bool SimulatedHidBus::GetFeature(HidHandle handle, uint8_t* report, size_t length) {
  std::lock_guard lock(mutex_);
  Interface* iface = Live(handle);
  if (!iface || length != static_cast<size_t>(iface->spec.capabilities.feature_report_length)) {
    return false;
  }
  if (!iface->is_mouse) {
    std::fill(report + 1, report + length, uint8_t{0});
    return true;
  }
  if (!CountTransfer() || faults_.replies_stop) return false;
  if (!mouse_->HandleGetFeature(report)) return false;
  log_.push_back({SimReport::Kind::kFetched, {report, report + length}});
  return true;
}

bool SimulatedHidBus::ReadInput(HidHandle handle, uint8_t* buffer, size_t length,
                                int timeout_ms) {
  std::unique_lock lock(mutex_);
  const auto ready = [&] { return !input_queue_.empty() || !Live(handle); };
  if (!input_ready_.wait_for(lock, std::chrono::milliseconds(std::max(timeout_ms, 0)), ready) ||
      !Live(handle) || !Live(handle)->is_mouse) {
    return false;
  }
  std::vector<uint8_t> report = input_queue_.front();
  input_queue_.erase(input_queue_.begin());
  report.resize(length, 0);
  std::copy(report.begin(), report.end(), buffer);
  log_.push_back({SimReport::Kind::kInput, report});
  return true;
}

}  // namespace kvrm
