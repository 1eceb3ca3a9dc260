// V72CmdLoader: downloads the profile named last on the command line, then exits.

#include <csignal>
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCoreApplication>

#include "LoaderOptions.h"
#include "LoaderSession.h"
#include "PrintCommand.h"
#include "Prompt.h"
#include "TerminalLoader.h"
#include "V72LdrCtl.h"

int main(int argc, char** argv) {
  // A report log may be a FIFO whose reader goes away: that is a lost report, not a crash.
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication::setApplicationName(QStringLiteral("V72CmdLoader"));
  QCoreApplication::setApplicationVersion(QStringLiteral(V72_VERSION));

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  v72::LoaderOptions options;
  QString error;
  const bool parsed = v72::ParseLoaderOptions(arguments, options, error);

  const bool gui = parsed && !options.noGui && !options.help && !options.version && !options.print &&
                   !options.printKeypad && v72::HaveDisplay();
  std::unique_ptr<QCoreApplication> app =
      gui ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);

  if (!parsed) {
    std::fprintf(stderr, "%s\nTry 'V72CmdLoader --help'.\n", error.toLocal8Bit().constData());
    return v72::ExitUsage;
  }
  if (options.help) {
    std::fputs(v72::LoaderHelpText().toLocal8Bit().constData(), stdout);
    return v72::ExitOk;
  }
  if (options.version) {
    std::printf("V72CmdLoader %s\n", V72_VERSION);
    return v72::ExitOk;
  }
  if (options.print) return v72::RunPrintCommand(options, stdout, stderr);
  if (options.printKeypad) return v72::RunPrintKeypadCommand(options, stdout, stderr);

  v72::LoaderSession session;
  if (!session.AcquireInstanceLock()) {
    // Another loader is downloading; this one loads nothing (and says nothing in a window).
    if (!gui) std::fprintf(stderr, "Another V72CmdLoader is running; nothing was loaded.\n");
    return v72::ExitAlreadyRunning;
  }

  if (!gui) return v72::RunTerminalLoader(options, session, stderr);

  v72::QtPrompt prompt;
  v72::TV72CmdLdrDlg dialog(session, prompt);
  int status = v72::ExitOk;
  QObject::connect(&dialog, &v72::TV72CmdLdrDlg::Done, app.get(), [&](int s) {
    status = s;
    QCoreApplication::exit(s);
  });
  dialog.show();
  // The program name first, then the arguments that are not options: the last is the profile.
  QCoreApplication::postEvent(&dialog, new v72::OpenProfileEvent(QStringList{arguments.first()} + options.files));
  app->exec();
  return status;
}
