// The built V72CmdLoader from the outside: what it sends, what it says, how it exits.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "ProfileFixture.h"
#include "QtPrinters.h"

using fixture::ProfileBytes;

namespace {

// Keys of mode 0 with distinct bytes; mode 1 key 0 starts with BB CC (it reaches 550-551).
ProfileBytes Profile() {
  ProfileBytes f(1);
  for (int key = 0; key < 15; ++key) {
    std::vector<std::uint8_t> a(34);
    for (int i = 0; i < 34; ++i) a[i] = static_cast<std::uint8_t>(key * 16 + i);
    f.action(key, a);
  }
  f.actionByte(15, 0, 0xBB).actionByte(15, 1, 0xCC);
  return f;
}

class LoaderRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Profile().writeTo(path("p.V72")));
    QDir(dir.path()).mkdir("run");
    QDir(dir.path()).mkdir("state");
  }
  QString path(const QString& name) const { return dir.filePath(name); }

  QProcess* Start(const QString& keypad, const QStringList& args) {
    auto* p = new QProcess;
    processes.emplace_back(p);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", path("run"));
    env.insert("XDG_STATE_HOME", path("state"));
    if (keypad.isNull()) env.remove("V72_KEYPAD");
    else env.insert("V72_KEYPAD", keypad);
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(V72_TEST_BIN_DIR "/V72CmdLoader"), args);
    EXPECT_TRUE(p->waitForStarted());
    return p;
  }
  struct Result {
    int status;
    QByteArray err;
  };
  Result Finish(QProcess* p) {
    EXPECT_TRUE(p->waitForFinished(60000));
    return {p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1, p->readAllStandardError()};
  }
  Result Run(const QString& keypad, const QStringList& args) { return Finish(Start(keypad, args)); }

  void WaitForLock() {
    for (int i = 0; i < 200 && !QFile::exists(path("run/V72CmdLoader.lock")); ++i) QThread::msleep(20);
    ASSERT_TRUE(QFile::exists(path("run/V72CmdLoader.lock")));
  }

  QTemporaryDir dir;
  std::vector<std::unique_ptr<QProcess>> processes;
};

// What a full download leaves in the keypad: each key at its address, and the two bytes
// after keys 6, 13 and 14 (the first two of the next record) in the spare bytes.
QByteArray ExpectedMemory() {
  QByteArray m(768, '\0');
  const auto keyByte = [](int key, int i) { return static_cast<char>(key * 16 + i); };
  for (int key = 0; key < 15; ++key) {
    const int at = key < 7 ? 4 + 34 * key : key < 14 ? 260 + 34 * (key - 7) : 516;
    for (int i = 0; i < 34; ++i) m[at + i] = keyByte(key, i);
  }
  m[242] = keyByte(7, 0), m[243] = keyByte(7, 1);
  m[498] = keyByte(14, 0), m[499] = keyByte(14, 1);
  m[550] = static_cast<char>(0xBB), m[551] = static_cast<char>(0xCC);
  return m;
}

}  // namespace

TEST_F(LoaderRun, DialogWritesTheLastPathIntoTheSimulatedKeypad) {
  const Result r = Run("sim:" + path("keypad.bin"), {path("other.V72"), path("p.V72")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(fixture::readAll(path("keypad.bin")), ExpectedMemory());

  QProcess print;
  print.start(QStringLiteral(V72_TEST_BIN_DIR "/V72CmdLoader"), {"--print-keypad", path("keypad.bin"), "--json"});
  ASSERT_TRUE(print.waitForFinished());
  const QByteArray json = print.readAllStandardOutput();
  EXPECT_TRUE(json.startsWith("{\"memory\":\"" + ExpectedMemory().toHex() + "\",\"keys\":[{\"key\":1,\"address\":4,"))
      << json.left(200).toStdString();
  EXPECT_TRUE(json.contains("{\"key\":15,\"address\":516,\"bytes\":\"" + ExpectedMemory().mid(516, 34).toHex()));
}

TEST_F(LoaderRun, TerminalSendsThe135ReportsInOrder) {
  const Result r = Run("log:" + path("reports.bin"), {"--no-gui", path("p.V72")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("Loading 100%"));
  const QByteArray log = fixture::readAll(path("reports.bin"));
  ASSERT_EQ(log.size(), 135 * 7);
  const QByteArray memory = ExpectedMemory();
  int address = 4;
  for (int n = 0; n < 135; ++n) {
    const QByteArray report = log.mid(n * 7, 7);
    ASSERT_EQ(report[0], 3);
    ASSERT_EQ((static_cast<std::uint8_t>(report[1]) | static_cast<std::uint8_t>(report[2]) << 8), address) << n;
    ASSERT_EQ(report.mid(3), memory.mid(address, 4)) << n;
    address += 4;
    if (n % 9 == 8) address = address - 2 == 242 ? 260 : address - 2 == 498 ? 516 : address - 2;
  }
}

struct QuickCase {
  const char* name;
  const char* keypad;      // null: unset
  QStringList args;        // "@" stands for the temporary folder
  int status;
  const char* says;        // on standard error ("" = nothing in particular)
  friend void PrintTo(const QuickCase& c, std::ostream* os) { *os << c.name; }
};

class LoaderRefuses : public LoaderRun, public ::testing::WithParamInterface<QuickCase> {};

TEST_P(LoaderRefuses, EndsAtOnceWithItsStatusAndSendsNothing) {
  QFile junk(path("junk.V72"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a profile at all");
  junk.close();
  ASSERT_EQ(::mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
  const QByteArray profileBefore = fixture::readAll(path("p.V72"));

  QStringList args;
  for (QString a : GetParam().args) args << a.replace("@", dir.path());
  const QString keypad = GetParam().keypad ? QString(GetParam().keypad).replace("@", dir.path()) : QString();
  const Result r = Run(keypad, args);
  EXPECT_EQ(r.status, GetParam().status) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(GetParam().says)) << r.err.toStdString();
  EXPECT_EQ(fixture::readAll(path("reports.bin")), QByteArray());
  EXPECT_EQ(fixture::readAll(path("p.V72")), profileBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderRefuses,
    ::testing::Values(
        QuickCase{"no_argument_dialog", "log:@/reports.bin", {}, 2, ""},
        QuickCase{"no_argument_terminal", "log:@/reports.bin", {"--no-gui"}, 2, "No profile file given"},
        QuickCase{"missing_file", "log:@/reports.bin", {"--no-gui", "@/none.V72"}, 3, ".V72 File open for read failed"},
        QuickCase{"not_a_profile", "log:@/reports.bin", {"--no-gui", "@/junk.V72"}, 3, "Unsupported file"},
        QuickCase{"profile_is_a_fifo", "log:@/reports.bin", {"--no-gui", "@/fifo"}, 3, ".V72 File open for read failed"},
        QuickCase{"bad_keypad_value", "usb", {"--no-gui", "@/p.V72"}, 5, "sim:PATH"},
        QuickCase{"log_fifo_nobody_reads", "log:@/fifo", {"--no-gui", "@/p.V72"}, 5, "Nothing reads"},
        QuickCase{"sim_on_a_profile", "sim:@/p.V72", {"--no-gui", "@/p.V72"}, 5, "not a keypad memory file"},
        QuickCase{"keypad_cannot_open", "sim:@/p.V72/keypad.bin", {"--no-gui", "@/p.V72"}, 5, "simulated keypad"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderRun, AStaleDisplayMeansTheTerminal) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("WAYLAND_DISPLAY");
  env.insert("DISPLAY", ":987");   // no X server there
  env.insert("XDG_RUNTIME_DIR", path("run"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(V72_TEST_BIN_DIR "/V72CmdLoader"), QStringList{});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 2);   // not an abort: the terminal's "no profile" instead of a window
  EXPECT_TRUE(p.readAllStandardError().contains("No profile file given"));
}

TEST_F(LoaderRun, SecondLoaderEndsAtOnceAndTheFirstCanBeStopped) {
  QProcess* first = Start("sim:" + path("keypad.bin"), {"--no-gui", path("p.V72")});
  WaitForLock();
  const Result second = Run("log:" + path("reports.bin"), {"--no-gui", path("p.V72")});
  EXPECT_EQ(second.status, 4);
  EXPECT_TRUE(second.err.contains("Another V72CmdLoader is running"));
  EXPECT_FALSE(QFile::exists(path("reports.bin")));

  ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
  const Result stopped = Finish(first);
  EXPECT_EQ(stopped.status, 6);
  EXPECT_TRUE(stopped.err.contains("The download was stopped after")) << stopped.err.toStdString();
}

TEST_F(LoaderRun, AKilledLoadersLockDoesNotBlockTheNext) {
  QProcess* first = Start("sim:" + path("keypad.bin"), {"--no-gui", path("p.V72")});
  WaitForLock();
  ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
  Finish(first);
  ASSERT_TRUE(QFile::exists(path("run/V72CmdLoader.lock")));
  // Gets past the lock: refused for its file, not for another loader.
  EXPECT_EQ(Run("sim:" + path("keypad.bin"), {"--no-gui", path("none.V72")}).status, 3);
}

TEST_F(LoaderRun, ReportsTheKeypadDidNotTakeAreCountedAndSaid) {
  // A FIFO whose reader takes 10 reports and goes away: the rest cannot be delivered.
  const QByteArray fifo = path("reports.fifo").toLocal8Bit();
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  std::thread reader([&] {
    const int fd = ::open(fifo.constData(), O_RDONLY);
    char buf[70];
    std::size_t got = 0;
    while (got < sizeof buf) {
      const ssize_t n = ::read(fd, buf + got, sizeof buf - got);
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    ::close(fd);
  });
  const Result r = Run("log:" + path("reports.fifo"), {"--no-gui", path("p.V72")});
  reader.join();
  EXPECT_EQ(r.status, 6);
  EXPECT_TRUE(r.err.contains("125 of 135 reports were not delivered to the keypad")) << r.err.toStdString();
}
