#pragma once
// Runs a DownloadSequence on the user-interface thread: one tick every 70 ms, measured from
// the start of one report to the start of the next, so a slow transport does not stretch
// the download and no two reports go out less than 70 ms apart.

#include <chrono>

#include <QObject>
#include <QTimer>

#include "DownloadSequence.h"

namespace v72 {

class DownloadDriver : public QObject {
  Q_OBJECT

 public:
  DownloadDriver(DownloadSequence& sequence, ReportSender send, QObject* parent = nullptr);

  // StartDownload, then the first tick 70 ms later.
  void Start();
  // The close query: stops at once; the next Start begins again at the first report.
  void Stop();
  bool Running() const { return sequence_.Running(); }

 Q_SIGNALS:
  void Progress(int value, int maximum);
  // Emitted once per download: `completed` is false when it was stopped early.
  void Finished(bool completed);

 private:
  using Clock = std::chrono::steady_clock;
  void Arm();
  void OnTimer();

  DownloadSequence& sequence_;
  ReportSender send_;
  QTimer timer_;
  Clock::time_point due_{};
  bool inTick_ = false;
};

}  // namespace v72
