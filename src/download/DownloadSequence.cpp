#include "DownloadSequence.h"

namespace v72 {

void DownloadSequence::StartDownload() {
  DownloadKeyIndex = 0;
  DownloadChunkIndex = 0;
  DeviceAddress = 4;
  GaugeStep = 2;
  Report.fill(0);
  GaugeValue = 0;
  GaugeMaximum = GaugeStep * DownloadReportCount;
  ReportsSent = 0;
  ReportsLost = 0;
  running_ = true;
}

bool DownloadSequence::DownloadTick(const ReportSender& send) {
  if (!running_ || DownloadKeyIndex >= 15) return false;

  if (DownloadChunkIndex < 9) {
    const int offset = ImageOffsetOfAddress(DeviceAddress);
    Report[0] = WriteReportId;
    Report[1] = static_cast<std::uint8_t>(DeviceAddress & 0xFF);
    Report[2] = static_cast<std::uint8_t>((DeviceAddress >> 8) & 0xFF);
    for (int i = 0; i < 4; ++i) Report[3 + i] = image_[static_cast<std::size_t>(offset + i)];
    if (WriteEnable) {
      ++ReportsSent;
      if (!send(Report)) ++ReportsLost;
    }
    GaugeValue += GaugeStep;
    DeviceAddress += 4;
  }
  ++DownloadChunkIndex;
  if (DownloadChunkIndex == 9) {
    // 9 chunks cover 36 bytes: the key's 34 and two of the next, which the next key's
    // first chunk writes again (or, at a block's end, land in its spare bytes).
    DownloadChunkIndex = 0;
    DeviceAddress -= 2;
    if (DeviceAddress == 242)
      DeviceAddress = 260;
    else if (DeviceAddress == 498)
      DeviceAddress = 516;
    ++DownloadKeyIndex;
    if (DownloadKeyIndex == 15) {
      running_ = false;
      return true;
    }
  }
  return false;
}

}  // namespace v72
