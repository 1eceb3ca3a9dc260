#include <gtest/gtest.h>

#include <cstdio>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "PrintCommand.h"
#include "ProfileFixture.h"
#include "QtPrinters.h"

using namespace v72;
using fixture::ProfileBytes;

namespace {

// Key 3 of mode 1 holds a two-event macro with a trailing empty slot before a stray event.
ProfileBytes Fixture() {
  ProfileBytes f(2);
  std::vector<std::uint8_t> a(34, 0);
  a[0] = 18, a[1] = 0x05, a[2] = 18, a[3] = 0xC2, a[6] = 0x00, a[7] = 0x80;   // slot 3 is 00 80
  a[32] = 0xA1, a[33] = 15;
  f.action(15 + 2, a).code(15 + 2, 11).displayText(15 + 2, u"Dash \"\u00e9\" \\ \u0001 \U0001F600");
  f.name(0, u"Reload").name(1, u"Dash");
  std::vector<std::uint8_t> body(34, 0xAB);
  f.body(1, body);
  return f;
}

struct Captured {
  int status;
  QByteArray out;
  QByteArray err;
};

Captured RunPrint(const LoaderOptions& options) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunPrintCommand(options, out, err);
  auto slurp = [](std::FILE* f) {
    QByteArray b;
    std::rewind(f);
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) b.append(buf, static_cast<qsizetype>(n));
    std::fclose(f);
    return b;
  };
  return {status, slurp(out), slurp(err)};
}

}  // namespace

TEST(PrintJson, ShowsEveryFieldOfTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.V72");
  ASSERT_TRUE(Fixture().writeTo(path));
  LoaderOptions o;
  o.print = o.json = true;
  o.files = {dir.filePath("ignored.V72"), path};   // the last one counts
  const Captured c = RunPrint(o);
  ASSERT_EQ(c.status, 0) << c.err.toStdString();
  EXPECT_FALSE(c.out.contains(": ")) << "no spaces after separators";

  QJsonParseError error{};
  const QJsonObject root = QJsonDocument::fromJson(c.out, &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << c.out.toStdString();
  EXPECT_EQ(root["macro_count"].toInt(), 2);
  const QJsonArray modes = root["modes"].toArray();
  ASSERT_EQ(modes.size(), 3);
  for (const auto& mode : modes) ASSERT_EQ(mode.toArray().size(), 15);

  const QJsonObject key = modes[1].toArray()[2].toObject();
  EXPECT_EQ(key["key"].toInt(), 3);
  EXPECT_EQ(key["assign_code"].toInt(), 11);
  EXPECT_EQ(key["display_text"].toString(), QString::fromUtf16(u"Dash \"\u00e9\" \\ \u0001 \U0001F600"));
  EXPECT_EQ(key["bytes"].toString(), "120512c200000080" + QString(48, '0') + "a10f");
  EXPECT_EQ(key["kind"].toInt(), 0xA1);
  EXPECT_EQ(key["interval"].toInt(), 15);
  const QJsonArray events = key["events"].toArray();
  ASSERT_EQ(events.size(), 4);   // up to the last slot that is not 00 00
  EXPECT_EQ(events[0].toObject()["code"].toInt(), 18);
  EXPECT_FALSE(events[0].toObject()["release"].toBool());
  EXPECT_EQ(events[0].toObject()["delay"].toInt(), 5);
  EXPECT_TRUE(events[1].toObject()["release"].toBool());
  EXPECT_TRUE(events[1].toObject()["last"].toBool());
  EXPECT_EQ(events[1].toObject()["delay"].toInt(), 2);
  EXPECT_EQ(events[2].toObject()["code"].toInt(), 0);
  EXPECT_TRUE(events[3].toObject()["release"].toBool());

  const QJsonObject untouched = modes[0].toArray()[0].toObject();
  EXPECT_EQ(untouched["display_text"].toString(), "Normal");
  EXPECT_TRUE(untouched["events"].toArray().isEmpty());

  const QJsonArray macros = root["macros"].toArray();
  ASSERT_EQ(macros.size(), 2);
  EXPECT_EQ(macros[0].toObject()["name"].toString(), "Reload");
  EXPECT_EQ(macros[1].toObject()["bytes"].toString(), QString("ab").repeated(34));
}

TEST(PrintJson, LoneSurrogatesSurviveAsEscapes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.V72");
  ASSERT_TRUE(ProfileBytes().displayText(0, u"a\xD800z").writeTo(path));
  LoaderOptions o;
  o.print = o.json = true;
  o.files = {path};
  const Captured c = RunPrint(o);
  EXPECT_TRUE(c.out.contains(R"("display_text":"a\ud800z")")) << c.out.left(300).toStdString();
}

struct FailureCase {
  const char* name;
  bool writeFile;
  QByteArray bytes;
  int status;
  const char* message;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class PrintRefused : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PrintRefused, SaysWhyOnStandardErrorAndPrintsNothing) {
  QTemporaryDir dir;
  LoaderOptions o;
  o.print = true;
  if (GetParam().writeFile) {
    QFile f(dir.filePath("x.V72"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(GetParam().bytes);
  }
  if (GetParam().status != ExitNoArgument) o.files = {dir.filePath("x.V72")};
  const Captured c = RunPrint(o);
  EXPECT_EQ(c.status, GetParam().status);
  EXPECT_EQ(c.err, QByteArray(GetParam().message) + "\n");
  EXPECT_TRUE(c.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintRefused,
    ::testing::Values(FailureCase{"missing", false, {}, ExitRefusedFile, ".V72 File open for read failed"},
                      FailureCase{"not_a_profile", true, "hello", ExitRefusedFile, "Unsupported file"},
                      FailureCase{"truncated", true, ProfileBytes().qbytes().left(20000), ExitRefusedFile,
                                  "Unsupported file"},
                      FailureCase{"no_file_given", false, {}, ExitNoArgument, "No profile file given."}),
    [](const auto& info) { return std::string(info.param.name); });

// The built program: options in any order, help, and a bad option.
class LoaderCommandLine : public ::testing::Test {
 protected:
  Captured Run(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(V72_TEST_BIN_DIR "/V72CmdLoader"), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
  }
  QTemporaryDir dir;
};

TEST_F(LoaderCommandLine, OptionsInAnyOrder) {
  const QString path = dir.filePath("p.V72");
  ASSERT_TRUE(Fixture().writeTo(path));
  const Captured a = Run({"--print", "--json", path});
  const Captured b = Run({path, "--json", "--print"});
  ASSERT_EQ(a.status, 0) << a.err.toStdString();
  EXPECT_EQ(a.out, b.out);
  EXPECT_TRUE(a.out.startsWith("{\"macro_count\":2,\"modes\":[[{\"key\":1,"));
  const Captured text = Run({"--print", path});
  EXPECT_TRUE(text.out.contains("Dash")) << text.out.toStdString();
}

TEST_F(LoaderCommandLine, HelpListsTheOptionsAndExitStatuses) {
  const Captured c = Run({"--help"});
  EXPECT_EQ(c.status, 0);
  for (const char* word : {"--print", "--json", "--no-gui", "--print-keypad", "--version", "Exit status"})
    EXPECT_TRUE(c.out.contains(word)) << word;
}

TEST_F(LoaderCommandLine, UnknownOptionIsAUsageError) {
  const Captured c = Run({"--frobnicate", "x.V72"});
  EXPECT_EQ(c.status, 1);
  EXPECT_TRUE(c.err.contains("frobnicate"));
  EXPECT_EQ(Run({"--json", "x.V72"}).status, 1);   // --json alone means nothing
}
