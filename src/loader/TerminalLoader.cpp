#include "TerminalLoader.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>

#include "PrintCommand.h"

namespace v72 {

namespace {

// A bar redrawn in place on a terminal; a line per 10 % anywhere else (logs, pipes).
class ProgressDisplay {
 public:
  explicit ProgressDisplay(std::FILE* err) : err_(err), tty_(::isatty(::fileno(err)) != 0) {}
  void Show(int value, int maximum) {
    const int percent = maximum > 0 ? value * 100 / maximum : 0;
    if (tty_) {
      const int filled = percent * 30 / 100;
      std::fprintf(err_, "\rLoading [%-30s] %3d%%", std::string(static_cast<std::size_t>(filled), '#').c_str(), percent);
      if (percent == 100) std::fputc('\n', err_);
    } else {
      for (; next_ <= percent; next_ += 10) std::fprintf(err_, "Loading %d%%\n", next_);
    }
    std::fflush(err_);
  }
  void Interrupted() {
    if (tty_) std::fputc('\n', err_);
  }

 private:
  std::FILE* err_;
  bool tty_;
  int next_ = 10;
};

}  // namespace

int RunTerminalLoader(const LoaderOptions& options, LoaderSession& session, std::FILE* err) {
  if (options.files.isEmpty()) {
    std::fprintf(err, "No profile file given. Try 'V72CmdLoader --help'.\n");
    return ExitNoArgument;
  }
  QString error;
  if (!session.RegisterTransfer(error)) {
    std::fprintf(err, "%s\n", error.toLocal8Bit().constData());
    return ExitTransport;
  }
  StreamReporter reporter(err);
  if (!session.ReadProfile(options.ProfilePath(), reporter)) return ExitRefusedFile;

  std::fprintf(err, "Writing %s to %s\n", options.ProfilePath().toLocal8Bit().constData(),
               session.Target().toLocal8Bit().constData());
  ProgressDisplay progress(err);
  QEventLoop loop;
  QObject::connect(&session, &LoaderSession::Progress, &loop,
                   [&](int value, int maximum) { if (value > 0) progress.Show(value, maximum); });
  QObject::connect(&session, &LoaderSession::Finished, &loop, [&](bool completed) {
    if (!completed) progress.Interrupted();
    loop.quit();
  });
  session.StartDownload();
  loop.exec();

  const QString end = session.EndMessage();
  if (!end.isEmpty()) std::fprintf(err, "%s\n", end.toLocal8Bit().constData());
  return session.ExitStatus();
}

}  // namespace v72
