#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Language.h"
#include "PackFixture.h"
#include "SystemPaths.h"

using namespace v72;
using fixture::Bytes;
using fixture::Raw;
using fixture::Utf16LeBom;

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// ---- The program folder from the open command of profile files.

struct FolderCase {
  const char* name;
  std::optional<std::u16string> command;
  std::u16string folder;
  friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramDirectoryTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramDirectoryTest, FollowsTheQuoteAndSlashRule) {
  EXPECT_EQ(Q(ProgramDirectoryFrom(GetParam().command, u"/current/dir")), Q(GetParam().folder));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ProgramDirectoryTest,
    ::testing::Values(
        FolderCase{"quoted", u"\"/opt/v72/bin/KeyCfgTool\" \"%1\"", u"/opt/v72/bin"},
        FolderCase{"quoted_with_blanks", u"\"/home/a b/c d/KeyCfgTool\" \"%1\"", u"/home/a b/c d"},
        FolderCase{"quoted_after_a_word", u"env \"/x/y/KeyCfgTool\" --open \"/z/%1\"", u"/x/y"},
        FolderCase{"unquoted", u"/usr/bin/KeyCfgTool %1", u"/usr/bin"},
        FolderCase{"unquoted_argument_with_slash", u"/usr/bin/KeyCfgTool --from /tmp/%1",
                   u"/usr/bin/KeyCfgTool --from /tmp"},
        FolderCase{"one_quote_only", u"\"/usr/bin/KeyCfgTool %1", u""},
        FolderCase{"empty_quotes", u"\"\" /usr/bin/KeyCfgTool", u""},
        FolderCase{"no_slash", u"KeyCfgTool %1", u""},
        FolderCase{"program_at_root", u"\"/KeyCfgTool\" \"%1\"", u""},
        FolderCase{"backslashes_are_no_separators", u"\"C:\\Tools\\KeyCfgTool.exe\" \"%1\"", u""},
        FolderCase{"empty_command", u"", u""},
        FolderCase{"no_command", std::nullopt, u"/current/dir"}));

TEST(ProgramDirectory, SystemSourcesNameTheRunningProgramsFolder) {
  const LanguageSources sources = SystemLanguageSources();
  ASSERT_TRUE(sources.OpenCommand.has_value());
  EXPECT_EQ(Q(ProgramDirectoryFrom(sources.OpenCommand, sources.CurrentDirectory)),
            paths::FolderOf(paths::ExecutablePath()));
}

// ---- The language id in the text of number 0.

struct IdCase {
  const char* name;
  std::u16string text;
  std::uint16_t id;
  friend void PrintTo(const IdCase& c, std::ostream* os) { *os << c.name; }
};

class LanguageIdTest : public ::testing::TestWithParam<IdCase> {};

TEST_P(LanguageIdTest, ReadsASignedDecimalCutTo16Bits) {
  EXPECT_EQ(ParseLanguageId(GetParam().text), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LanguageIdTest,
    ::testing::Values(
        IdCase{"plain", u"1041", 1041},
        IdCase{"leading_blanks", u" \t 1041", 1041},
        IdCase{"plus", u"+1041", 1041},
        IdCase{"minus", u"-1", 0xFFFF},
        IdCase{"minus_id", u"-64495", 1041},
        IdCase{"blank_after_sign", u"- 5", 0},
        IdCase{"trailing_junk", u"1041abc", 1041},
        IdCase{"thousands_separator", u"1,041", 1},
        IdCase{"hex_is_not_read", u"0x411", 0},
        IdCase{"junk", u"Japanese", 0},
        IdCase{"empty", u"", 0},
        IdCase{"above_16_bits", u"65537", 1},
        IdCase{"65536_plus_1041", u"66577", 1041},
        IdCase{"far_above_32_bits", u"65536000000000000001041", 1041}));

// ---- Set-up against a folder holding (or not) UILANG.lng.

class LanguageSetUpTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString packPath() const { return dir.filePath(QStringLiteral("UILANG.lng")); }
  bool writePack(const Bytes& bytes) const { return fixture::WriteFile(packPath(), bytes); }
  bool setUp() { return SetUpLanguage(state, fixture::SourcesFor(dir.path())); }

  void expectNoPack() const {
    EXPECT_FALSE(state.LanguageLoaded);
    EXPECT_TRUE(state.LanguageFilePath.empty());
    EXPECT_EQ(state.UiFont.family(), QStringLiteral("Arial"));
    EXPECT_EQ(state.UiFont.pointSize(), 8);
    EXPECT_EQ(state.UiCharset, 1);
    EXPECT_EQ(state.HintFont, state.UiFont);
    std::u16string text = u"stale";
    EXPECT_FALSE(LookupText(state, 0, text));
    EXPECT_TRUE(text.empty());
  }

  QTemporaryDir dir;
  LanguageState state;
};

TEST_F(LanguageSetUpTest, FindsThePackInTheProgramFolder) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n0=1031\n1=&Datei\n")));
  EXPECT_TRUE(setUp());
  EXPECT_TRUE(state.LanguageLoaded);
  EXPECT_EQ(Q(state.ProgramDirectory), dir.path());
  EXPECT_EQ(Q(state.LanguageFilePath), packPath());
  std::u16string text;
  EXPECT_TRUE(LookupText(state, 1, text));
  EXPECT_EQ(text, u"&Datei");
}

TEST_F(LanguageSetUpTest, WithoutACommandLooksInTheCurrentDirectory) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n1=a\n")));
  LanguageSources sources;
  sources.CurrentDirectory = dir.path().toStdU16String();
  EXPECT_TRUE(SetUpLanguage(state, sources));
  EXPECT_EQ(Q(state.LanguageFilePath), packPath());
}

TEST_F(LanguageSetUpTest, MissingPackKeepsBuiltInTextsAndArial) {
  EXPECT_FALSE(setUp());
  expectNoPack();
  EXPECT_EQ(Q(state.ProgramDirectory), dir.path());
  EXPECT_EQ(Q(MessageText(state, 56)), QStringLiteral("press"));
  EXPECT_EQ(Q(MessageText(state, 49)), QStringLiteral("Normal"));
  int calls = 0;
  ForEachFormText(state, "TForm1", [&calls](const FormText&, const std::u16string&) { ++calls; });
  EXPECT_EQ(calls, 0);
}

TEST_F(LanguageSetUpTest, TheNameIsExact) {
  ASSERT_TRUE(fixture::WriteFile(dir.filePath(QStringLiteral("uilang.lng")), Raw("[LNG]\n1=a\n")));
  EXPECT_FALSE(setUp());
}

TEST_F(LanguageSetUpTest, LookupsNeverTouchTheDiskAgain) {
  ASSERT_TRUE(writePack(Utf16LeBom(u"[LNG]\r\n22=\u8A18\u9332\r\n")));
  ASSERT_TRUE(setUp());
  ASSERT_TRUE(QFile::remove(packPath()));
  std::u16string text;
  EXPECT_TRUE(LookupText(state, 22, text));
  EXPECT_EQ(text, u"\u8A18\u9332");
}

TEST_F(LanguageSetUpTest, ASecondSetUpForgetsThePack) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n0=1041\n1=a\n")));
  ASSERT_TRUE(setUp());
  ASSERT_TRUE(QFile::remove(packPath()));
  EXPECT_FALSE(setUp());
  expectNoPack();
}

// A pack with only its language id: fonts follow it, every text is missing.
TEST_F(LanguageSetUpTest, PackWithOnlyTheLanguageId) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n0=1041\n")));
  ASSERT_TRUE(setUp());
  EXPECT_EQ(state.UiFont.family(), QStringLiteral("MS PGothic"));
  state.MessageTexts.fill(u"stale");
  FillMessageTexts(state);
  for (const std::u16string& t : state.MessageTexts) EXPECT_TRUE(t.empty());
  EXPECT_TRUE(MessageText(state, 49).empty());
  for (std::string_view form : FormNames()) {
    ForEachFormText(state, form, [](const FormText& e, const std::u16string&) { ADD_FAILURE() << e.number; });
  }
}

TEST_F(LanguageSetUpTest, MessageTextsFollowTheirOrder) {
  std::string pack = "[LNG]\n";
  for (int n = 1; n <= 102; ++n) {
    if (n != 41) pack += std::to_string(n) + "=T" + std::to_string(n) + "\n";
  }
  ASSERT_TRUE(writePack(Raw(pack)));
  ASSERT_TRUE(setUp());
  state.MessageTexts.fill(u"stale");
  FillMessageTexts(state);
  const std::array<std::u16string, 16> expected = {u"T21", u"T22", u"T39", u"T18", u"",    u"T34", u"T35", u"T49",
                                                   u"T50", u"T51", u"T52", u"T53", u"T54", u"T55", u"T56", u"T57"};
  EXPECT_EQ(state.MessageTexts, expected);
  EXPECT_EQ(Q(MessageText(state, 53)), QStringLiteral("T53"));
  EXPECT_TRUE(MessageText(state, 41).empty());   // missing with a pack: empty, not built-in
}

TEST_F(LanguageSetUpTest, FormTextsComeInListOrderAndSkipMissingNumbers) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n16=Einzeltaste\n22=Aufnahme\n24=Abbrechen\n")));
  ASSERT_TRUE(setUp());
  std::vector<std::pair<std::string, std::u16string>> applied;
  ForEachFormText(state, "TRecSingleDlg", [&applied](const FormText& e, const std::u16string& text) {
    applied.emplace_back(std::string(e.control), text);
  });
  const std::vector<std::pair<std::string, std::u16string>> expected = {
      {"", u"Einzeltaste"}, {"TntBitBtn1", u"Aufnahme"}, {"TntBitBtn3", u"Abbrechen"}};
  EXPECT_EQ(applied, expected);
  int calls = 0;
  ForEachFormText(state, "NoSuchForm", [&calls](const FormText&, const std::u16string&) { ++calls; });
  EXPECT_EQ(calls, 0);
}

TEST_F(LanguageSetUpTest, LookupOfNumbersNoKeyCanHold) {
  ASSERT_TRUE(writePack(Raw("[LNG]\n1=a\n999999999=max\n")));
  ASSERT_TRUE(setUp());
  std::u16string text;
  EXPECT_FALSE(LookupText(state, -1, text));
  EXPECT_FALSE(LookupText(state, 1000000000, text));
  EXPECT_TRUE(LookupText(state, 999999999, text));
}

// ---- A pack that cannot be read or is not text counts as no pack.

struct BrokenCase {
  const char* name;
  Bytes bytes;   // empty: a folder named UILANG.lng
  friend void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }
};

class BrokenPackTest : public LanguageSetUpTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenPackTest, CountsAsNoPack) {
  if (GetParam().bytes.empty()) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("UILANG.lng")));
  } else {
    ASSERT_TRUE(writePack(GetParam().bytes));
  }
  EXPECT_FALSE(setUp());
  expectNoPack();
}

Bytes Truncated(Bytes b) {
  b.pop_back();
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Packs, BrokenPackTest,
    ::testing::Values(
        BrokenCase{"folder_of_that_name", {}},
        BrokenCase{"truncated_utf16", Truncated(Utf16LeBom(u"[LNG]\r\n0=1041\r\n1=x"))},
        BrokenCase{"invalid_utf8", Raw("[LNG]\n0=1041\n1=\xE6\x97(\n", true)},
        BrokenCase{"binary", Bytes{'[', 'L', 'N', 'G', ']', '\n', '0', '=', '1', '0', '4', '1', '\n', 0, 0, 0, 7}}));

// ---- The font of each language id, for UiFont and the tool-tip font alike.

struct FontCase {
  const char* name;
  std::optional<std::string> idValue;   // the line "0=..." of the pack; none: no such line
  QString face;
  int charset;
  int size;
  QFontDatabase::WritingSystem writing;
  friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }
};

class LanguageFontTest : public LanguageSetUpTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(LanguageFontTest, FollowsTheLanguageId) {
  const FontCase& c = GetParam();
  ASSERT_TRUE(writePack(Raw("[LNG]\n" + (c.idValue ? "0=" + *c.idValue + "\n" : std::string()) + "1=x\n")));
  ASSERT_TRUE(setUp());
  EXPECT_EQ(state.UiFont.family(), c.face);
  EXPECT_EQ(state.UiFont.pointSize(), c.size);
  EXPECT_EQ(state.UiCharset, c.charset);
  EXPECT_EQ(WritingSystemOf(state.UiCharset), c.writing);
  EXPECT_EQ(state.HintFont, state.UiFont);
}

const QString Big5Face = QString::fromUtf16(u"\u65B0\u7D30\u660E\u9AD4");
const QString Arial = QStringLiteral("Arial");

INSTANTIATE_TEST_SUITE_P(
    Ids, LanguageFontTest,
    ::testing::Values(
        FontCase{"zh_tw_1028", "1028", Big5Face, 136, 10, QFontDatabase::TraditionalChinese},
        FontCase{"zh_hk_3076", "3076", Big5Face, 136, 10, QFontDatabase::TraditionalChinese},
        FontCase{"zh_sg_4100", "4100", Big5Face, 136, 10, QFontDatabase::TraditionalChinese},
        FontCase{"zh_mo_5124", "5124", Big5Face, 136, 10, QFontDatabase::TraditionalChinese},
        FontCase{"zh_cn_2052", "2052", QStringLiteral("SimSun-18030"), 134, 9, QFontDatabase::SimplifiedChinese},
        FontCase{"ja_1041", "1041", QStringLiteral("MS PGothic"), 128, 9, QFontDatabase::Japanese},
        FontCase{"ja_66577", "66577", QStringLiteral("MS PGothic"), 128, 9, QFontDatabase::Japanese},
        FontCase{"ko_1042", "1042", QStringLiteral("Dotum"), 129, 9, QFontDatabase::Korean},
        FontCase{"en_1033", "1033", Arial, 1, 8, QFontDatabase::Any},
        FontCase{"tr_1055", "1055", Arial, 1, 8, QFontDatabase::Any},
        FontCase{"ja_neighbour_1040", "1040", Arial, 1, 8, QFontDatabase::Any},
        FontCase{"junk_is_id_0", "Japanese", Arial, 1, 8, QFontDatabase::Any},
        FontCase{"empty_is_missing", "", Arial, 1, 8, QFontDatabase::Any},
        FontCase{"missing_is_1033", std::nullopt, Arial, 1, 8, QFontDatabase::Any}));

// ---- The lists of the forms follow the lookup order each form is given.

TEST(TextTable, FormListsFollowTheLookupOrder) {
  const std::vector<std::pair<std::string_view, std::vector<int>>> orders = {
      {"TForm1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20}},
      {"TRecDlg", {25, 22, 23, 26, 27, 28, 29, 36, 37, 38, 100, 101}},
      {"TAboutBox", {13, 102}},
      {"TSelMSBtnDlg", {42, 43, 44, 45, 23, 24}},
      {"TRecSingleDlg", {16, 22, 23, 24}},
      {"TMacroMngDlg", {30, 31, 32, 17, 40, 33}},
      {"TLoadingDlg", {58}},
  };
  ASSERT_EQ(FormNames().size(), orders.size());
  for (std::size_t i = 0; i < orders.size(); ++i) {
    EXPECT_EQ(FormNames()[i], orders[i].first);
    std::vector<int> numbers;
    for (const FormText& e : FormTexts(orders[i].first)) {
      if (numbers.empty() || numbers.back() != e.number) numbers.push_back(e.number);
      EXPECT_EQ(e.control.empty(), e.target == TextTarget::FormCaption) << orders[i].first << " " << e.number;
    }
    EXPECT_EQ(numbers, orders[i].second) << orders[i].first;
  }
}

}  // namespace
