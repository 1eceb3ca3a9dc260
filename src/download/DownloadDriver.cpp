#include "DownloadDriver.h"

#include <thread>

namespace v72 {

namespace {
// The timer wakes this much early; the rest is slept precisely, so the gaps stay within
// a fraction of a millisecond of 70 ms instead of drifting by timer granularity.
constexpr auto kEarly = std::chrono::milliseconds(2);
constexpr auto kTick = std::chrono::milliseconds(DownloadTickMs);
}  // namespace

DownloadDriver::DownloadDriver(DownloadSequence& sequence, ReportSender send, QObject* parent)
    : QObject(parent), sequence_(sequence), send_(std::move(send)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &DownloadDriver::OnTimer);
}

void DownloadDriver::Start() {
  sequence_.StartDownload();
  Q_EMIT Progress(sequence_.GaugeValue, sequence_.GaugeMaximum);
  due_ = Clock::now() + kTick;
  Arm();
}

void DownloadDriver::Stop() {
  timer_.stop();
  if (!sequence_.Running()) return;
  sequence_.StopDownload();
  Q_EMIT Finished(false);
}

void DownloadDriver::Arm() {
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due_ - kEarly - Clock::now());
  timer_.start(std::max<int>(0, static_cast<int>(wait.count())));
}

void DownloadDriver::OnTimer() {
  if (inTick_ || !sequence_.Running()) return;
  if (Clock::now() + kEarly < due_) {   // woke too early: wait again
    Arm();
    return;
  }
  std::this_thread::sleep_until(due_);

  inTick_ = true;
  // The pace is measured from the moment a report goes to the transport, as close to the
  // wire as this side can see it.
  Clock::time_point sent = Clock::now();
  const bool completed = sequence_.DownloadTick([&](const WriteReport& report) {
    sent = Clock::now();
    return send_(report);
  });
  inTick_ = false;

  Q_EMIT Progress(sequence_.GaugeValue, sequence_.GaugeMaximum);
  if (completed) {
    Q_EMIT Finished(true);
    return;
  }
  if (!sequence_.Running()) return;   // stopped from a slot of Progress
  due_ = sent + kTick;
  Arm();
}

}  // namespace v72
