#include "LoaderOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace v72 {

namespace {

void AddOptions(QCommandLineParser& p) {
  p.setApplicationDescription(
      QStringLiteral("Downloads a Veltrain 712 profile (.V72) into the keypad and exits."));
  p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  p.addOption({QStringLiteral("print"), QStringLiteral("Print the profile FILE instead of downloading it.")});
  p.addOption({QStringLiteral("print-keypad"),
               QStringLiteral("Print the key actions held by a simulated keypad's memory file "
                              "(default: the automatic simulated keypad).")});
  p.addOption({QStringLiteral("json"), QStringLiteral("With --print or --print-keypad: print JSON.")});
  p.addOption({QStringLiteral("no-gui"),
               QStringLiteral("Download without a window, progress on standard error "
                              "(automatic when there is no display).")});
  p.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
  p.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version.")});
  p.addPositionalArgument(QStringLiteral("FILE"),
                          QStringLiteral("The profile to download; with several, the last one."),
                          QStringLiteral("[FILE...]"));
}

}  // namespace

bool ParseLoaderOptions(const QStringList& arguments, LoaderOptions& options, QString& error) {
  QCommandLineParser p;
  AddOptions(p);
  if (!p.parse(arguments)) {
    error = p.errorText();
    return false;
  }
  options.print = p.isSet(QStringLiteral("print"));
  options.printKeypad = p.isSet(QStringLiteral("print-keypad"));
  options.json = p.isSet(QStringLiteral("json"));
  options.noGui = p.isSet(QStringLiteral("no-gui"));
  options.help = p.isSet(QStringLiteral("help"));
  options.version = p.isSet(QStringLiteral("version"));
  options.files = p.positionalArguments();
  if (options.print && options.printKeypad) {
    error = QStringLiteral("--print and --print-keypad cannot be used together");
    return false;
  }
  if (options.json && !options.print && !options.printKeypad) {
    error = QStringLiteral("--json goes with --print or --print-keypad");
    return false;
  }
  return true;
}

QString LoaderHelpText() {
  QCommandLineParser p;
  AddOptions(p);
  QString text = p.helpText();
  text += QStringLiteral(
      "\nExit status:\n"
      "  0  every report was delivered (or the print succeeded)\n"
      "  1  bad command line, or the output could not be written\n"
      "  2  no profile file given\n"
      "  3  the file cannot be read or is not a Veltrain 712 profile\n"
      "  4  another loader is running\n"
      "  5  the keypad cannot be opened (see V72_KEYPAD)\n"
      "  6  reports were not delivered, or the download was stopped\n");
  return text;
}

bool HaveDisplay() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return true;
  const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (!wayland.isEmpty()) {
    const QString socket = wayland.startsWith(u'/') ? wayland : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + wayland;
    if (QFileInfo::exists(socket)) return true;
  }
  const QString x = qEnvironmentVariable("DISPLAY");
  if (x.isEmpty()) return false;
  // ":N" and "unix:N" are local: their socket tells whether a server is there. A remote
  // display cannot be told without connecting; trust it.
  static const QRegularExpression local(QStringLiteral("^(unix)?:(\\d+)(\\.\\d+)?$"));
  const QRegularExpressionMatch m = local.match(x);
  return !m.hasMatch() || QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + m.captured(2));
}

}  // namespace v72
