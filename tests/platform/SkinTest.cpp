#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QTemporaryDir>

#include "QtPrinters.h"
#include "SkinApply.h"
#include "SkinData.h"
#include "SystemPaths.h"
#include "TestApplication.h"

using namespace v72;

namespace {
SkinData Parse(const QByteArray& text) {
  return SkinData::Parse(std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                   static_cast<std::size_t>(text.size())));
}
}  // namespace

TEST(SkinData, ReadsSectionsAndKeysAsUsersWriteThem) {
  const SkinData skin = Parse("; look\r\n[Gauge]\r\n  Bar = #2f8cff \r\nbackground=#000\n\n[form]\ntext=white\n"
                              "stray line\n[]\nx=1\n");
  EXPECT_EQ(skin.Value("gauge", "bar"), "#2f8cff");
  EXPECT_EQ(skin.Value("GAUGE", "Background"), "#000");
  EXPECT_EQ(skin.Value("form", "text"), "white");
  EXPECT_EQ(skin.Value("form", "x"), "");   // a key under an unnamed section belongs nowhere
  EXPECT_EQ(skin.Value("panel", "text"), "");
}

TEST(SkinData, BrokenOrMissingFilesGiveThePlainLook) {
  EXPECT_TRUE(Parse("[gauge]\nbar=\xff\xfe\n").Empty());   // not UTF-8
  EXPECT_TRUE(SkinData::Load("/no/such/skin.ini").Empty());
  QTemporaryDir dir;
  EXPECT_TRUE(SkinData::Load(dir.path()).Empty());   // a folder
}

TEST(SkinApply, OnlyWellFormedColoursReachTheStyleSheet) {
  EnsureApplication();
  QWidget form;
  auto* gauge = new QProgressBar(&form);
  gauge->setProperty(SkinDataNameProperty, "gauge");
  ApplySkin(&form, Parse("[gauge]\nbar=#123456\nbackground=red; } QWidget { background: url(/etc/passwd)\n"));
  EXPECT_TRUE(gauge->styleSheet().contains("#123456"));
  EXPECT_FALSE(gauge->styleSheet().contains("passwd"));
}

TEST(SystemPaths, AnswersFromWhereTheProgramIs) {
  EXPECT_EQ(paths::InstallationFolder("/opt/v72/bin/V72CmdLoader"), QString("/opt/v72"));
  EXPECT_EQ(paths::DataDirectory("/opt/v72/bin/V72CmdLoader"), "/opt/v72/share/veltrain712");
  EXPECT_EQ(paths::InstallationFolder("/home/u/tools/V72CmdLoader"), QString("/home/u/tools"));
  EXPECT_EQ(paths::ProfileOpenCommand("/opt/v72/bin/V72CmdLoader"), QString("\"/opt/v72/bin/KeyCfgTool\" \"%1\""));
  EXPECT_FALSE(paths::InstallationFolder(QString()).has_value());
}
