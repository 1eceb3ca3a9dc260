#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "PackFixture.h"
#include "PackReader.h"

using namespace v72;
using fixture::Bytes;
using fixture::Raw;
using fixture::Utf16LeBom;

namespace {

using Expect = std::vector<std::pair<int, std::optional<std::u16string>>>;

struct Case {
  const char* name;
  Bytes bytes;
  Expect texts;   // number -> text, or missing
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

void ExpectTexts(const LanguagePack& pack, const Expect& texts) {
  for (const auto& [number, text] : texts) {
    const std::u16string* found = pack.Find(number);
    if (text) {
      ASSERT_NE(found, nullptr) << "number " << number;
      EXPECT_EQ(QString::fromStdU16String(*found), QString::fromStdU16String(*text)) << "number " << number;
    } else {
      EXPECT_EQ(found, nullptr) << "number " << number;
    }
  }
}

// ---- Encodings: each is told apart and decoded.

class PackEncodingTest : public ::testing::TestWithParam<Case> {};

TEST_P(PackEncodingTest, DecodesTheTexts) {
  const std::optional<LanguagePack> pack = ParseLanguagePack(GetParam().bytes);
  ASSERT_TRUE(pack.has_value());
  ExpectTexts(*pack, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, PackEncodingTest,
    ::testing::Values(
        Case{"utf16le_bom", Utf16LeBom(u"[LNG]\r\n1=\u65E5\u672C\u8A9E\r\n2=\u00C4rger\r\n"),
             {{1, u"\u65E5\u672C\u8A9E"}, {2, u"\u00C4rger"}}},
        Case{"utf16le_bom_pair", Utf16LeBom(u"[LNG]\r\n1=a\U0001D11Eb\r\n"), {{1, u"a\U0001D11Eb"}}},
        Case{"utf8_bom", Raw("[LNG]\n1=L\xC3\xB6schen \xE6\x97\xA5\n", true), {{1, u"L\u00F6schen \u65E5"}}},
        Case{"utf8_plain", Raw("[LNG]\n1=L\xC3\xB6schen \xE6\x97\xA5\n"), {{1, u"L\u00F6schen \u65E5"}}},
        Case{"latin1", Raw("[LNG]\n1=\xC4rger \xE9t\xE9\n2=\xC3(\n"), {{1, u"\u00C4rger \u00E9t\u00E9"}, {2, u"\u00C3("}}},
        Case{"ascii", Raw("[LNG]\n1=File\n"), {{1, u"File"}}},
        Case{"empty_file", Bytes{}, {{0, std::nullopt}, {1, std::nullopt}}},
        Case{"bom_only", Bytes{0xFF, 0xFE}, {{1, std::nullopt}}}));

// ---- Bytes that are not text: no pack at all.

class NotTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(NotTextTest, IsNoPack) { EXPECT_FALSE(ParseLanguagePack(GetParam().bytes).has_value()); }

Bytes WithoutLast(Bytes b) {
  b.pop_back();
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Broken, NotTextTest,
    ::testing::Values(
        Case{"utf16_odd_length", WithoutLast(Utf16LeBom(u"[LNG]\r\n1=a")), {}},
        Case{"utf16_lone_high", Utf16LeBom(u"[LNG]\r\n1=a\xD834 b"), {}},
        Case{"utf16_lone_low", Utf16LeBom(u"[LNG]\r\n1=a\xDD1E"), {}},
        Case{"utf16_high_at_end", Utf16LeBom(u"[LNG]\r\n1=a\xD834"), {}},
        Case{"utf16_zero_unit", Utf16LeBom(std::u16string(u"[LNG]\r\n1=a\0b", 12)), {}},
        Case{"utf16_without_bom", Bytes{'[', 0, 'L', 0, 'N', 0, 'G', 0, ']', 0, '\n', 0, '1', 0, '=', 0, 'a', 0}, {}},
        Case{"utf8_bom_invalid", Raw("[LNG]\n1=\xC3(\n", true), {}},
        Case{"utf8_bom_truncated", Raw("[LNG]\n1=\xE6\x97", true), {}},
        Case{"utf8_bom_overlong", Raw("[LNG]\n1=\xC0\xAF\n", true), {}},
        Case{"eight_bit_zero_byte", Bytes{'[', 'L', 'N', 'G', ']', '\n', '1', '=', 'a', 0, 'b'}, {}},
        Case{"control_character", Raw("[LNG]\n1=a\x01\n"), {}},
        Case{"png_header", Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, {}}));

// ---- The INI layout as users write it.

class PackLayoutTest : public ::testing::TestWithParam<Case> {};

TEST_P(PackLayoutTest, FindsTheTexts) {
  const std::optional<LanguagePack> pack = ParseLanguagePack(GetParam().bytes);
  ASSERT_TRUE(pack.has_value());
  ExpectTexts(*pack, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, PackLayoutTest,
    ::testing::Values(
        Case{"section_name_any_case", Raw("[lng]\n1=a\n"), {{1, u"a"}}},
        Case{"section_name_blanks", Raw("  [ Lng ]  \n1=a\n"), {{1, u"a"}}},
        Case{"other_section_name", Raw("[LNGX]\n1=a\n[XLNG]\n2=b\n"), {{1, std::nullopt}, {2, std::nullopt}}},
        Case{"keys_outside_the_section", Raw("0=1041\n1=a\n[Other]\n2=b\n[LNG]\n3=c\n"),
             {{0, std::nullopt}, {1, std::nullopt}, {2, std::nullopt}, {3, u"c"}}},
        Case{"only_the_first_section", Raw("[LNG]\n1=a\n[Other]\n2=b\n[LNG]\n3=c\n"),
             {{1, u"a"}, {2, std::nullopt}, {3, std::nullopt}}},
        Case{"blanks_around_key_and_value", Raw("[LNG]\n  12 \t=\t Save  As \t\n"), {{12, u"Save  As"}}},
        Case{"crlf", Raw("[LNG]\r\n1=a\r\n2=b\r\n"), {{1, u"a"}, {2, u"b"}}},
        Case{"cr_only", Raw("[LNG]\r1=a\r2=b"), {{1, u"a"}, {2, u"b"}}},
        Case{"no_final_line_end", Raw("[LNG]\n7=last"), {{7, u"last"}}},
        Case{"blank_lines_and_comments", Raw("\n; 1=no\n[LNG]\n\n  ;2=no\n;\n3=yes ; not a comment\n"),
             {{1, std::nullopt}, {2, std::nullopt}, {3, u"yes ; not a comment"}}},
        Case{"first_occurrence_wins", Raw("[LNG]\n1=a\n1=b\n"), {{1, u"a"}}},
        Case{"empty_value_is_missing", Raw("[LNG]\n1=\n2=   \n3\n"), {{1, std::nullopt}, {2, std::nullopt}, {3, std::nullopt}}},
        Case{"empty_first_value_hides_later", Raw("[LNG]\n1=\n1=b\n"), {{1, std::nullopt}}},
        Case{"equals_in_value", Raw("[LNG]\n1=a=b\n"), {{1, u"a=b"}}},
        Case{"matching_quotes_dropped", Raw("[LNG]\n1=\"  padded \"\n2='x'\n3=\"\"\n"),
             {{1, u"  padded "}, {2, u"x"}, {3, std::nullopt}}},
        Case{"unmatched_quotes_kept", Raw("[LNG]\n1=\"a\n2=\"a'\n3=\"\n4=l'eau\n"),
             {{1, u"\"a"}, {2, u"\"a'"}, {3, u"\""}, {4, u"l'eau"}}},
        Case{"keys_not_written_as_lookups_write_them",
             Raw("[LNG]\n01=a\n+2=b\n3a=c\n-4=d\n 5 6=e\n1000000000=f\n999999999=g\n"),
             {{1, std::nullopt}, {2, std::nullopt}, {3, std::nullopt}, {4, std::nullopt}, {5, std::nullopt},
              {1000000000, std::nullopt}, {999999999, u"g"}}},
        Case{"bracket_without_close_is_a_key_line", Raw("[LNG]\n[Other\n1=a\n"), {{1, u"a"}}},
        Case{"dos_end_of_file_mark", Raw("[LNG]\n1=a\n\x1A"), {{1, u"a"}}}));

// ---- Values cut to what the lookup buffer holds.

std::u16string Units(std::size_t n, char16_t u = u'x') { return std::u16string(n, u); }

class PackCutTest : public ::testing::TestWithParam<Case> {};

TEST_P(PackCutTest, CutsLongValues) {
  const std::optional<LanguagePack> pack = ParseLanguagePack(GetParam().bytes);
  ASSERT_TRUE(pack.has_value());
  ExpectTexts(*pack, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Cut, PackCutTest,
    ::testing::Values(
        Case{"exactly_511", Utf16LeBom(u"[LNG]\r\n1=" + Units(511)), {{1, Units(511)}}},
        Case{"512_to_511", Utf16LeBom(u"[LNG]\r\n1=" + Units(512)), {{1, Units(511)}}},
        Case{"long_to_511", Utf16LeBom(u"[LNG]\r\n1=" + Units(5000) + u"\r\n2=b"), {{1, Units(511)}, {2, u"b"}}},
        // A pair across units 511 and 512 goes whole.
        Case{"pair_across_the_cut", Utf16LeBom(u"[LNG]\r\n1=" + Units(510) + u"\U0001D11Eyz"), {{1, Units(510)}}},
        Case{"pair_before_the_cut", Utf16LeBom(u"[LNG]\r\n1=" + Units(509) + u"\U0001D11Eyz"),
             {{1, Units(509) + u"\U0001D11E"}}},
        Case{"quotes_dropped_before_the_cut", Raw("[LNG]\n1=\"" + std::string(511, 'q') + "\"\n"),
             {{1, Units(511, u'q')}}}));

TEST(LanguagePackFile, OnlyARegularReadableFileIsAPack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_FALSE(ReadLanguagePack(dir.filePath(QStringLiteral("missing.lng"))).has_value());
  EXPECT_FALSE(ReadLanguagePack(dir.path()).has_value());
  ASSERT_TRUE(fixture::WriteFile(dir.filePath(QStringLiteral("p.lng")), Raw("[LNG]\n1=a\n")));
  const std::optional<LanguagePack> pack = ReadLanguagePack(dir.filePath(QStringLiteral("p.lng")));
  ASSERT_TRUE(pack.has_value());
  ExpectTexts(*pack, {{1, u"a"}});
}

}  // namespace
