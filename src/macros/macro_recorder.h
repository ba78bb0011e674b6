#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

#include "macros/macro_lines.h"

namespace kvrm {

// The recorder's time source: a millisecond tick that may wrap around.
class MillisecondClock {
 public:
  virtual ~MillisecondClock() = default;
  virtual uint32_t NowMilliseconds() = 0;
};

// The ten mouse-button transitions, in the order the recorder turns pending ones into lines.
enum class MouseTransition {
  kLeftDown,
  kLeftUp,
  kRightDown,
  kRightUp,
  kMiddleDown,
  kMiddleUp,
  kForwardDown,
  kForwardUp,
  kBackwardDown,
  kBackwardUp,
};
inline constexpr int kMouseTransitionCount = 10;

enum class KeyEventKind { kFirstPress, kRepeat, kRelease };

// Where global input arrives. A platform source calls these from its own
// threads: OnMouseTransition from a hook (it only sets a flag), DrainMouseFlags
// from its mouse worker, OnKeyMessage with every key-down and key-up message.
class RecorderInput {
 public:
  virtual ~RecorderInput() = default;
  virtual void OnKeyMessage(int virtual_key, bool down) = 0;
  virtual void OnMouseTransition(MouseTransition transition) = 0;
  virtual void DrainMouseFlags() = 0;
};

// Global keyboard and mouse-button events for the length of a recording.
class RecorderEventSource {
 public:
  virtual ~RecorderEventSource() = default;
  virtual void Start(RecorderInput& input) = 0;
  // Returns once no further call reaches the input.
  virtual void Stop() = 0;
};

// Turns key messages into first presses, repeats and releases: a key-down that
// makes the count of downs since the last key-up 1 is a first press, any later
// one a repeat (so a second key pressed while one is held arrives as a repeat).
class KeyMessageCounter {
 public:
  KeyEventKind Classify(bool down);

 private:
  int downs_ = 0;
};

enum class InsertSide { kFront, kBack };

struct RecorderSettings {
  DelayMode delay_mode = DelayMode::kRecorded;
  int fixed_delay_ms = 1;  // kept within 1..65535
};

// Records keyboard keys and mouse buttons as event lines. Each line's byte
// form is counted so the whole macro, with its repeat wrapper and terminator,
// stays within its 256-byte slot: presses are taken while the count leaves a
// reserve for releases, and an event that does not fit stops the recording.
class MacroRecorder : public RecorderInput {
 public:
  // Event bytes a macro may hold: 256 less the wrapper (3) and the terminator.
  static constexpr int kByteBudget = 252;

  explicit MacroRecorder(MillisecondClock& clock);

  // Called, from the thread that handled the event, when the budget stopped
  // the recording; the owner then calls Stop() as if the user had clicked "Stop".
  // Since Stop() waits for the source, a handler on a source thread must post
  // that call to the owner's thread.
  void SetAutoStopHandler(std::function<void()> handler);

  // A new recording into an empty list. The source may be null when the
  // caller feeds the input itself.
  void Start(RecorderSettings settings, RecorderEventSource* source);
  // Records into an existing list, before (front) or after (back) the event
  // of list view item `selected_item`. Refused when no item is selected or the
  // macro leaves no room for another event.
  bool StartInsert(MacroList list, int selected_item, InsertSide side, RecorderSettings settings,
                   RecorderEventSource* source);
  // Tears the source down and returns the recorded list.
  MacroList Stop();

  void SetPointerOverControlButton(bool over);

  void OnKeyMessage(int virtual_key, bool down) override;
  void OnMouseTransition(MouseTransition transition) override;
  void DrainMouseFlags() override;
  // One classified key event of virtual key `virtual_key`.
  void OnKey(int virtual_key, KeyEventKind kind);

  bool recording() const { return recording_.load(); }
  bool stop_requested() const;
  MacroList lines() const;
  int selected_item() const;  // the list view item of the last recorded line
  int byte_count() const;

 private:
  // Both starts: a fresh or given list, and the state of a new recording.
  void Begin(RecorderSettings settings, MacroList list, bool insert_mode, InsertSide side,
             int selected_item, int byte_count, RecorderEventSource* source);
  bool PressFits() const;
  bool ReleaseFits(int cost) const;
  int DelayCost() const;
  void AddHeaderIfEmpty();
  void AddEvent(const std::string& line, int cost);
  void AddLine(const std::string& line);
  void RequestStop();

  MillisecondClock& clock_;
  std::function<void()> auto_stop_;
  RecorderEventSource* source_ = nullptr;
  std::atomic<bool> recording_{false};
  std::atomic<bool> pointer_over_control_{false};
  std::array<std::atomic<bool>, kMouseTransitionCount> flags_{};
  KeyMessageCounter key_counter_;

  mutable std::mutex mutex_;  // guards everything below
  RecorderSettings settings_;
  MacroList list_;
  bool insert_mode_ = false;
  InsertSide insert_side_ = InsertSide::kFront;
  int insert_position_ = 0;
  int selected_item_ = -1;
  std::optional<uint32_t> last_tick_;
  int byte_count_ = 0;
  int last_key_ = -1;
  int keys_down_ = 0;
  bool full_ = false;
  bool stop_requested_ = false;
};

}  // namespace kvrm
