// The sample packs in resources/lang, copied as UILANG.lng beside the program.

#include <gtest/gtest.h>

#include <ostream>

#include <QFile>
#include <QTemporaryDir>

#include "Language.h"
#include "PackFixture.h"

using namespace v72;

namespace {

enum class Encoding { Utf16LeBom, Utf8NoBom, Latin1 };

struct SampleCase {
  const char* file;
  std::uint16_t id;
  QString face;
  int size;
  Encoding encoding;
  int number;               // one text checked word for word
  std::u16string text;
  friend void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.file; }
};

class SamplePackTest : public ::testing::TestWithParam<SampleCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    source = QStringLiteral(V72_LANG_SAMPLES_DIR "/") + QString::fromLatin1(GetParam().file);
    ASSERT_TRUE(QFile::copy(source, dir.filePath(QStringLiteral("UILANG.lng")))) << source.toStdString();
    ASSERT_TRUE(SetUpLanguage(state, fixture::SourcesFor(dir.path())));
  }
  QTemporaryDir dir;
  QString source;
  LanguageState state;
};

TEST_P(SamplePackTest, IsInItsOwnEncoding) {
  QFile f(source);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  const bool validUtf8 = QString::fromUtf8(bytes).toUtf8() == bytes;
  switch (GetParam().encoding) {
    case Encoding::Utf16LeBom: EXPECT_TRUE(bytes.startsWith("\xFF\xFE")); break;
    case Encoding::Utf8NoBom: EXPECT_TRUE(validUtf8 && !bytes.startsWith("\xEF\xBB\xBF")); break;
    case Encoding::Latin1: EXPECT_FALSE(validUtf8); break;
  }
}

TEST_P(SamplePackTest, HasEveryNumberAndItsFont) {
  std::u16string text;
  ASSERT_TRUE(LookupText(state, LanguageIdNumber, text));
  EXPECT_EQ(ParseLanguageId(text), GetParam().id);
  for (const TextNumber& n : TextNumbers()) EXPECT_TRUE(LookupText(state, n.number, text)) << n.number;
  EXPECT_TRUE(LookupText(state, GetParam().number, text));
  EXPECT_EQ(QString::fromStdU16String(text), QString::fromStdU16String(GetParam().text));
  EXPECT_EQ(state.UiFont.family(), GetParam().face);
  EXPECT_EQ(state.UiFont.pointSize(), GetParam().size);
  EXPECT_EQ(state.HintFont, state.UiFont);
  FillMessageTexts(state);
  for (const std::u16string& m : state.MessageTexts) EXPECT_FALSE(m.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SamplePackTest,
    ::testing::Values(
        SampleCase{"German-1031.lng", 1031, QStringLiteral("Arial"), 8, Encoding::Utf8NoBom, 28, u"L\u00F6schen"},
        SampleCase{"French-1036.lng", 1036, QStringLiteral("Arial"), 8, Encoding::Latin1, 25,
                   u"\u00C9diteur de macro"},
        SampleCase{"Japanese-1041.lng", 1041, QStringLiteral("MS PGothic"), 9, Encoding::Utf16LeBom, 53,
                   u"\u8B66\u544A"}));

}  // namespace
