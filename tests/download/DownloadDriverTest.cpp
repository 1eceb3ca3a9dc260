// The timer driver with a real event loop. Each full run takes about 9.5 s, so these stay few.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "DeviceImage.h"
#include "DownloadDriver.h"
#include "DownloadSequence.h"
#include "KeyProfile.h"

using namespace v72;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

int AddressOf(const WriteReport& r) { return r[1] | (r[2] << 8); }

std::vector<int> ExpectedAddresses() {
  std::vector<int> out;
  for (int key = 0; key < KeyCount; ++key) {
    const int first = key < 7 ? 4 + 34 * key : key < 14 ? 260 + 34 * (key - 7) : 516;
    for (int chunk = 0; chunk < 9; ++chunk) out.push_back(first + 4 * chunk);
  }
  return out;
}

class DownloadDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "download_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QCoreApplication>(argc, argv);
    loop_ = std::make_unique<QEventLoop>();
    sequence_.SetImage(BuildDeviceImage(KeyProfile{}));
    driver_ = std::make_unique<DownloadDriver>(sequence_, [this](const WriteReport& r) {
      times_.push_back(Clock::now());
      addresses_.push_back(AddressOf(r));
      if (slowEvery_ && times_.size() % slowEvery_ == 0) std::this_thread::sleep_for(milliseconds(60));
      return true;
    });
    QObject::connect(driver_.get(), &DownloadDriver::Finished, [this](bool completed) {
      finished_.push_back(completed);
      loop_->quit();
    });
    QObject::connect(driver_.get(), &DownloadDriver::Progress, [this](int value, int maximum) {
      lastProgress_ = {value, maximum};
    });
  }
  void TearDown() override {
    driver_.reset();
    loop_.reset();
    app_.reset();
  }

  // Runs the event loop until quit or until `limit` has passed.
  void RunFor(milliseconds limit) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, loop_.get(), &QEventLoop::quit);
    guard.start(limit);
    loop_->exec();
  }

  std::unique_ptr<QCoreApplication> app_;
  DownloadSequence sequence_;
  std::unique_ptr<DownloadDriver> driver_;
  std::unique_ptr<QEventLoop> loop_;
  std::vector<Clock::time_point> times_;
  std::vector<int> addresses_;
  std::vector<bool> finished_;
  std::pair<int, int> lastProgress_{-1, -1};
  std::size_t slowEvery_ = 0;   // a transport that takes 60 ms for every n-th report
};

TEST_F(DownloadDriverTest, SendsAll135InOrderNeverLessThan70msApartAndFinishesOnce) {
  slowEvery_ = 5;
  const auto started = Clock::now();
  driver_->Start();
  RunFor(milliseconds(60000));
  ASSERT_EQ(finished_, std::vector<bool>{true});

  // Nothing more once complete, however long the loop keeps running.
  RunFor(milliseconds(300));
  EXPECT_EQ(finished_, std::vector<bool>{true});
  EXPECT_FALSE(driver_->Running());
  EXPECT_EQ(lastProgress_, std::make_pair(270, 270));

  ASSERT_EQ(addresses_, ExpectedAddresses());
  EXPECT_GE(times_.front() - started, milliseconds(DownloadTickMs));
  for (std::size_t i = 1; i < times_.size(); ++i)
    EXPECT_GE(times_[i] - times_[i - 1], milliseconds(DownloadTickMs)) << "before report " << i + 1;
  EXPECT_TRUE(sequence_.Succeeded());
  // The slow reports' 27 x 60 ms must not add up: the pace runs from start to start.
  EXPECT_LT(times_.back() - times_.front(), milliseconds(134 * DownloadTickMs + 800));
}

TEST_F(DownloadDriverTest, StopMidWayFinishesFalseOnceSendsNothingMoreAndRestartBeginsAt4) {
  driver_->Start();
  // Stop as a closing dialog would: from the event loop, between two ticks.
  QObject::connect(driver_.get(), &DownloadDriver::Progress, [this](int value, int) {
    if (value == 2 * 5) QTimer::singleShot(10, driver_.get(), &DownloadDriver::Stop);
  });
  RunFor(milliseconds(10000));
  ASSERT_EQ(finished_, std::vector<bool>{false});
  EXPECT_FALSE(driver_->Running());
  const std::size_t sentWhenStopped = addresses_.size();
  EXPECT_EQ(sentWhenStopped, 5u);

  RunFor(milliseconds(300));
  EXPECT_EQ(addresses_.size(), sentWhenStopped);
  EXPECT_EQ(finished_, std::vector<bool>{false});
  driver_->Stop();   // already stopped: no second Finished
  EXPECT_EQ(finished_, std::vector<bool>{false});

  // A new start begins at the first report with an empty gauge.
  addresses_.clear();
  driver_->Start();
  EXPECT_EQ(lastProgress_, std::make_pair(0, 270));
  while (addresses_.empty() && sequence_.Running()) RunFor(milliseconds(20));
  driver_->Stop();
  ASSERT_FALSE(addresses_.empty());
  EXPECT_EQ(addresses_.front(), 4);
}

}  // namespace
