// The loader dialog in-process, with a prompt that records every box instead of showing it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

#include "LoaderOptions.h"
#include "ProfileFixture.h"
#include "Prompt.h"
#include "QtPrinters.h"
#include "TestApplication.h"
#include "V72LdrCtl.h"

using namespace v72;

namespace {

struct Box {
  QString title;
  QString text;
};

class RecordingPrompt : public Prompt {
 public:
  void Message(QWidget*, const QString& title, const QString& text) override { boxes.push_back({title, text}); }
  bool Question(QWidget*, const QString&, const QString&) override { return true; }
  void Beep() override {}
  std::vector<Box> boxes;
};

class LoaderDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override { ASSERT_TRUE(fixture::ProfileBytes().writeTo(dir.filePath("p.V72"))); }

  // Creates the dialog (which registers with the transfer library), posts the command line
  // and runs until the dialog says the program should end.
  int Open(const QString& keypad, const QStringList& args, const std::function<void(TV72CmdLdrDlg&)>& during = {}) {
    qputenv("V72_KEYPAD", keypad.toLocal8Bit());
    dialog = std::make_unique<TV72CmdLdrDlg>(session, prompt);
    int status = -1;
    QEventLoop loop;
    QObject::connect(dialog.get(), &TV72CmdLdrDlg::Done, &loop, [&](int s) {
      status = s;
      loop.quit();
    });
    dialog->show();
    QCoreApplication::postEvent(dialog.get(), new OpenProfileEvent(QStringList{"V72CmdLoader"} + args));
    if (during) QTimer::singleShot(500, dialog.get(), [&] { during(*dialog); });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return status;
  }
  QByteArray Log() const { return fixture::readAll(dir.filePath("reports.bin")); }

  QTemporaryDir dir;
  LoaderSession session;
  RecordingPrompt prompt;
  std::unique_ptr<TV72CmdLdrDlg> dialog;
};

}  // namespace

TEST_F(LoaderDialog, HasTheControlsTheLoaderNeeds) {
  qputenv("V72_KEYPAD", ("sim:" + dir.filePath("k.bin")).toLocal8Bit());
  TV72CmdLdrDlg d(session, prompt);
  EXPECT_EQ(d.windowTitle(), "Veltrain 712 Loader");
  EXPECT_EQ(d.size(), QSize(295, 93));
  for (const char* name : {"bsSkinGauge1", "CheckBox1", "TntEdit1", "ListBox1", "Panel1"})
    EXPECT_NE(d.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_TRUE(d.CheckBox1->isChecked());
  EXPECT_TRUE(d.CheckBox1->isHidden());
  EXPECT_TRUE(d.TntEdit1->isHidden());
  EXPECT_TRUE(d.ListBox1->isHidden());
  EXPECT_TRUE(d.TargetLabel->text().contains(dir.filePath("k.bin")));
}

struct RefusedCase {
  const char* name;
  const char* keypad;   // "@" stands for the temporary folder
  const char* file;
  int status;
  const char* text;
  friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class LoaderDialogRefuses : public LoaderDialog, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(LoaderDialogRefuses, ShowsOneBoxTitledWithTheApplicationAndSendsNothing) {
  QFile junk(dir.filePath("junk.V72"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(".\0V\0007\0", 6);   // the magic cut short
  junk.close();

  const QString keypad = QString(GetParam().keypad).replace("@", dir.path());
  EXPECT_EQ(Open(keypad, {dir.filePath(GetParam().file)}), GetParam().status);
  ASSERT_EQ(prompt.boxes.size(), 1u);
  EXPECT_EQ(prompt.boxes[0].title, "Veltrain 712 Loading...");
  EXPECT_TRUE(prompt.boxes[0].text.startsWith(GetParam().text)) << prompt.boxes[0].text.toStdString();
  EXPECT_EQ(Log(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderDialogRefuses,
    ::testing::Values(RefusedCase{"missing", "log:@/reports.bin", "none.V72", ExitRefusedFile, ".V72 File open for read failed"},
                      RefusedCase{"not_a_profile", "log:@/reports.bin", "junk.V72", ExitRefusedFile, "Unsupported file"},
                      RefusedCase{"bad_keypad", "serial", "p.V72", ExitTransport, "V72_KEYPAD=\"serial\" is not understood"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderDialog, NoArgumentEndsSilently) {
  EXPECT_EQ(Open("log:" + dir.filePath("reports.bin"), {}), ExitNoArgument);
  EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(LoaderDialog, ClosingDuringTheDownloadStopsIt) {
  const int status = Open("log:" + dir.filePath("reports.bin"), {dir.filePath("p.V72")}, [](TV72CmdLdrDlg& d) { d.close(); });
  EXPECT_EQ(status, ExitIncomplete);
  EXPECT_TRUE(prompt.boxes.empty());   // the user chose to stop
  const qsizetype sent = Log().size();
  EXPECT_GT(sent, 0);
  EXPECT_LT(sent, 135 * 7);
  QTest::qWait(300);
  EXPECT_EQ(Log().size(), sent);   // nothing after the close
}

TEST_F(LoaderDialog, LostReportsAreSaidAtTheEnd) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "needs /dev/full";
  EXPECT_EQ(Open("log:/dev/full", {dir.filePath("p.V72")}), ExitIncomplete);
  ASSERT_EQ(prompt.boxes.size(), 1u);
  EXPECT_EQ(prompt.boxes[0].text, "135 of 135 reports were not delivered to the keypad");
  EXPECT_EQ(dialog->bsSkinGauge1->value(), 270);
  EXPECT_EQ(dialog->bsSkinGauge1->maximum(), 270);
}
