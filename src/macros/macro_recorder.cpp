#include "macros/macro_recorder.h"

#include <algorithm>

#include "macros/key_names.h"
#include "macros/macro_codec.h"

namespace kvrm {
namespace {

constexpr int kDelayBytes = 3;
constexpr int kKeyBytes = 2;
constexpr int kMouseButtonBytes = 1;
// Room kept free for releases when a press is taken: two releases' worth.
constexpr int kReserveWithoutDelays = 4;
constexpr int kReserveWithDelays = 10;

constexpr MouseButton kTransitionButtons[] = {MouseButton::kLeft, MouseButton::kRight,
                                              MouseButton::kMiddle, MouseButton::kForward,
                                              MouseButton::kBackward};

bool IsLeftButton(MouseTransition t) {
  return t == MouseTransition::kLeftDown || t == MouseTransition::kLeftUp;
}

int Reserve(DelayMode mode) {
  return mode == DelayMode::kNone ? kReserveWithoutDelays : kReserveWithDelays;
}

}  // namespace

KeyEventKind KeyMessageCounter::Classify(bool down) {
  if (!down) {
    downs_ = 0;
    return KeyEventKind::kRelease;
  }
  return ++downs_ == 1 ? KeyEventKind::kFirstPress : KeyEventKind::kRepeat;
}

MacroRecorder::MacroRecorder(MillisecondClock& clock) : clock_(clock) {}

void MacroRecorder::SetAutoStopHandler(std::function<void()> handler) {
  auto_stop_ = std::move(handler);
}

void MacroRecorder::Start(RecorderSettings settings, RecorderEventSource* source) {
  Begin(settings, MacroList{}, false, InsertSide{}, -1, 0, source);
}

bool MacroRecorder::StartInsert(MacroList list, int selected_item, InsertSide side,
                                RecorderSettings settings, RecorderEventSource* source) {
  if (selected_item < 0 || selected_item >= ListItemCount(list)) return false;
  const int count = static_cast<int>(EventBytesOfLines(list));
  if (count + Reserve(settings.delay_mode) >= kByteBudget) return false;
  Begin(settings, std::move(list), true, side, selected_item, count, source);
  return true;
}

void MacroRecorder::Begin(RecorderSettings settings, MacroList list, bool insert_mode,
                          InsertSide side, int selected_item, int byte_count,
                          RecorderEventSource* source) {
  {
    std::lock_guard lock(mutex_);
    settings_ = settings;
    settings_.fixed_delay_ms = std::clamp(settings.fixed_delay_ms, kMinDelayMs, kMaxDelayMs);
    list_ = std::move(list);
    insert_mode_ = insert_mode;
    if (insert_mode) {
      insert_side_ = side;
      insert_position_ = selected_item;
    }
    selected_item_ = selected_item;
    last_tick_.reset();
    byte_count_ = byte_count;
    last_key_ = -1;
    keys_down_ = 0;
    full_ = false;
    stop_requested_ = false;
  }
  for (auto& flag : flags_) flag = false;
  key_counter_ = KeyMessageCounter{};
  recording_ = true;
  source_ = source;
  if (source_) source_->Start(*this);
}

MacroList MacroRecorder::Stop() {
  recording_ = false;
  if (source_) source_->Stop();
  source_ = nullptr;
  for (auto& flag : flags_) flag = false;
  std::lock_guard lock(mutex_);
  insert_mode_ = false;
  last_tick_.reset();
  stop_requested_ = false;
  return list_;
}

void MacroRecorder::SetPointerOverControlButton(bool over) {
  pointer_over_control_ = over;
}

bool MacroRecorder::stop_requested() const {
  std::lock_guard lock(mutex_);
  return stop_requested_;
}

MacroList MacroRecorder::lines() const {
  std::lock_guard lock(mutex_);
  return list_;
}

int MacroRecorder::selected_item() const {
  std::lock_guard lock(mutex_);
  return selected_item_;
}

int MacroRecorder::byte_count() const {
  std::lock_guard lock(mutex_);
  return byte_count_;
}

void MacroRecorder::OnKeyMessage(int virtual_key, bool down) {
  OnKey(virtual_key, key_counter_.Classify(down));
}

void MacroRecorder::OnMouseTransition(MouseTransition transition) {
  if (!recording_) return;
  // The click on a control button (such as the one that stops the recording) is not recorded.
  if (IsLeftButton(transition) && pointer_over_control_) return;
  flags_[static_cast<size_t>(transition)] = true;
}

void MacroRecorder::DrainMouseFlags() {
  bool stop = false;
  {
    std::lock_guard lock(mutex_);
    if (!recording_) return;
    AddHeaderIfEmpty();
    for (int t = 0; t < kMouseTransitionCount; ++t) {
      if (!flags_[static_cast<size_t>(t)].exchange(false)) continue;
      const bool press = t % 2 == 0;
      const bool fits = press ? PressFits() : ReleaseFits(DelayCost() + kMouseButtonBytes);
      if (!fits) {
        stop_requested_ = true;
        break;
      }
      AddEvent(MouseButtonLine(kTransitionButtons[t / 2], press), kMouseButtonBytes);
    }
    stop = stop_requested_;
  }
  if (stop) RequestStop();
}

void MacroRecorder::OnKey(int virtual_key, KeyEventKind kind) {
  const VirtualKey key = VirtualKeyInfo(virtual_key);
  if (!key.recorded) return;
  bool stop = false;
  {
    std::lock_guard lock(mutex_);
    if (!recording_) return;
    AddHeaderIfEmpty();
    std::optional<bool> press;  // true press, false release, empty nothing
    auto take_press = [&] {
      if (PressFits()) {
        press = true;
      } else {
        full_ = true;
        stop_requested_ = true;
      }
    };
    switch (kind) {
      case KeyEventKind::kFirstPress:
        if (virtual_key == last_key_ && keys_down_ > 0) return;
        take_press();
        last_key_ = virtual_key;
        ++keys_down_;
        break;
      case KeyEventKind::kRepeat:
        if (virtual_key == last_key_) return;
        ++keys_down_;
        take_press();
        last_key_ = virtual_key;
        break;
      case KeyEventKind::kRelease:
        if (full_) break;
        if (ReleaseFits(DelayCost() + kKeyBytes)) {
          press = false;
        } else {
          stop_requested_ = true;
        }
        last_key_ = virtual_key;
        --keys_down_;
        break;
    }
    if (press) {
      AddEvent(key.modifier != 0 ? ModifierLine(key.modifier, *press)
                                 : KeyLine(key.name, key.usage, *press),
               kKeyBytes);
    }
    stop = stop_requested_;
  }
  if (stop) RequestStop();
}

bool MacroRecorder::PressFits() const {
  return byte_count_ + Reserve(settings_.delay_mode) < kByteBudget;
}

bool MacroRecorder::ReleaseFits(int cost) const {
  return byte_count_ + cost <= kByteBudget;
}

int MacroRecorder::DelayCost() const {
  return settings_.delay_mode != DelayMode::kNone && last_tick_ ? kDelayBytes : 0;
}

void MacroRecorder::AddHeaderIfEmpty() {
  if (list_.empty()) list_.push_back(HeaderLine(settings_.delay_mode, settings_.fixed_delay_ms));
}

void MacroRecorder::AddEvent(const std::string& line, int cost) {
  if (settings_.delay_mode != DelayMode::kNone) {
    const uint32_t now = clock_.NowMilliseconds();
    if (last_tick_) {
      const int delay =
          settings_.delay_mode == DelayMode::kFixed
              ? settings_.fixed_delay_ms
              : static_cast<int>(std::clamp<uint32_t>(now - *last_tick_, kMinDelayMs, kMaxDelayMs));
      AddLine(DelayLine(delay));
      byte_count_ += kDelayBytes;
    }
    last_tick_ = now;
  }
  AddLine(line);
  byte_count_ += cost;
}

void MacroRecorder::AddLine(const std::string& line) {
  if (!insert_mode_) {
    list_.push_back(line);
    selected_item_ = ListItemCount(list_) - 1;
    return;
  }
  const int offset = insert_side_ == InsertSide::kFront ? 1 : 2;
  const size_t at = std::min(list_.size(), static_cast<size_t>(insert_position_ + offset));
  list_.insert(list_.begin() + static_cast<ptrdiff_t>(at), line);
  ++insert_position_;
}

void MacroRecorder::RequestStop() {
  // Only the first event past the budget stops; later ones find recording cleared.
  if (!recording_.exchange(false)) return;
  if (auto_stop_) auto_stop_();
}

}  // namespace kvrm
