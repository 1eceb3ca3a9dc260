#pragma once
// The download of mode 0 into the keypad: 15 keys, 9 chunks of 4 bytes each, one chunk per
// tick. A pure state machine; a timer drives it (DownloadDriver) and tests drive it tick by tick.

#include <array>
#include <cstdint>
#include <functional>

#include "DeviceImage.h"

namespace v72 {

inline constexpr int DownloadReportCount = 135;
inline constexpr int DownloadTickMs = 70;
inline constexpr std::uint8_t WriteReportId = 3;

// 3, address low, address high, 4 data bytes.
using WriteReport = std::array<std::uint8_t, 7>;

// Sends one report; true when it was delivered.
using ReportSender = std::function<bool(const WriteReport&)>;

class DownloadSequence {
 public:
  // State, with its start values.
  std::int32_t DownloadKeyIndex = 0;
  std::int32_t DownloadChunkIndex = 0;
  std::int32_t DeviceAddress = 4;
  std::int32_t GaugeStep = 2;
  WriteReport Report{};

  // The gauge and the write enable box (hidden, always ticked).
  int GaugeValue = 0;
  int GaugeMaximum = DownloadReportCount;
  bool WriteEnable = true;

  // What the end of the download tells the user.
  int ReportsSent = 0;
  int ReportsLost = 0;

  void SetImage(const DeviceImage& image) { image_ = image; }

  // Back to the start values, gauge 0 of 270, running.
  void StartDownload();

  // One chunk. Returns true when this tick completed the download. Does nothing when the
  // download is not running (stopped, or already complete).
  bool DownloadTick(const ReportSender& send);

  // The dialog was closed: no further chunk goes out until the next start.
  void StopDownload() { running_ = false; }

  bool Running() const { return running_; }
  bool Complete() const { return DownloadKeyIndex >= 15; }
  // Every report went out and was delivered.
  bool Succeeded() const { return Complete() && ReportsLost == 0 && ReportsSent == DownloadReportCount; }

 private:
  DeviceImage image_{};
  bool running_ = false;
};

}  // namespace v72
