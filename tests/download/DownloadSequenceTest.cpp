#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "DefaultKeys.h"
#include "DeviceImage.h"
#include "DownloadSequence.h"
#include "KeyProfile.h"

using namespace v72;

namespace {

// The keypad's map, written out independently of the code under test: keys 0..6 from 4,
// 7..13 from 260, 14 at 516, 34 bytes apart within a block.
int FirstAddress(int key) {
  if (key < 7) return 4 + 34 * key;
  if (key < 14) return 260 + 34 * (key - 7);
  return 516;
}

// Each key goes out as 9 chunks of 4 from its first address.
std::vector<int> ExpectedAddresses() {
  std::vector<int> out;
  for (int key = 0; key < KeyCount; ++key)
    for (int chunk = 0; chunk < 9; ++chunk) out.push_back(FirstAddress(key) + 4 * chunk);
  return out;
}

// The report the keypad should get for chunk `chunk` of `key`: the key's own 34 bytes, then
// the first two bytes of the next record in mode-major order (key 14 → mode 1 key 0).
WriteReport ExpectedReport(const KeyProfile& p, int key, int chunk) {
  const int address = FirstAddress(key) + 4 * chunk;
  WriteReport r{3, static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(address >> 8)};
  for (int i = 0; i < 4; ++i) {
    const int byte = 4 * chunk + i;
    r[3 + i] = byte < 34 ? p.keySlots[key].action[byte] : p.keySlots[key + 1].action[byte - 34];
  }
  return r;
}

int AddressOf(const WriteReport& r) { return r[1] | (r[2] << 8); }

// Every byte of every slot different from its neighbours and from the same byte of other slots.
KeyProfile MarkedProfile() {
  KeyProfile p;
  for (int r = 0; r < SlotCount; ++r)
    for (int j = 0; j < 34; ++j) p.keySlots[r].action[j] = static_cast<std::uint8_t>((r * 34 + j) % 251 + 1);
  return p;
}

struct Recorder {
  std::vector<WriteReport> sent;
  std::set<int> failAt;   // 1-based report numbers the "keypad" does not take
  ReportSender Sender() {
    return [this](const WriteReport& r) {
      sent.push_back(r);
      return failAt.count(static_cast<int>(sent.size())) == 0;
    };
  }
};

class DownloadSequenceTest : public ::testing::Test {
 protected:
  void Start(const KeyProfile& p = KeyProfile{}) {
    seq.SetImage(BuildDeviceImage(p));
    seq.StartDownload();
  }
  // Ticks `n` times; returns how many of them reported completion.
  int Tick(int n) {
    int completions = 0;
    const ReportSender send = rec.Sender();
    for (int i = 0; i < n; ++i) completions += seq.DownloadTick(send) ? 1 : 0;
    return completions;
  }
  // Every report holds its key's chunk, in key and chunk order.
  void ExpectAllReportsOf(const KeyProfile& p) {
    ASSERT_EQ(rec.sent.size(), 135u);
    for (int key = 0; key < KeyCount; ++key)
      for (int chunk = 0; chunk < 9; ++chunk)
        EXPECT_EQ(rec.sent[static_cast<std::size_t>(9 * key + chunk)], ExpectedReport(p, key, chunk))
            << "key " << key << " chunk " << chunk;
  }

  DownloadSequence seq;
  Recorder rec;
};

// --- Single reports named by the keypad's documentation ---------------------------------

enum class Profile { Fresh, DefaultOnKey0 };

struct ReportCase {
  const char* name;
  Profile profile;
  int index;   // 0-based report number
  WriteReport expected;
  friend void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }
};

class NamedReport : public DownloadSequenceTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(NamedReport, HasTheDocumentedBytes) {
  const ReportCase& c = GetParam();
  KeyProfile p;
  if (c.profile == Profile::DefaultOnKey0) p.Slot(0, 0).action = SingleKeyAction(0x02);
  Start(p);
  Tick(DownloadReportCount);
  ASSERT_EQ(rec.sent.size(), static_cast<std::size_t>(DownloadReportCount));
  EXPECT_EQ(rec.sent[static_cast<std::size_t>(c.index)], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Download, NamedReport,
    ::testing::Values(
        ReportCase{"FreshFirst", Profile::Fresh, 0, {0x03, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00}},
        // Bytes 32, 33 of key 0 (kind A0, interval 0), then bytes 0, 1 of key 1.
        ReportCase{"FreshNinth", Profile::Fresh, 8, {0x03, 0x24, 0x00, 0xA0, 0x00, 0x00, 0x00}},
        ReportCase{"DefaultKey0First", Profile::DefaultOnKey0, 0, {0x03, 0x04, 0x00, 0x02, 0x00, 0x02, 0xC0}},
        ReportCase{"DefaultKey0Ninth", Profile::DefaultOnKey0, 8, {0x03, 0x24, 0x00, 0xA3, 0x00, 0x00, 0x00}},
        ReportCase{"Key7First", Profile::Fresh, 63, {0x03, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00}},
        ReportCase{"Key14First", Profile::Fresh, 126, {0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 0x00}},
        ReportCase{"Last", Profile::Fresh, 134, {0x03, 0x24, 0x02, 0xA0, 0x00, 0x00, 0x00}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The whole sequence -------------------------------------------------------------------

TEST_F(DownloadSequenceTest, Sends135ReportsAtTheMappedAddressesWithTheKeysBytes) {
  const KeyProfile p = MarkedProfile();
  Start(p);
  EXPECT_EQ(Tick(DownloadReportCount), 1);
  ExpectAllReportsOf(p);

  // The documented run of addresses: 4, 8, ..., 36, 38, 42, ..., 548.
  std::vector<int> addresses;
  for (const WriteReport& r : rec.sent) addresses.push_back(AddressOf(r));
  EXPECT_EQ(addresses, ExpectedAddresses());
  EXPECT_EQ(std::vector<int>(addresses.begin(), addresses.begin() + 11),
            (std::vector<int>{4, 8, 12, 16, 20, 24, 28, 32, 36, 38, 42}));
  EXPECT_EQ(addresses.back(), 548);
  // Never the 4 spare bytes at the start of a block.
  for (int a : addresses) EXPECT_GE(a % 256, 4) << a;
}

TEST_F(DownloadSequenceTest, OfModes1And2OnlyBytes0And1OfMode1Key0AreSentAt550) {
  KeyProfile p;   // mode 0 fresh: never contains 0xEE
  for (int mode = 1; mode < ModeCount; ++mode)
    for (int key = 0; key < KeyCount; ++key) p.Slot(mode, key).action.fill(0xEE);
  p.Slot(1, 0).action[0] = 0x5A;
  p.Slot(1, 0).action[1] = 0x5B;
  Start(p);
  Tick(DownloadReportCount);
  ASSERT_EQ(rec.sent.size(), 135u);

  const WriteReport& last = rec.sent.back();
  EXPECT_EQ(AddressOf(last), 548);
  EXPECT_EQ(last[5], 0x5A);   // address 550
  EXPECT_EQ(last[6], 0x5B);   // address 551
  for (const WriteReport& r : rec.sent)
    for (int i = 3; i < 7; ++i) EXPECT_NE(r[i], 0xEE) << "address " << AddressOf(r) + i - 3;
}

TEST_F(DownloadSequenceTest, GaugeClimbsBy2To270AndOnlyTheLastTickCompletes) {
  Start();
  EXPECT_EQ(seq.GaugeValue, 0);
  EXPECT_EQ(seq.GaugeMaximum, 270);
  const ReportSender send = rec.Sender();
  for (int i = 1; i <= DownloadReportCount; ++i) {
    EXPECT_EQ(seq.DownloadTick(send), i == DownloadReportCount) << "tick " << i;
    EXPECT_EQ(seq.GaugeValue, 2 * i) << "tick " << i;
  }
  EXPECT_EQ(seq.GaugeMaximum, 270);
  EXPECT_TRUE(seq.Complete());
  EXPECT_FALSE(seq.Running());
  EXPECT_TRUE(seq.Succeeded());
  EXPECT_EQ(seq.ReportsSent, 135);
  EXPECT_EQ(seq.ReportsLost, 0);
}

TEST_F(DownloadSequenceTest, TicksAfterCompletionSendNothing) {
  Start();
  Tick(DownloadReportCount);
  EXPECT_EQ(Tick(10), 0);
  EXPECT_EQ(rec.sent.size(), 135u);
  EXPECT_EQ(seq.GaugeValue, 270);
  EXPECT_TRUE(seq.Succeeded());
}

TEST_F(DownloadSequenceTest, WriteEnableOffSendsNothingButTheGaugeStillRunsTo270) {
  Start();
  seq.WriteEnable = false;
  EXPECT_EQ(Tick(DownloadReportCount), 1);
  EXPECT_TRUE(rec.sent.empty());
  EXPECT_EQ(seq.GaugeValue, 270);
  EXPECT_TRUE(seq.Complete());
  EXPECT_EQ(seq.ReportsLost, 0);
}

TEST_F(DownloadSequenceTest, NothingIsSentBeforeAStart) {
  seq.SetImage(BuildDeviceImage(KeyProfile{}));
  EXPECT_EQ(Tick(5), 0);
  EXPECT_TRUE(rec.sent.empty());
}

TEST_F(DownloadSequenceTest, StopAfter20TicksStopsThereAndARestartBeginsAgainAtAddress4) {
  Start();
  Tick(20);
  seq.StopDownload();
  EXPECT_EQ(Tick(50), 0);
  ASSERT_EQ(rec.sent.size(), 20u);
  EXPECT_EQ(AddressOf(rec.sent.back()), ExpectedAddresses()[19]);
  EXPECT_EQ(seq.GaugeValue, 40);
  EXPECT_FALSE(seq.Running());
  EXPECT_FALSE(seq.Succeeded());

  rec.sent.clear();
  seq.StartDownload();
  EXPECT_EQ(seq.GaugeValue, 0);
  EXPECT_EQ(seq.ReportsSent, 0);
  EXPECT_EQ(Tick(DownloadReportCount), 1);
  ASSERT_EQ(rec.sent.size(), 135u);
  EXPECT_EQ(rec.sent.front(), (WriteReport{3, 4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(AddressOf(rec.sent.back()), 548);
  EXPECT_EQ(seq.GaugeValue, 270);
  EXPECT_TRUE(seq.Succeeded());
}

// --- Reports the transport did not deliver ------------------------------------------------

struct LossCase {
  const char* name;
  std::set<int> failAt;
  friend void PrintTo(const LossCase& c, std::ostream* os) { *os << c.name; }
};

class LostReports : public DownloadSequenceTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(LostReports, AreCountedWhileTheSequenceKeepsItsOrderAndPace) {
  const KeyProfile p = MarkedProfile();
  rec.failAt = GetParam().failAt;
  Start(p);
  EXPECT_EQ(Tick(DownloadReportCount), 1);

  ExpectAllReportsOf(p);
  EXPECT_EQ(seq.ReportsSent, 135);
  EXPECT_EQ(seq.ReportsLost, static_cast<int>(GetParam().failAt.size()));
  EXPECT_EQ(seq.GaugeValue, 270);
  EXPECT_TRUE(seq.Complete());
  EXPECT_FALSE(seq.Succeeded());
}

std::set<int> AllReports() {
  std::set<int> s;
  for (int i = 1; i <= DownloadReportCount; ++i) s.insert(i);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Download, LostReports,
    ::testing::Values(LossCase{"First", {1}}, LossCase{"Tenth", {10}}, LossCase{"Last", {135}},
                      LossCase{"Key7FirstAndKey14First", {64, 127}}, LossCase{"All", AllReports()}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The address map used to read the keypad back -----------------------------------------

TEST(DeviceImage, KeyAddressesFollowTheMapAndPointAtTheKeysImageRecord) {
  const std::array<int, 15> documented{4, 38, 72, 106, 140, 174, 208, 260, 294, 328, 362, 396, 430, 464, 516};
  for (int key = 0; key < KeyCount; ++key) {
    EXPECT_EQ(KeyAddress(key), documented[static_cast<std::size_t>(key)]) << key;
    EXPECT_EQ(ImageOffsetOfAddress(KeyAddress(key)), 34 * key) << key;
  }
}

TEST(DeviceImage, HoldsAll45SlotsModeMajor34BytesApart) {
  const KeyProfile p = MarkedProfile();
  const DeviceImage image = BuildDeviceImage(p);
  for (int mode = 0; mode < ModeCount; ++mode)
    for (int key = 0; key < KeyCount; ++key)
      EXPECT_TRUE(std::equal(p.Slot(mode, key).action.begin(), p.Slot(mode, key).action.end(),
                             image.begin() + 34 * (15 * mode + key)))
          << "mode " << mode << " key " << key;
}

}  // namespace
