// The key code tables against the ranges as they are printed in the key code table, row by
// row and both ways, then decoding and naming.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "KeyCodes.h"

using namespace v72;

namespace {

std::string Hex(std::uint32_t v) {
  std::ostringstream s;
  s << "0x" << std::hex << std::uppercase << v;
  return s.str();
}

// A row of the scan-code table: usages first..last, then the scan codes as printed
// ("E0 37" is an extended code; commas and semicolons only separate).
struct ScanRow {
  std::uint32_t first, last;
  const char* scans;
};

const ScanRow PrintedScanRows[] = {
    {0x01, 0x02, "FF, FC"},
    {0x04, 0x1D, "1E 30 2E 20 12 21 22 23 17 24 25 26 32 31 18 19 10 13 1F 14 16 2F 11 2D 15 2C"},
    {0x1E, 0x27, "02 03 04 05 06 07 08 09 0A 0B"},
    {0x28, 0x38, "1C 01 0E 0F 39 0C 0D 1A 1B 2B 2B 27 28 29 33 34 35"},
    {0x39, 0x45, "3A 3B 3C 3D 3E 3F 40 41 42 43 44 57 58"},
    {0x46, 0x52, "E0 37, 46, E0 46, E0 52, E0 47, E0 49, E0 53, E0 4F, E0 51, E0 4D, E0 4B, E0 50, E0 48"},
    {0x53, 0x63, "E0 45, E0 35, 37, 4A, 4E, E0 1C, 4F, 50, 51, 4B, 4C, 4D, 47, 48, 49, 52, 53"},
    {0x64, 0x65, "56, E0 5D"},
    {0x67, 0x6A, "59, 5D, 5E, 5F"},
    {0x85, 0x85, "7E"},
    {0x87, 0x8C, "73, 70, 7D, 79, 7B, 5C"},
    {0x90, 0x94, "F2, F1, 78, 77, 76"},
    {0xE0, 0xE7, "1D, 2A, 38, E0 5B, E0 1D, 36, E0 38, E0 5C"},
};

struct Scan {
  std::uint8_t code;
  bool extended;
  auto operator<=>(const Scan&) const = default;
};

std::vector<Scan> ParseScans(const char* text) {
  std::vector<Scan> out;
  std::string s(text);
  for (char& c : s)
    if (c == ',' || c == ';') c = ' ';
  std::istringstream in(s);
  bool extended = false;
  for (std::string token; in >> token;) {
    if (token == "E0") {
      extended = true;
      continue;
    }
    out.push_back({static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)), extended});
    extended = false;
  }
  return out;
}

std::map<std::uint32_t, Scan> ExpectedUsageToScan() {
  std::map<std::uint32_t, Scan> m;
  for (const ScanRow& row : PrintedScanRows) {
    const std::vector<Scan> scans = ParseScans(row.scans);
    EXPECT_EQ(scans.size(), row.last - row.first + 1) << "row " << Hex(row.first);
    for (std::size_t i = 0; i < scans.size(); ++i) m[row.first + static_cast<std::uint32_t>(i)] = scans[i];
  }
  return m;
}

std::map<Scan, std::uint32_t> ExpectedScanToUsage() {
  std::map<Scan, std::uint32_t> m;
  for (const auto& [usage, scan] : ExpectedUsageToScan()) m[scan] = usage;
  // The listed differences.
  m[{0x2B, false}] = 0x31;
  m[{0x45, false}] = 0x48;
  m[{0x54, false}] = 0x46;
  m[{0x36, true}] = 0xE5;
  m[{0xF1, true}] = 0x91;
  m[{0xF2, true}] = 0x90;
  return m;
}

// Device codes first..last are usages from firstUsage on.
struct CodeRow {
  std::uint32_t first, last, firstUsage;
};
const CodeRow PrintedCodeRows[] = {
    {1, 98, 0x04}, {99, 106, 0xE0}, {107, 107, 0x85}, {108, 112, 0x87}, {113, 113, 0x91}, {114, 114, 0x90},
};

std::map<std::uint32_t, std::uint32_t> ExpectedCodeToUsage() {
  std::map<std::uint32_t, std::uint32_t> m;
  for (const CodeRow& row : PrintedCodeRows)
    for (std::uint32_t c = row.first; c <= row.last; ++c) m[c] = row.firstUsage + (c - row.first);
  return m;
}

template <class Map, class Key>
typename Map::mapped_type Lookup(const Map& m, const Key& k) {
  const auto it = m.find(k);
  return it == m.end() ? typename Map::mapped_type{} : it->second;
}

// Names every key by where it was asked for, so tests see which scan code a name came from.
class ScanEchoNames : public KeyNameSource {
 public:
  std::u16string KeyName(std::uint8_t scan, bool extended) const override {
    const std::string s = (extended ? "E0 " : "") + Hex(scan);
    return std::u16string(s.begin(), s.end());
  }
};

std::u16string EchoOf(Scan s) { return ScanEchoNames().KeyName(s.code, s.extended); }

}  // namespace

TEST(KeyCodeTables, DeviceCodesMatchThePrintedTableBothWays) {
  const auto codeToUsage = ExpectedCodeToUsage();
  ASSERT_EQ(codeToUsage.size(), 114u);
  std::map<std::uint32_t, std::uint32_t> usageToCode;
  for (const auto& [code, usage] : codeToUsage) usageToCode[usage] = code;
  for (std::uint32_t i = 0; i < 256; ++i) {
    EXPECT_EQ(CodeToUsage[i], Lookup(codeToUsage, i)) << "code " << i;
    EXPECT_EQ(UsageToCode[i], Lookup(usageToCode, i)) << "usage " << Hex(i);
  }
}

TEST(KeyCodeTables, UsageToScanMatchesThePrintedTable) {
  const auto expected = ExpectedUsageToScan();
  for (std::uint32_t usage = 0; usage < 256; ++usage) {
    const auto it = expected.find(usage);
    const std::uint32_t want = it == expected.end()
                                   ? 0
                                   : it->second.code | (it->second.extended ? ExtendedScan : 0);
    EXPECT_EQ(UsageToScan[usage], want) << "usage " << Hex(usage);
  }
}

TEST(KeyCodeTables, ScanToUsageIsTheInverseWithTheListedDifferences) {
  const auto expected = ExpectedScanToUsage();
  for (int ext = 0; ext < 2; ++ext)
    for (std::uint32_t scan = 0; scan < 256; ++scan)
      EXPECT_EQ(ScanToUsage[ext][scan], Lookup(expected, Scan{static_cast<std::uint8_t>(scan), ext == 1}))
          << (ext ? "E0 " : "") << Hex(scan);
}

// Usages a keystroke can produce without a device code: recorded with code 0, never named.
TEST(KeyCodeTables, UsagesWithoutADeviceCode) {
  const std::set<std::uint32_t> expected = {0x01, 0x02, 0x67, 0x68, 0x69, 0x6A, 0x8C, 0x92, 0x93, 0x94};
  std::set<std::uint32_t> found;
  for (int ext = 0; ext < 2; ++ext)
    for (std::uint32_t usage : ScanToUsage[ext])
      if (usage != 0 && UsageToCode[usage] == 0) found.insert(usage);
  EXPECT_EQ(found, expected);
}

// Every device code names back through the scan code the table gives its usage.
TEST(KeyNameOfCode, AsksForTheScanCodeOfTheCodesUsage) {
  const auto codeToUsage = ExpectedCodeToUsage();
  const auto usageToScan = ExpectedUsageToScan();
  const ScanEchoNames echo;
  for (std::uint32_t code = 1; code <= 114; ++code) {
    const Scan scan = usageToScan.at(codeToUsage.at(code));
    const std::u16string want = code == 67 ? u"Prnt Scrn" : EchoOf(scan);
    EXPECT_EQ(KeyNameOfCode(static_cast<std::uint8_t>(code), echo), want) << "code " << code;
  }
}

TEST(KeyNameOfCode, NoNameForZeroMouseButtonsAndCodesAbove114) {
  const ScanEchoNames echo;
  EXPECT_EQ(KeyNameOfCode(0, echo), std::nullopt);
  for (int code = 115; code < 256; ++code)
    EXPECT_EQ(KeyNameOfCode(static_cast<std::uint8_t>(code), echo), std::nullopt) << code;
}

TEST(KeyNameOfCode, LongNamesAreCutToTheNameBuffer) {
  struct Long : KeyNameSource {
    std::u16string KeyName(std::uint8_t, bool) const override { return std::u16string(300, u'x'); }
  } names;
  EXPECT_EQ(KeyNameOfCode(1, names)->size(), MaxKeyNameUnits);
  EXPECT_EQ(DecodeKeyEvent(0x41, 0x001E0001, names).name.size(), MaxKeyNameUnits);
}

struct DecodeCase {
  const char* label;
  std::uint32_t vk, flags;
  std::int32_t usage;
  std::uint8_t code;
  const char16_t* name;
  std::uint8_t transition = 0;
  std::uint32_t keptFlags = 0;   // 0: the flags as given
  friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.label; }
};

class Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, GivesUsageCodeNameAndTransition) {
  const DecodeCase& c = GetParam();
  const KeyEvent ev = DecodeKeyEvent(c.vk, c.flags);
  EXPECT_EQ(ev.virtualKey, c.vk);
  EXPECT_EQ(ev.flags, c.keptFlags ? c.keptFlags : c.flags);
  EXPECT_EQ(ev.scanCode, static_cast<std::int32_t>((c.flags >> 16) & 0xFF));
  EXPECT_EQ(ev.extended, (c.flags >> 24) & 1);
  EXPECT_EQ(ev.usage, c.usage);
  EXPECT_EQ(ev.code, c.code);
  EXPECT_EQ(ev.name, c.name);
  EXPECT_EQ(ev.transition, c.transition);
}

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, Decode,
    ::testing::Values(
        DecodeCase{"A", 0x41, 0x001E0001, 0x04, 1, u"A"},
        DecodeCase{"A_repeat", 0x41, 0x401E0001, 0x04, 1, u"A", TransitionRepeat},
        DecodeCase{"A_release", 0x41, 0xC01E0001, 0x04, 1, u"A", TransitionRelease},
        DecodeCase{"A_lone_release", 0x41, 0x801E0001, 0x04, 1, u"A", TransitionLoneRelease},
        DecodeCase{"A_with_alt", 0x41, 0x201E0001, 0x04, 1, u"A"},
        DecodeCase{"Enter", 0x0D, 0x001C0001, 0x28, 37, u"Enter"},
        DecodeCase{"Num_Enter", 0x0D, 0x011C0001, 0x58, 85, u"Num Enter"},
        DecodeCase{"Num_Lock_E0_45", 0x90, 0x01450001, 0x53, 80, u"Num Lock"},
        DecodeCase{"Pause_plain_45", 0x13, 0x00450001, 0x48, 69, u"Pause"},
        DecodeCase{"Pause_E0_46", 0x13, 0x01460001, 0x48, 69, u"Pause"},
        DecodeCase{"Print_Screen_plain_54", 0x2C, 0xC0540001, 0x46, 67, u"Prnt Scrn", TransitionRelease},
        DecodeCase{"Print_Screen_E0_37", 0x2C, 0xC1370001, 0x46, 67, u"Prnt Scrn", TransitionRelease},
        DecodeCase{"Backslash_2B", 0xDC, 0x002B0001, 0x31, 46, u"\\"},
        DecodeCase{"Right_Shift_E0_press", 0x10, 0x01360000, 0xE5, 104, u"Right Shift", 0, 0x00360000},
        DecodeCase{"Right_Shift_E0_release", 0x10, 0xC1360000, 0xE5, 104, u"Right Shift", TransitionRelease,
                   0xC0360000},
        DecodeCase{"Right_Shift_E0_counted", 0x10, 0x01360001, 0xE5, 104, u"Right Shift"},
        DecodeCase{"Right_Shift_plain", 0x10, 0x00360001, 0xE5, 104, u"Right Shift"},
        DecodeCase{"Left_Ctrl", 0x11, 0x001D0001, 0xE0, 99, u"Left Ctrl"},
        DecodeCase{"Right_Ctrl", 0x11, 0x011D0001, 0xE4, 103, u"Right Ctrl"},
        DecodeCase{"Hangul_E0_F2", 0xFF, 0x01F20001, 0x90, 114, u"Hangul"},
        DecodeCase{"Hanja_E0_F1", 0xFF, 0x01F10001, 0x91, 113, u"Hanja"},
        DecodeCase{"Keypad_equals_no_code", 0xFF, 0x00590001, 0x67, 0, u"Num ="},
        DecodeCase{"F13_no_code", 0x7C, 0x005D0001, 0x68, 0, u"F13"},
        DecodeCase{"F15_no_code", 0x7E, 0x005F0001, 0x6A, 0, u"F15"},
        DecodeCase{"LANG3_no_code", 0xFF, 0x00780001, 0x92, 0, u"Katakana"},
        DecodeCase{"LANG5_no_code", 0xFF, 0x00760001, 0x94, 0, u"Zenkaku/Hankaku"},
        DecodeCase{"Unlisted_plain_60", 0xFF, 0x00600001, 0, 0, u""},
        DecodeCase{"Unlisted_E0_1E", 0xFF, 0x011E0001, 0, 0, u""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DecodeKeyEvent, RightShiftWithE0IsNamedFromPlainRightShift) {
  const ScanEchoNames echo;
  EXPECT_EQ(DecodeKeyEvent(0x10, 0x01360000, echo).name, EchoOf({0x36, false}));
  EXPECT_EQ(DecodeKeyEvent(0x10, 0x41360001, echo).name, EchoOf({0x36, true}));   // not exactly the two flags
  EXPECT_EQ(DecodeKeyEvent(0x0D, 0x011C0001, echo).name, EchoOf({0x1C, true}));
}

// The names a user sees, and that no two keys share one.
TEST(UsKeyNames, EveryDecodableScanCodeHasItsKeysOwnName) {
  std::map<std::u16string, std::uint32_t> usageOfName;
  for (int ext = 0; ext < 2; ++ext)
    for (int scan = 0; scan < 256; ++scan) {
      const std::uint32_t usage = ScanToUsage[ext][scan];
      const std::u16string name = UsKeyNames().KeyName(static_cast<std::uint8_t>(scan), ext == 1);
      if (usage == 0) continue;
      EXPECT_FALSE(name.empty()) << (ext ? "E0 " : "") << Hex(scan);
      const auto [it, fresh] = usageOfName.emplace(name, usage);
      EXPECT_EQ(it->second, usage) << "two keys named the same: " << std::string(name.begin(), name.end());
    }
  // One name per key: as many names as keys a keystroke can produce.
  std::set<std::uint32_t> usages;
  for (int ext = 0; ext < 2; ++ext)
    for (std::uint32_t u : ScanToUsage[ext])
      if (u != 0) usages.insert(u);
  EXPECT_EQ(usageOfName.size(), usages.size());
}

TEST(UsKeyNames, CodesOnlyShareANameThroughScan2B) {
  std::map<std::u16string, std::vector<int>> codesOfName;
  for (int code = 1; code <= 114; ++code) {
    const auto name = KeyNameOfCode(static_cast<std::uint8_t>(code));
    ASSERT_TRUE(name && !name->empty()) << code;
    codesOfName[*name].push_back(code);
  }
  for (const auto& [name, codes] : codesOfName)
    if (codes.size() > 1) {
      EXPECT_EQ(codes, (std::vector<int>{46, 47})) << std::string(name.begin(), name.end());
    }
  EXPECT_EQ(codesOfName.size(), 113u);
}

TEST(UsKeyNames, NamesAUserKnows) {
  const std::pair<int, const char16_t*> cases[] = {
      {1, u"A"},           {26, u"Z"},         {27, u"1"},          {36, u"0"},           {37, u"Enter"},
      {38, u"Esc"},        {39, u"Backspace"}, {41, u"Space"},      {46, u"\\"},          {47, u"\\"},
      {54, u"Caps Lock"},  {66, u"F12"},       {67, u"Prnt Scrn"},  {69, u"Pause"},       {72, u"Page Up"},
      {73, u"Delete"},     {80, u"Num Lock"},  {81, u"Num /"},      {85, u"Num Enter"},   {92, u"Num 7"},
      {95, u"Num 0"},      {97, u"Non-US \\"}, {98, u"Application"}, {100, u"Left Shift"}, {104, u"Right Shift"},
      {102, u"Left Windows"}, {105, u"Right Alt"},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(KeyNameOfCode(static_cast<std::uint8_t>(code)), name) << code;
}
