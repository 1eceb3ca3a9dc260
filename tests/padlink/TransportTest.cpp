#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <glob.h>
#include <optional>
#include <ostream>
#include <string>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"
#include "Transport.h"

using namespace v72::transfer;

namespace {

using Report = std::array<std::uint8_t, 7>;

Report At(int address, std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d, std::uint8_t id = 3) {
  return {id, static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(address >> 8), a, b, c, d};
}

QByteArray Read(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Write(const std::string& path, const QByteArray& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A keypad on this machine would be found by hid and auto; their "none found" paths can
// only be checked without one.
bool HidrawPresent() {
  glob_t g{};
  const bool any = ::glob("/dev/hidraw*", 0, nullptr, &g) == 0 && g.gl_pathc > 0;
  ::globfree(&g);
  return any;
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class TransportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  QTemporaryDir dir_;
};

// --- sim: --------------------------------------------------------------------------------

TEST_F(TransportTest, SimCreatesAZeroedMemoryWithItsFoldersAndNamesItsPath) {
  const std::string path = Path("state/veltrain712/keypad.bin");
  const Opened o = OpenSimulatedKeypad(path);
  ASSERT_TRUE(o.transport) << o.error;
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(Read(path), QByteArray(768, '\0'));
  EXPECT_NE(o.transport->Target().find(path), std::string::npos) << o.transport->Target();
}

TEST_F(TransportTest, SimWritesEachReportsDataAtItsAddress) {
  const std::string path = Path("keypad.bin");
  const Opened o = OpenSimulatedKeypad(path);
  ASSERT_TRUE(o.transport) << o.error;
  // The download's overlap: the chunk at 242 writes the last two bytes of the chunk at 240 again.
  const Report reports[] = {At(4, 1, 2, 3, 4), At(240, 0x10, 0x11, 0x12, 0x13), At(242, 0x20, 0x21, 0x22, 0x23),
                            At(548, 0xA0, 0x00, 0x5A, 0x5B), At(764, 0xF1, 0xF2, 0xF3, 0xF4)};
  for (const Report& r : reports) EXPECT_TRUE(o.transport->Send(r.data())) << r[1] + 256 * r[2];

  QByteArray expected(768, '\0');
  const char* at4 = "\x01\x02\x03\x04";
  expected.replace(4, 4, at4, 4);
  expected.replace(240, 6, "\x10\x11\x20\x21\x22\x23", 6);
  expected.replace(548, 4, "\xA0\x00\x5A\x5B", 4);
  expected.replace(764, 4, "\xF1\xF2\xF3\xF4", 4);
  EXPECT_EQ(Read(path), expected);
}

TEST_F(TransportTest, SimKeepsWhatAnEarlierDownloadWrote) {
  const std::string path = Path("keypad.bin");
  QByteArray earlier(768, '\0');
  for (int i = 0; i < 768; ++i) earlier[i] = static_cast<char>(i * 7 + 1);
  Write(path, earlier);

  const Opened o = OpenSimulatedKeypad(path);
  ASSERT_TRUE(o.transport) << o.error;
  EXPECT_EQ(Read(path), earlier);
  ASSERT_TRUE(o.transport->Send(At(38, 9, 8, 7, 6).data()));
  earlier.replace(38, 4, "\x09\x08\x07\x06", 4);
  EXPECT_EQ(Read(path), earlier);
}

TEST_F(TransportTest, SimRefusesReportsOutsideTheMemoryOrNotReportId3) {
  const std::string path = Path("keypad.bin");
  const Opened o = OpenSimulatedKeypad(path);
  ASSERT_TRUE(o.transport) << o.error;
  struct {
    const char* name;
    Report report;
  } const refused[] = {
      {"address 765", At(765, 1, 1, 1, 1)},
      {"address 768", At(768, 1, 1, 1, 1)},
      {"address 0xFFFF", At(0xFFFF, 1, 1, 1, 1)},
      {"id 0", At(4, 1, 1, 1, 1, 0)},
      {"id 2", At(4, 1, 1, 1, 1, 2)},
  };
  for (const auto& c : refused) EXPECT_FALSE(o.transport->Send(c.report.data())) << c.name;
  EXPECT_EQ(Read(path), QByteArray(768, '\0'));
}

TEST_F(TransportTest, SimRefusesSomethingThatIsNotARegularFile) {
  const Opened o = OpenSimulatedKeypad("/dev/null");
  EXPECT_FALSE(o.transport);
  EXPECT_NE(o.error.find("/dev/null"), std::string::npos) << o.error;
}

// --- log: --------------------------------------------------------------------------------

TEST_F(TransportTest, LogAppendsEachReportAsItIsSent) {
  const std::string path = Path("reports.bin");
  Write(path, "old");
  const Opened o = OpenReportLog(path);
  ASSERT_TRUE(o.transport) << o.error;
  EXPECT_NE(o.transport->Target().find(path), std::string::npos) << o.transport->Target();

  QByteArray expected("old");
  const Report reports[] = {At(4, 0, 0, 0, 0), At(36, 0xA0, 0, 0, 0), At(548, 0xA0, 0, 0x5A, 0x5B)};
  for (const Report& r : reports) {
    ASSERT_TRUE(o.transport->Send(r.data()));
    expected.append(reinterpret_cast<const char*>(r.data()), 7);
    EXPECT_EQ(Read(path), expected);   // on disk at once, while the log is still open
  }
}

TEST_F(TransportTest, LogOnAFullDeviceFailsEverySend) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const Opened o = OpenReportLog("/dev/full");
  ASSERT_TRUE(o.transport) << o.error;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(o.transport->Send(At(4 + 4 * i, 1, 2, 3, 4).data()));
}

// --- Files that cannot be opened -----------------------------------------------------------

struct UnopenableCase {
  const char* name;
  Opened (*open)(const std::string&);
  friend void PrintTo(const UnopenableCase& c, std::ostream* os) { *os << c.name; }
};

class Unopenable : public TransportTest, public ::testing::WithParamInterface<UnopenableCase> {};

TEST_P(Unopenable, FailsWithAMessageNamingThePath) {
  Write(Path("plain"), "not a folder");
  const std::string path = Path("plain/sub/target.bin");
  const Opened o = GetParam().open(path);
  EXPECT_FALSE(o.transport);
  EXPECT_NE(o.error.find(path), std::string::npos) << o.error;
}

INSTANTIATE_TEST_SUITE_P(Transport, Unopenable,
                         ::testing::Values(UnopenableCase{"Sim", &OpenSimulatedKeypad},
                                           UnopenableCase{"Log", &OpenReportLog}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- V72_KEYPAD --------------------------------------------------------------------------

struct BadValue {
  const char* value;
  friend void PrintTo(const BadValue& c, std::ostream* os) { *os << '"' << c.value << '"'; }
};

class BadKeypadValue : public ::testing::TestWithParam<BadValue> {};

TEST_P(BadKeypadValue, OpensNothingAndNamesTheAcceptedForms) {
  const Opened o = OpenTransport(GetParam().value);
  EXPECT_FALSE(o.transport);
  for (const char* form : {"auto", "hid", "hid:VVVV:PPPP", "sim:PATH", "log:PATH"})
    EXPECT_NE(o.error.find(form), std::string::npos) << form << " missing from: " << o.error;
}

INSTANTIATE_TEST_SUITE_P(Transport, BadKeypadValue,
                         ::testing::Values(BadValue{"bogus"}, BadValue{"hid:12"}, BadValue{"hid:zzzz:0001"},
                                           BadValue{"hid:12345:0001"}, BadValue{"hid:1234:"},
                                           BadValue{"HID"}, BadValue{"auto "}, BadValue{"sim:"},
                                           BadValue{"log:"}),
                         [](const auto& info) {
                           std::string name;
                           for (const char* c = info.param.value; *c; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return "v" + std::to_string(info.index) + "_" + name;
                         });

TEST_F(TransportTest, SimAndLogValuesOpenTheNamedFile) {
  const std::string sim = Path("k.bin"), log = Path("r.bin");
  const Opened s = OpenTransport(("sim:" + sim).c_str());
  ASSERT_TRUE(s.transport) << s.error;
  EXPECT_EQ(s.transport->Target(), "simulated keypad " + sim);
  EXPECT_EQ(Read(sim).size(), 768);

  const Opened l = OpenTransport(("log:" + log).c_str());
  ASSERT_TRUE(l.transport) << l.error;
  ASSERT_TRUE(l.transport->Send(At(4, 1, 2, 3, 4).data()));
  EXPECT_EQ(Read(log), QByteArray("\x03\x04\x00\x01\x02\x03\x04", 7));
}

TEST(HidTransport, WithoutAKeypadSaysNoneWasFound) {
  if (HidrawPresent()) GTEST_SKIP() << "this machine has HID devices";
  for (const char* value : {"hid", "hid:1234:5678"}) {
    const Opened o = OpenTransport(value);
    EXPECT_FALSE(o.transport) << value;
    EXPECT_EQ(o.error, "No Veltrain 712 keypad found") << value;
  }
}

TEST_F(TransportTest, AutoWithoutAKeypadFallsBackToTheSimulatedKeypadInTheStateFolder) {
  if (HidrawPresent()) GTEST_SKIP() << "a real keypad might be plugged in";
  const std::string state = Path("state");
  const ScopedEnv env("XDG_STATE_HOME", state.c_str());
  const std::string expected = state + "/veltrain712/keypad.bin";
  for (const char* value : {static_cast<const char*>(nullptr), "", "auto"}) {
    const Opened o = OpenTransport(value);
    ASSERT_TRUE(o.transport) << (value ? value : "(unset)") << ": " << o.error;
    EXPECT_EQ(o.transport->Target(), "simulated keypad " + expected);
  }
  EXPECT_EQ(Read(expected), QByteArray(768, '\0'));
}

struct StateCase {
  const char* name;
  const char* xdgStateHome;   // null: unset
  const char* home;
  const char* expected;
  friend void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }
};

class DefaultSimPath : public ::testing::TestWithParam<StateCase> {};

TEST_P(DefaultSimPath, FollowsTheStateFolder) {
  const StateCase& c = GetParam();
  const ScopedEnv xdg("XDG_STATE_HOME", c.xdgStateHome);
  const ScopedEnv home("HOME", c.home);
  EXPECT_EQ(DefaultSimulatedKeypadPath(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Transport, DefaultSimPath,
    ::testing::Values(StateCase{"XdgSet", "/x/state", "/home/u", "/x/state/veltrain712/keypad.bin"},
                      StateCase{"XdgUnset", nullptr, "/home/u", "/home/u/.local/state/veltrain712/keypad.bin"},
                      StateCase{"XdgEmpty", "", "/home/u", "/home/u/.local/state/veltrain712/keypad.bin"},
                      // Relative values are to be ignored.
                      StateCase{"XdgRelative", "rel/state", "/home/u", "/home/u/.local/state/veltrain712/keypad.bin"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
