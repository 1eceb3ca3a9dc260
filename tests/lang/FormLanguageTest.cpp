// Applying texts and fonts to real widgets found by objectName.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>

#include "FormLanguage.h"
#include "PackFixture.h"
#include "TestApplication.h"

using namespace v72;

namespace {

template <typename T>
T* Named(const char* name, T* object) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

// The controls of TForm1 that the test looks at, with their built-in texts.
struct Form1 {
  QMainWindow window;
  QMenu* file = nullptr;
  QAction* newItem = nullptr;
  QAction* help2 = nullptr;
  QToolButton* newButton = nullptr;
  QToolButton* helpButton = nullptr;
  QPushButton* loading = nullptr;

  Form1() {
    window.setObjectName(QStringLiteral("TForm1"));
    window.setWindowTitle(QStringLiteral("KeyCfgTool"));
    file = Named("File1", window.menuBar()->addMenu(QStringLiteral("&File")));
    newItem = Named("New1", file->addAction(QStringLiteral("&New")));
    QMenu* help = Named("Help1", window.menuBar()->addMenu(QStringLiteral("&Help")));
    help2 = Named("Help2", help->addAction(QStringLiteral("Help")));
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    newButton = Named("ToolButton4", new QToolButton(central));
    newButton->setToolTip(QStringLiteral("New"));
    helpButton = Named("ToolButton7", new QToolButton(central));
    helpButton->setToolTip(QStringLiteral("Help"));
    loading = Named("TSPDBTN_Import", new QPushButton(QStringLiteral("Loading"), central));
  }
};

class FormLanguageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  void loadPack(const fixture::Bytes& bytes) {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(fixture::WriteFile(dir.filePath(QStringLiteral("UILANG.lng")), bytes));
    ASSERT_TRUE(SetUpLanguage(language, fixture::SourcesFor(dir.path())));
  }

  QTemporaryDir dir;
  LanguageState language;
};

TEST_F(FormLanguageTest, MainWindowTakesTheTextsThePackHas) {
  loadPack(fixture::Utf16LeBom(u"[LNG]\r\n0=1041\r\n1=\u30D5\u30A1\u30A4\u30EB(&F)\r\n5=\u65B0\u898F(&N)\r\n15=\u8EE2\u9001\r\n"));
  Form1 form;
  ApplyFormTexts(form.window, "TForm1", language);
  EXPECT_EQ(form.file->title(), QString::fromUtf16(u"\u30D5\u30A1\u30A4\u30EB(&F)"));
  EXPECT_EQ(form.newItem->text(), QString::fromUtf16(u"\u65B0\u898F(&N)"));
  EXPECT_EQ(form.newButton->toolTip(), QString::fromUtf16(u"\u65B0\u898F(&N)"));
  EXPECT_EQ(form.loading->text(), QString::fromUtf16(u"\u8EE2\u9001"));
  // Number 4 is missing: its controls keep their built-in texts.
  EXPECT_EQ(form.help2->text(), QStringLiteral("Help"));
  EXPECT_EQ(form.helpButton->toolTip(), QStringLiteral("Help"));
  EXPECT_EQ(form.window.windowTitle(), QStringLiteral("KeyCfgTool"));
  EXPECT_EQ(form.window.font().family(), QStringLiteral("MS PGothic"));
  EXPECT_EQ(form.loading->font().family(), QStringLiteral("MS PGothic"));
}

TEST_F(FormLanguageTest, DialogCaptionAndLabel) {
  loadPack(fixture::Raw("[LNG]\n13=\xC3\x9C" "ber\n102=Fassung\n"));
  QDialog about;
  about.setWindowTitle(QStringLiteral("About"));
  auto* version = new QLabel(QStringLiteral("Version"), &about);
  version->setObjectName(QStringLiteral("Version"));
  ApplyFormTexts(about, "TAboutBox", language);
  EXPECT_EQ(about.windowTitle(), QString::fromUtf16(u"\u00DCber"));
  EXPECT_EQ(version->text(), QStringLiteral("Fassung"));
}

TEST_F(FormLanguageTest, WithoutAPackNothingChanges) {
  ASSERT_FALSE(SetUpLanguage(language, fixture::SourcesFor(dir.path())));
  Form1 form;
  const QFont before = form.window.font();
  ApplyFormTexts(form.window, "TForm1", language);
  EXPECT_EQ(form.file->title(), QStringLiteral("&File"));
  EXPECT_EQ(form.newButton->toolTip(), QStringLiteral("New"));
  EXPECT_EQ(form.window.font(), before);
  ApplyHintFont(language.HintFont);
  EXPECT_EQ(QToolTip::font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(QToolTip::font().pointSize(), 8);
}

TEST_F(FormLanguageTest, HintFontFollowsThePack) {
  loadPack(fixture::Raw("[LNG]\n0=1042\n"));
  ApplyHintFont(language.HintFont);
  EXPECT_EQ(QToolTip::font().family(), QStringLiteral("Dotum"));
  EXPECT_EQ(QToolTip::font().pointSize(), 9);
}

}  // namespace
