#include "device/input_report_thread.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>

#include "support/sim_fixture.h"

namespace kvrm::test {
namespace {

// Holds posted work until the test runs it, as the UI thread would.
class QueueDispatcher : public UiDispatcher {
 public:
  void Post(std::function<void()> work) override {
    std::lock_guard lock(mutex_);
    work_.push_back(std::move(work));
    posted_.notify_all();
  }
  bool RunOne() {
    std::unique_lock lock(mutex_);
    if (!posted_.wait_for(lock, std::chrono::seconds(5), [&] { return !work_.empty(); })) {
      return false;
    }
    auto work = std::move(work_.front());
    work_.pop_front();
    lock.unlock();
    work();
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> work_;
};

class InputReportThreadTest : public SimFixture {};

TEST_F(InputReportThreadTest, PostsOnlyTestButtonReportsToTheUiThread) {
  QueueDispatcher dispatcher;
  std::vector<std::vector<uint8_t>> handled;
  InputReportThread thread(link, dispatcher, [&](const auto& r) { handled.push_back(r); });
  thread.Start();
  bus.QueueInputReport({0x01, 0x00, 0x05});
  bus.QueueInputReport({0x42, 0x00, 0x00, 0x08});
  ASSERT_TRUE(dispatcher.RunOne());
  thread.Stop();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].size(), 8u);
  EXPECT_EQ(handled[0][3], 0x08);
}

TEST_F(InputReportThreadTest, StopsWhileTheMouseIsGoneOrSilent) {
  QueueDispatcher dispatcher;
  InputReportThread thread(link, dispatcher, [](const auto&) {});
  thread.Start();
  link.ForgetDevice();
  thread.Stop();
  SUCCEED();
}

}  // namespace
}  // namespace kvrm::test
