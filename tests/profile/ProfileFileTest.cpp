#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ProfileFile.h"
#include "ProfileFixture.h"
#include "QtPrinters.h"
#include "ProfileState.h"
#include "RecordingReporter.h"

using namespace v72;
using fixture::ProfileBytes;

namespace {

std::vector<std::uint8_t> Bytes34(std::uint8_t first, std::uint8_t kind, std::uint8_t interval) {
  std::vector<std::uint8_t> b(34, 0);
  b[0] = first;
  b[1] = 0x40;
  b[32] = kind;
  b[33] = interval;
  return b;
}

KeyAction Action(const std::vector<std::uint8_t>& b) {
  KeyAction a{};
  std::copy(b.begin(), b.end(), a.begin());
  return a;
}

// A profile with something distinct in every field the file stores.
ProfileBytes ThreeMacroFixture() {
  ProfileBytes f(3);
  for (int slot = 0; slot < 45; ++slot) {
    f.action(slot, Bytes34(static_cast<std::uint8_t>(slot + 1), 0xA0 + slot % 4, static_cast<std::uint8_t>(slot)));
    f.displayText(slot, u"Key " + std::u16string(1, static_cast<char16_t>(u'A' + slot)));
    f.code(slot, static_cast<std::uint16_t>(slot % 2 ? 10 + slot % 3 : slot % 5));
  }
  f.code(44, 12);
  f.name(0, u"Reload").name(1, u"Dash \u00e9\u4e2d").name(2, u"");
  f.body(0, Bytes34(18, 0xA0, 0)).body(1, Bytes34(23, 0xA1, 3)).body(2, Bytes34(1, 0xA2, 255));
  return f;
}

class ProfileFileTest : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
  RecordingReporter reporter;
};

}  // namespace

TEST_F(ProfileFileTest, ReadsEveryFieldOfAFixture) {
  ASSERT_TRUE(ThreeMacroFixture().writeTo(path("p.V72")));
  ProfileState s;
  s.ProfileFileName = path("p.V72").toStdU16String();
  ASSERT_TRUE(ReadProfileFile(s, reporter));
  EXPECT_TRUE(reporter.failures.empty());
  for (int slot = 0; slot < 45; ++slot) {
    EXPECT_EQ(s.Profile.keySlots[slot].action,
              Action(Bytes34(static_cast<std::uint8_t>(slot + 1), 0xA0 + slot % 4, static_cast<std::uint8_t>(slot))));
    EXPECT_EQ(s.Profile.keySlots[slot].displayText, u"Key " + std::u16string(1, static_cast<char16_t>(u'A' + slot)));
  }
  EXPECT_EQ(s.Profile.AssignCode[1], 11);
  EXPECT_EQ(s.Profile.AssignCode[44], 12);
  ASSERT_EQ(s.Library.Count(), 3u);
  EXPECT_EQ(s.Library.At(1).name, u"Dash \u00e9\u4e2d");
  EXPECT_EQ(s.Library.At(2).name, u"");
  EXPECT_EQ(s.Library.At(2).body, Action(Bytes34(1, 0xA2, 255)));
}

TEST_F(ProfileFileTest, AppendsTheFileMacrosToTheLibrary) {
  ASSERT_TRUE(ThreeMacroFixture().writeTo(path("p.V72")));
  KeyProfile profile;
  MacroLibrary library;
  library.Append(u"kept", EmptyAction());
  ASSERT_TRUE(ReadProfileFile(path("p.V72"), profile, &library, ProfileProgram::KeyCfgTool, reporter));
  ASSERT_EQ(library.Count(), 4u);
  EXPECT_EQ(library.At(0).name, u"kept");
  EXPECT_EQ(library.At(1).name, u"Reload");
}

TEST_F(ProfileFileTest, WritesTheFixtureByteForByte) {
  const ProfileBytes f = ThreeMacroFixture();
  ASSERT_TRUE(f.writeTo(path("in.V72")));
  ProfileState s;
  s.ProfileFileName = path("in.V72").toStdU16String();
  ASSERT_TRUE(ReadProfileFile(s, reporter));
  s.ProfileFileName = path("out.V72").toStdU16String();
  ASSERT_TRUE(WriteProfileFile(s, reporter));
  const QByteArray out = fixture::readAll(path("out.V72"));
  EXPECT_EQ(out.size(), 24698 + 3 * 546);
  EXPECT_EQ(out, f.qbytes());
}

TEST_F(ProfileFileTest, FreshProfileIsTheBareLayout) {
  ProfileState s;
  ASSERT_TRUE(WriteProfileFile(path("fresh.V72"), s.Profile, s.Library, reporter));
  EXPECT_EQ(fixture::readAll(path("fresh.V72")), ProfileBytes(0).qbytes());
}

TEST_F(ProfileFileTest, CodesAreStoredAsTheirLow16Bits) {
  ProfileState s;
  s.Profile.AssignCode[0] = 12;
  s.Profile.AssignCode[1] = -1;
  s.Profile.AssignCode[2] = 0x12345;
  for (int i = 0; i < 300; ++i) s.Library.Append(u"m", EmptyAction());
  ASSERT_TRUE(WriteProfileFile(path("c.V72"), s.Profile, s.Library, reporter));
  const QByteArray out = fixture::readAll(path("c.V72"));
  ASSERT_EQ(out.size(), 24698 + 300 * 546);
  EXPECT_EQ(out.mid(8, 2), QByteArray("\x2C\x01", 2));
  EXPECT_EQ(out.mid(32, 6), QByteArray("\x0C\x00\xFF\xFF\x45\x23", 6));

  KeyProfile back;
  ASSERT_TRUE(ReadProfileFile(path("c.V72"), back, nullptr, ProfileProgram::Loader, reporter));
  EXPECT_EQ(back.AssignCode[0], 12);
  EXPECT_EQ(back.AssignCode[1], 65535);   // read back unsigned
  EXPECT_EQ(back.AssignCode[2], 0x2345);
}

TEST_F(ProfileFileTest, LongTextsAreCutSoTheTerminatorAlwaysFits) {
  ProfileState s;
  s.Profile.keySlots[0].displayText = std::u16string(255, u'd');
  s.Profile.keySlots[1].displayText = std::u16string(400, u'e');   // set without the model's cut
  s.Library.Append(std::u16string(255, u'n'), EmptyAction());
  ASSERT_TRUE(WriteProfileFile(path("t.V72"), s.Profile, s.Library, reporter));
  const QByteArray out = fixture::readAll(path("t.V72"));
  const auto unitAt = [&](std::size_t byte) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(out[byte]) | static_cast<std::uint8_t>(out[byte + 1]) << 8);
  };
  for (std::size_t field : {ProfileBytes::textAt(0), ProfileBytes::textAt(1), std::size_t{24698}}) {
    EXPECT_NE(unitAt(field + 2 * 254), 0u);
    EXPECT_EQ(unitAt(field + 2 * 255), 0u);   // the last unit of the field is the terminator
  }
  EXPECT_EQ(unitAt(ProfileBytes::textAt(2)), u'N');   // the next record starts where it should
}

struct TextFieldCase {
  const char* name;
  char16_t fill;
  std::size_t expectedUnits;
  friend void PrintTo(const TextFieldCase& c, std::ostream* os) { *os << c.name; }
};

class UnterminatedText : public ProfileFileTest, public ::testing::WithParamInterface<TextFieldCase> {};

TEST_P(UnterminatedText, ReadsAsItsFirst255UnitsWithoutHalfCharacters) {
  ProfileBytes f(1);
  f.fillText(ProfileBytes::textAt(7), GetParam().fill).fillText(24698, GetParam().fill);
  ASSERT_TRUE(f.writeTo(path("u.V72")));
  KeyProfile profile;
  MacroLibrary library;
  ASSERT_TRUE(ReadProfileFile(path("u.V72"), profile, &library, ProfileProgram::KeyCfgTool, reporter));
  EXPECT_EQ(profile.keySlots[7].displayText, std::u16string(GetParam().expectedUnits, GetParam().fill));
  EXPECT_EQ(library.At(0).name, std::u16string(GetParam().expectedUnits, GetParam().fill));
  EXPECT_EQ(profile.keySlots[8].displayText, u"Normal");
}

INSTANTIATE_TEST_SUITE_P(Cases, UnterminatedText,
                         ::testing::Values(TextFieldCase{"plain", u'x', 255},
                                           TextFieldCase{"high_surrogates", u'\xD83D', 254}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, BytesAfterTheAnnouncedRecordsAreIgnored) {
  ProfileBytes f = ThreeMacroFixture();
  f.resize(f.bytes().size() + 1000).byte(f.bytes().size() - 1, 0x55);
  ASSERT_TRUE(f.writeTo(path("long.V72")));
  KeyProfile profile;
  MacroLibrary library;
  ASSERT_TRUE(ReadProfileFile(path("long.V72"), profile, &library, ProfileProgram::KeyCfgTool, reporter));
  EXPECT_EQ(library.Count(), 3u);
}

struct RefusedCase {
  const char* name;
  ProfileBytes bytes;   // written to the file unless `missing`
  bool missing;
  ProfileFailure failure;
  const char* toolText;
  const char* loaderText;
  friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class RefusedFile : public ProfileFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFile, ReportsTheProgramsTextAndChangesNothing) {
  const RefusedCase& c = GetParam();
  const QString p = path("r.V72");
  if (!c.missing) {
    ASSERT_TRUE(c.bytes.writeTo(p));
  }

  for (ProfileProgram program : {ProfileProgram::KeyCfgTool, ProfileProgram::Loader}) {
    RecordingReporter r;
    KeyProfile profile;
    profile.keySlots[3].displayText = u"before";
    profile.AssignCode[3] = 11;
    MacroLibrary library;
    library.Append(u"old", EmptyAction());
    const KeyProfile profileBefore = profile;
    const MacroLibrary libraryBefore = library;

    EXPECT_FALSE(ReadProfileFile(p, profile, &library, program, r));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0], c.failure);
    EXPECT_EQ(r.texts[0], QString::fromUtf8(program == ProfileProgram::Loader ? c.loaderText : c.toolText));
    EXPECT_EQ(profile, profileBefore);
    EXPECT_EQ(library, libraryBefore);
  }
}

const ProfileBytes kTwoMacros = ProfileBytes(2);

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFile,
    ::testing::Values(
        RefusedCase{"missing", ProfileBytes(), true, ProfileFailure::OpenForRead, "File open for read failed",
                    ".V72 File open for read failed"},
        RefusedCase{"lower_case_magic", ProfileBytes().byte(2, 'v'), false, ProfileFailure::Unsupported,
                    "Unsupported file", "Unsupported file"},
        RefusedCase{"empty", ProfileBytes().resize(0), false, ProfileFailure::Unsupported, "Unsupported file",
                    "Unsupported file"},
        RefusedCase{"magic_only", ProfileBytes().resize(8), false, ProfileFailure::Unsupported, "Unsupported file",
                    "Unsupported file"},
        RefusedCase{"header_only", ProfileBytes().resize(128), false, ProfileFailure::Unsupported,
                    "Unsupported file", "Unsupported file"},
        RefusedCase{"last_slot_cut", ProfileBytes().resize(24697), false, ProfileFailure::Unsupported,
                    "Unsupported file", "Unsupported file"},
        RefusedCase{"announced_macro_missing", ProfileBytes(2).resize(24698 + 546 * 2 - 1), false,
                    ProfileFailure::Unsupported, "Unsupported file", "Unsupported file"},
        RefusedCase{"count_65535_without_records", ProfileBytes().u16(8, 0xFFFF), false,
                    ProfileFailure::Unsupported, "Unsupported file", "Unsupported file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, AFolderIsNotAProfile) {
  QDir(dir.path()).mkdir("folder.V72");
  KeyProfile profile;
  EXPECT_FALSE(ReadProfileFile(path("folder.V72"), profile, nullptr, ProfileProgram::Loader, reporter));
  ASSERT_EQ(reporter.failures.size(), 1u);
  EXPECT_EQ(profile, KeyProfile{});
}

// A failed save reports, returns false, keeps the old file whole and leaves no temporary.
class FailedSave : public ProfileFileTest {
 protected:
  void SetUp() override {
    old = ProfileBytes(1).name(0, u"old").qbytes();
    for (int i = 0; i < 100; ++i) s.Library.Append(u"new", EmptyAction());
  }
  void ExpectReportedAndNothingLeft(bool ok, const QString& target) {
    EXPECT_FALSE(ok);
    ASSERT_EQ(reporter.failures.size(), 1u);
    EXPECT_EQ(reporter.failures[0], ProfileFailure::OpenForWrite);
    EXPECT_EQ(reporter.texts[0], "File open for write failed");
    const QStringList left = QDir(QFileInfo(target).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.isEmpty() || left == QStringList{QFileInfo(target).fileName()}) << left.join(",").toStdString();
  }
  QByteArray old;
  ProfileState s;
};

TEST_F(FailedSave, FolderDoesNotExist) {
  const QString target = path("no/such/folder/p.V72");
  ExpectReportedAndNothingLeft(WriteProfileFile(target, s.Profile, s.Library, reporter), target);
  EXPECT_FALSE(QFile::exists(target));
}

TEST_F(FailedSave, TargetIsAFolder) {
  QDir(dir.path()).mkdir("p.V72");
  const QString target = path("p.V72");
  ExpectReportedAndNothingLeft(WriteProfileFile(target, s.Profile, s.Library, reporter), target);
  EXPECT_TRUE(QFileInfo(target).isDir());
}

TEST_F(FailedSave, DiskFullLeavesTheOldFileWhole) {
  const QString target = path("p.V72");
  ASSERT_TRUE(ProfileBytes(1).name(0, u"old").writeTo(target));
  // A file size limit below the new file stands in for a full disk, also for root.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 30000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok = WriteProfileFile(target, s.Profile, s.Library, reporter);
  setrlimit(RLIMIT_FSIZE, &saved);
  ExpectReportedAndNothingLeft(ok, target);
  EXPECT_EQ(fixture::readAll(target), old);
}

TEST_F(FailedSave, MoreMacrosThanTheCountFieldHoldsIsRefused) {
  const QString target = path("p.V72");
  ASSERT_TRUE(ProfileBytes(1).name(0, u"old").writeTo(target));
  for (int i = 0; i < 65536 - 100; ++i) s.Library.Append(u"", EmptyAction());
  ExpectReportedAndNothingLeft(WriteProfileFile(target, s.Profile, s.Library, reporter), target);
  EXPECT_EQ(fixture::readAll(target), old);
}

TEST_F(ProfileFileTest, SaveReplacesAnExistingFile) {
  const QString target = path("p.V72");
  ASSERT_TRUE(ProfileBytes(1).name(0, u"old").writeTo(target));
  ProfileState s;
  ASSERT_TRUE(WriteProfileFile(target, s.Profile, s.Library, reporter));
  EXPECT_EQ(fixture::readAll(target), ProfileBytes(0).qbytes());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.V72"});
}
