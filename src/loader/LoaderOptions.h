#pragma once
// V72CmdLoader's command line.

#include <QString>
#include <QStringList>

namespace v72 {

// Exit statuses of V72CmdLoader; documented in --help and the README.
enum LoaderExit : int {
  ExitOk = 0,
  ExitUsage = 1,            // unknown option or bad combination; output not written
  ExitNoArgument = 2,       // no profile file given
  ExitRefusedFile = 3,      // the file cannot be read or is not a profile
  ExitAlreadyRunning = 4,   // another loader is running
  ExitTransport = 5,        // the keypad (or its stand-in) cannot be opened
  ExitIncomplete = 6,       // reports were not delivered, or the download was stopped
};

struct LoaderOptions {
  bool print = false;
  bool printKeypad = false;
  bool json = false;
  bool noGui = false;
  bool help = false;
  bool version = false;
  QStringList files;   // the profile is the last one

  QString ProfilePath() const { return files.isEmpty() ? QString() : files.last(); }
};

// Parses `arguments` (program name first). On failure `error` says why.
bool ParseLoaderOptions(const QStringList& arguments, LoaderOptions& options, QString& error);

QString LoaderHelpText();

// Whether a window can be shown: a platform chosen by QT_QPA_PLATFORM, a Wayland socket, or
// an X display whose local socket exists (a stale DISPLAY would make the dialog abort).
bool HaveDisplay();

}  // namespace v72
