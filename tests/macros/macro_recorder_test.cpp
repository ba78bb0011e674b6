#include "macros/macro_recorder.h"

#include <gtest/gtest.h>

#include "macros/macro_codec.h"

namespace kvrm {
namespace {

constexpr int kA = 0x41;
constexpr int kB = 0x42;
constexpr int kShift = 0x10;

const std::string kPressA = "1 A CODE:8204";
const std::string kReleaseA = "2 A CODE:0204";
const std::string kPressB = "1 B CODE:8205";
const std::string kReleaseB = "2 B CODE:0205";
const std::string kLeftDown = "1 LeftKey CODE:00A1";
const std::string kLeftUp = "2 LeftKey CODE:0021";

class TestClock : public MillisecondClock {
 public:
  uint32_t NowMilliseconds() override { return now; }
  uint32_t now = 0;
};

class CountingSource : public RecorderEventSource {
 public:
  void Start(RecorderInput& input) override {
    ++starts;
    this->input = &input;
  }
  void Stop() override { ++stops; }
  RecorderInput* input = nullptr;
  int starts = 0;
  int stops = 0;
};

class MacroRecorderTest : public ::testing::Test {
 protected:
  MacroRecorderTest() {
    recorder.SetAutoStopHandler([this] {
      ++auto_stops;
      result = recorder.Stop();
    });
  }

  void Start(DelayMode mode, int fixed = 1) { recorder.Start({mode, fixed}, &source); }
  void Key(int vk, bool down, uint32_t at = 0) {
    clock.now = at == 0 ? clock.now : at;
    recorder.OnKeyMessage(vk, down);
  }
  void Click(uint32_t down_at, uint32_t up_at) {
    clock.now = down_at;
    recorder.OnMouseTransition(MouseTransition::kLeftDown);
    recorder.DrainMouseFlags();
    clock.now = up_at;
    recorder.OnMouseTransition(MouseTransition::kLeftUp);
    recorder.DrainMouseFlags();
  }

  TestClock clock;
  CountingSource source;
  MacroRecorder recorder{clock};
  int auto_stops = 0;
  MacroList result;
};

TEST_F(MacroRecorderTest, AClickWithRecordedDelay) {
  Start(DelayMode::kRecorded);
  EXPECT_EQ(source.starts, 1);
  // The tick may read 0 at the first event; that is still an event.
  Click(0, 120);
  EXPECT_EQ(recorder.Stop(), (MacroList{"10", kLeftDown, "0 120", kLeftUp}));
  EXPECT_EQ(source.stops, 1);
  EXPECT_FALSE(recorder.recording());
}

TEST_F(MacroRecorderTest, DelaysByMode) {
  struct Case {
    DelayMode mode;
    MacroList lines;
  };
  const Case cases[] = {
      {DelayMode::kNone, {"00", kPressA, kReleaseA, kPressB, kReleaseB}},
      {DelayMode::kFixed, {"0120", kPressA, "0 20", kReleaseA, "0 20", kPressB, "0 20", kReleaseB}},
      {DelayMode::kRecorded,
       {"10", kPressA, "0 30", kReleaseA, "0 65535", kPressB, "0 1", kReleaseB}},
  };
  for (const auto& c : cases) {
    Start(c.mode, 20);
    Key(kA, true, 1000);
    Key(kA, false, 1030);
    Key(kB, true, 1030 + 70000);
    Key(kB, false);  // the same millisecond still gives the shortest delay
    EXPECT_EQ(recorder.Stop(), c.lines);
  }
}

TEST_F(MacroRecorderTest, AutoRepeatGivesOnePressAndOneRelease) {
  Start(DelayMode::kNone);
  for (int i = 0; i < 5; ++i) Key(kA, true);
  Key(kA, false);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", kPressA, kReleaseA}));
}

TEST_F(MacroRecorderTest, OverlappingKeys) {
  Start(DelayMode::kNone);
  Key(kA, true);
  Key(kA, true);
  Key(kB, true);  // arrives as a repeat while A is held
  Key(kB, true);
  Key(kB, false);
  Key(kA, true);  // A still repeating: a further press
  Key(kA, false);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", kPressA, kPressB, kReleaseB, kPressA, kReleaseA}));
}

TEST_F(MacroRecorderTest, ModifiersAndUnknownKeys) {
  Start(DelayMode::kNone);
  Key(kShift, true);
  Key(kShift, false);
  Key(0x07, true);
  Key(0x07, false);
  Key(0xFF, true);
  Key(0xFF, false);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", "1 Shift CODE:8102", "2 Shift CODE:0102",
                                        "1 None CODE:8200", "2 None CODE:0200"}));
}

TEST_F(MacroRecorderTest, PendingMouseFlagsBecomeLinesInTheirFixedOrder) {
  Start(DelayMode::kNone);
  recorder.OnMouseTransition(MouseTransition::kBackwardUp);
  recorder.OnMouseTransition(MouseTransition::kRightDown);
  recorder.OnMouseTransition(MouseTransition::kLeftUp);
  recorder.OnMouseTransition(MouseTransition::kForwardDown);
  recorder.OnMouseTransition(MouseTransition::kMiddleUp);
  recorder.DrainMouseFlags();
  EXPECT_EQ(recorder.Stop(),
            (MacroList{"00", kLeftUp, "1 RightKey CODE:00A2", "2 MiddleKey CODE:0024",
                       "1 Forward CODE:00A8", "2 Backward CODE:0030"}));
}

TEST_F(MacroRecorderTest, ClicksOnControlButtonsAreNotRecorded) {
  Start(DelayMode::kNone);
  recorder.SetPointerOverControlButton(true);
  Click(10, 20);
  recorder.OnMouseTransition(MouseTransition::kRightDown);
  recorder.DrainMouseFlags();
  recorder.SetPointerOverControlButton(false);
  Click(30, 40);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", "1 RightKey CODE:00A2", kLeftDown, kLeftUp}));
}

TEST_F(MacroRecorderTest, NothingArrivesAfterStop) {
  Start(DelayMode::kNone);
  Key(kA, true);
  recorder.Stop();
  Key(kA, false);
  Click(1, 2);
  EXPECT_EQ(recorder.lines(), (MacroList{"00", kPressA}));
}

// Presses and releases of A and B in turn until the budget stops the recording.
TEST_F(MacroRecorderTest, TheBudgetStopsARecordingThatWouldOutgrowItsSlot) {
  struct Case {
    DelayMode mode;
    int last_press_below;  // presses are taken while the count is below this
  };
  for (const Case c : {Case{DelayMode::kNone, 248}, Case{DelayMode::kRecorded, 242}}) {
    auto_stops = 0;
    Start(c.mode);
    uint32_t now = 100;
    int highest_press_count = 0;
    for (int i = 0; i < 200 && recorder.recording(); ++i) {
      const int before = recorder.byte_count();
      Key(i % 2 ? kB : kA, true, now += 10);
      if (recorder.byte_count() != before)
        highest_press_count = std::max(highest_press_count, before);
      Key(i % 2 ? kB : kA, false, now += 10);
    }
    EXPECT_EQ(auto_stops, 1);
    EXPECT_LT(highest_press_count, c.last_press_below);
    EXPECT_GE(highest_press_count, c.last_press_below - 10);
    EXPECT_EQ(result, recorder.lines());
    const EncodedMacro encoded = EncodeMacro(result, StopMode::UntilReleased());
    ASSERT_TRUE(encoded.outcome.ok());
    EXPECT_LE(encoded.bytes.size(), kMacroSlotSize);
    // Every recorded press has its release.
    EXPECT_EQ(std::count(result.begin(), result.end(), kPressA),
              std::count(result.begin(), result.end(), kReleaseA));
  }
}

TEST_F(MacroRecorderTest, AReleasePastTheBudgetStopsTheRecording) {
  Start(DelayMode::kNone);
  recorder.OnMouseTransition(MouseTransition::kRightDown);
  recorder.DrainMouseFlags();
  // A and B held in turn: each key-down after the first is a repeat of a new key, so a press.
  Key(kA, true);
  for (int i = 1; i < 124; ++i) Key(i % 2 ? kB : kA, true);
  ASSERT_EQ(recorder.byte_count(), 249);
  ASSERT_TRUE(recorder.recording());
  Key(kB, false);
  EXPECT_EQ(recorder.byte_count(), 251);
  Key(kA, false);  // two more bytes would pass the budget
  EXPECT_EQ(auto_stops, 1);
  EXPECT_EQ(result.back(), kReleaseB);
  const EncodedMacro encoded = EncodeMacro(result, StopMode::UntilReleased());
  ASSERT_TRUE(encoded.outcome.ok());
  EXPECT_EQ(encoded.bytes.size(), 255u);
}

TEST_F(MacroRecorderTest, InsertFrontKeepsTheRecordedOrderBeforeTheEvent) {
  const MacroList list = {"00", kLeftDown, kLeftUp};
  ASSERT_TRUE(recorder.StartInsert(list, 1, InsertSide::kFront, {DelayMode::kFixed, 50}, &source));
  Key(kA, true, 10);
  Key(kA, false, 20);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", kLeftDown, kPressA, "0 50", kReleaseA, kLeftUp}));
}

TEST_F(MacroRecorderTest, InsertBackKeepsTheRecordedOrderAfterTheEvent) {
  const MacroList list = {"00", kLeftDown, kLeftUp};
  ASSERT_TRUE(recorder.StartInsert(list, 0, InsertSide::kBack, {DelayMode::kNone, 1}, &source));
  Key(kA, true);
  Key(kA, false);
  Key(kB, true);
  EXPECT_EQ(recorder.Stop(), (MacroList{"00", kLeftDown, kPressA, kReleaseA, kPressB, kLeftUp}));
}

TEST_F(MacroRecorderTest, InsertNeedsASelectedEventAndRoom) {
  EXPECT_FALSE(recorder.StartInsert({"00"}, 0, InsertSide::kFront, {}, &source));
  MacroList full = {"00"};
  for (int i = 0; i < 81; ++i) full.push_back("0 5");  // 243 event bytes
  EXPECT_FALSE(
      recorder.StartInsert(full, 0, InsertSide::kFront, {DelayMode::kRecorded, 1}, &source));
  EXPECT_EQ(source.starts, 0);
  // The insert budget counts the events the macro already has.
  ASSERT_TRUE(recorder.StartInsert(full, 0, InsertSide::kBack, {DelayMode::kNone, 1}, &source));
  Key(kA, true);
  Key(kA, false);
  Key(kB, true);
  Key(kB, false);
  EXPECT_EQ(auto_stops, 0);
  Key(kA, true);
  EXPECT_EQ(auto_stops, 1);
  EXPECT_EQ(EncodeMacro(result, StopMode::UntilReleased()).bytes.size(), 255u);
}

TEST(KeyMessageCounterTest, SecondKeyDownIsARepeat) {
  KeyMessageCounter counter;
  EXPECT_EQ(counter.Classify(true), KeyEventKind::kFirstPress);
  EXPECT_EQ(counter.Classify(true), KeyEventKind::kRepeat);
  EXPECT_EQ(counter.Classify(false), KeyEventKind::kRelease);
  EXPECT_EQ(counter.Classify(true), KeyEventKind::kFirstPress);
}

}  // namespace
}  // namespace kvrm
