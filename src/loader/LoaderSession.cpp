#include "LoaderSession.h"

#include <unistd.h>

#include <QDir>

#include "LoaderOptions.h"
#include "TransferLibrary.h"

namespace v72 {

namespace {
// The message number and parameter the loader registers with the transfer library.
constexpr unsigned kTransferMessage = 1124;
constexpr unsigned kTransferParameter = 0xFF00;
}  // namespace

LoaderSession::LoaderSession(QObject* parent)
    : QObject(parent),
      driver_(Download, [](const WriteReport& r) {
        return SendTransferReport(kTransferParameter, kTransferParameter, r.data()) != 0;
      }) {
  connect(&driver_, &DownloadDriver::Progress, this, &LoaderSession::Progress);
  connect(&driver_, &DownloadDriver::Finished, this, [this](bool completed) {
    completed_ = completed;
    Q_EMIT Finished(completed);
  });
}

LoaderSession::~LoaderSession() = default;

QString LoaderSession::LockFilePath() {
  // The user's runtime folder; without one (a bare terminal session) the temporary folder.
  // (per user there: another user's lock in a shared folder could not be cleared).
  const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!folder.isEmpty() && QDir(folder).exists()) return folder + QStringLiteral("/V72CmdLoader.lock");
  return QDir::tempPath() + QStringLiteral("/V72CmdLoader-%1.lock").arg(::getuid());
}

bool LoaderSession::AcquireInstanceLock() {
  lock_ = std::make_unique<QLockFile>(LockFilePath());
  // Stale only when its owner is gone, never by age: a download may wait on a message box.
  lock_->setStaleLockTime(0);
  return lock_->tryLock(0);
}

bool LoaderSession::RegisterTransfer(QString& error) {
  if (RegisterTransferWindow(this, kTransferMessage, kTransferParameter)) return true;
  error = QString::fromLocal8Bit(TransferError());
  return false;
}

QString LoaderSession::Target() const { return QString::fromLocal8Bit(TransferTarget()); }

bool LoaderSession::ReadProfile(const QString& path, ProfileReporter& reporter) {
  ProfileFileName = path.toStdU16String();
  return ReadProfileFile(path, Profile, nullptr, ProfileProgram::Loader, reporter);
}

void LoaderSession::StartDownload() {
  completed_ = false;
  Image = BuildDeviceImage(Profile);
  Download.SetImage(Image);
  driver_.Start();
}

int LoaderSession::ExitStatus() const { return Download.Succeeded() ? ExitOk : ExitIncomplete; }

QString LoaderSession::EndMessage() const {
  if (!completed_)
    return QStringLiteral("The download was stopped after %1 of %2 reports; the keypad holds an incomplete profile")
        .arg(Download.ReportsSent)
        .arg(DownloadReportCount);
  if (Download.ReportsLost > 0)
    return QStringLiteral("%1 of %2 reports were not delivered to the keypad")
        .arg(Download.ReportsLost)
        .arg(DownloadReportCount);
  return {};
}

}  // namespace v72
