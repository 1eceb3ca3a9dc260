// V72CmdLoader: downloads the profile named last on the command line, then exits.

#include <cstdio>

#include <QCoreApplication>

#include "LoaderOptions.h"
#include "PrintCommand.h"

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("V72CmdLoader"));
  QCoreApplication::setApplicationVersion(QStringLiteral(V72_VERSION));

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  v72::LoaderOptions options;
  QString error;
  const bool parsed = v72::ParseLoaderOptions(arguments, options, error);

  QCoreApplication app(argc, argv);
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

  std::fprintf(stderr, "Downloading is not available in this build yet; use --print.\n");
  return v72::ExitUsage;
}
