#pragma once
// One loader run, shared by the dialog and the terminal: the instance lock, the transfer
// library, the profile read in the loader's form, and the download.

#include <memory>
#include <string>

#include <QLockFile>
#include <QObject>
#include <QString>

#include "DeviceImage.h"
#include "DownloadDriver.h"
#include "DownloadSequence.h"
#include "KeyProfile.h"
#include "ProfileFile.h"

namespace v72 {

inline constexpr char LoaderApplicationTitle[] = "Veltrain 712 Loading...";
inline constexpr char LoaderDialogCaption[] = "Veltrain 712 Loader";

class LoaderSession : public QObject {
  Q_OBJECT

 public:
  explicit LoaderSession(QObject* parent = nullptr);
  ~LoaderSession() override;

  KeyProfile Profile;
  std::u16string ProfileFileName;
  DeviceImage Image{};
  DownloadSequence Download;

  // One loader at a time. False when another one holds the lock; a lock left by a loader
  // that was killed does not count.
  bool AcquireInstanceLock();

  // Opens the transport; false with `error` set when it cannot be opened.
  bool RegisterTransfer(QString& error);
  // "keypad /dev/hidraw3", "simulated keypad PATH", ...
  QString Target() const;

  // The loader's form of the reader: key slots only, macros skipped.
  bool ReadProfile(const QString& path, ProfileReporter& reporter);

  void StartDownload();
  void StopDownload() { driver_.Stop(); }

  // After Finished: the program's exit status, and what the user must be told (empty when
  // every report was delivered).
  int ExitStatus() const;
  QString EndMessage() const;

  static QString LockFilePath();

 Q_SIGNALS:
  void Progress(int value, int maximum);
  void Finished(bool completed);

 private:
  std::unique_ptr<QLockFile> lock_;
  DownloadDriver driver_;
  bool completed_ = false;
};

}  // namespace v72
