#include "TerminalLoader.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>

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

// While the download runs, SIGINT and SIGTERM stop it as closing the dialog would, so the
// end is said and the status tells. The handler only writes a byte to a pipe; the event
// loop does the rest.
class StopOnSignals {
 public:
  explicit StopOnSignals(LoaderSession& session) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    writeEnd_ = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &session, [&session, this] {
      char drain[16];
      while (::read(pipe_[0], drain, sizeof drain) > 0) {
      }
      session.StopDownload();
    });
    struct sigaction action {};
    action.sa_handler = [](int) {
      const char byte = 1;
      [[maybe_unused]] const ssize_t n = ::write(writeEnd_, &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &oldInt_);
    ::sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~StopOnSignals() {
    if (!notifier_) return;
    ::sigaction(SIGINT, &oldInt_, nullptr);
    ::sigaction(SIGTERM, &oldTerm_, nullptr);
    writeEnd_ = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
  }
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;

 private:
  static inline volatile std::sig_atomic_t writeEnd_ = -1;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
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
  const StopOnSignals stopOnSignals(session);
  session.StartDownload();
  loop.exec();

  const QString end = session.EndMessage();
  if (!end.isEmpty()) std::fprintf(err, "%s\n", end.toLocal8Bit().constData());
  return session.ExitStatus();
}

}  // namespace v72
