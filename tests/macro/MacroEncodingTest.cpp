// Macro bytes: texts, unit conversions, play mode, decoding for the editor and finalising.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "KeyProfile.h"
#include "MacroEncoding.h"

using namespace v72;

namespace {

KeyAction Action(std::initializer_list<std::uint8_t> events, std::uint8_t kind = PlayOnce,
                 std::uint8_t interval = 0) {
  KeyAction a{};
  std::size_t i = 0;
  for (std::uint8_t b : events) a[i++] = b;
  a[KindByte] = kind;
  a[IntervalByte] = interval;
  return a;
}

std::u16string Printf01(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.01f", v);
  return std::u16string(buf, buf + std::char_traits<char>::length(buf));
}

}  // namespace

TEST(MacroText, EventLineIsNameTwoSpacesAndTheWord) {
  EXPECT_EQ(EventLineText(u"A", 0x00), u"A  press");
  EXPECT_EQ(EventLineText(u"A", 0xC0), u"A  release");
  EXPECT_EQ(EventLineText(u"Num Enter", 0x7F), u"Num Enter  press");
  const EventWords pack{u"drücken", u"loslassen"};
  EXPECT_EQ(EventLineText(u"A", 0x05, pack), u"A  drücken");
  EXPECT_EQ(EventLineText(u"A", 0x85, pack), u"A  loslassen");
}

TEST(MacroText, DelayLineShowsTheLowSixBitsAsSeconds) {
  for (int flags = 0; flags < 256; ++flags)
    EXPECT_EQ(DelayLineText(static_cast<EventFlags>(flags)), Printf01((flags & 0x3F) * 0.1)) << flags;
  EXPECT_EQ(DelayLineText(0xFF), u"6.3");
  EXPECT_EQ(DelayLineText(0x00), u"0.0");
}

TEST(MacroUnits, EveryIntervalFromZeroTo25_5StoresAsTenTimesItsValueAndShowsAgain) {
  for (int tenths = 0; tenths <= 255; ++tenths) {
    const std::u16string typed = Printf01(tenths / 10.0);
    EXPECT_EQ(IntervalFromSeconds(tenths / 10.0), tenths) << tenths;
    EXPECT_EQ(IntervalFromSeconds(IntervalSeconds(static_cast<MacroInterval>(tenths))), tenths);
    EXPECT_EQ(Printf01(IntervalSeconds(static_cast<MacroInterval>(tenths))), typed);
    EXPECT_EQ(TenthsText(tenths), typed);
  }
  EXPECT_EQ(IntervalFromSeconds(2.1), 21);
  EXPECT_EQ(IntervalFromSeconds(20.3), 203);
}

TEST(MacroUnits, OutOfRangeSecondsAreKeptWithinTheField) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(IntervalFromSeconds(25.6), 255);
  EXPECT_EQ(IntervalFromSeconds(1e9), 255);
  EXPECT_EQ(IntervalFromSeconds(-0.1), 0);
  EXPECT_EQ(IntervalFromSeconds(nan), 0);
  // A delay must never spill into the last-event or release bit.
  EXPECT_EQ(DelayFromSeconds(6.4, 0x00), 0x3F);
  EXPECT_EQ(DelayFromSeconds(100.0, 0x80), 0xBF);
  EXPECT_EQ(DelayFromSeconds(-1.0, 0x40), 0x40);
  EXPECT_EQ(DelayFromSeconds(nan, 0xC5), 0xC0);
}

TEST(MacroUnits, ChangingADelayKeepsTheReleaseAndLastEventBits) {
  for (int old : {0x00, 0x40, 0x80, 0xC0, 0xFF, 0x3F})
    for (int tenths = 0; tenths <= 63; ++tenths)
      EXPECT_EQ(DelayFromSeconds(tenths / 10.0, static_cast<EventFlags>(old)), (old & 0xC0) | tenths)
          << old << " " << tenths;
}

struct TickCase {
  const char* label;
  std::uint32_t from, to;
  int tenths;
  const char16_t* line;
  friend void PrintTo(const TickCase& c, std::ostream* os) { *os << c.label; }
};

class RecordedDelay : public ::testing::TestWithParam<TickCase> {};

TEST_P(RecordedDelay, IsTheClampedDifferenceInWholeTenths) {
  const TickCase& c = GetParam();
  const std::uint8_t tenths = RecordedDelayTenths(c.from, c.to);
  EXPECT_EQ(tenths, c.tenths);
  EXPECT_EQ(DelayLineText(tenths), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, RecordedDelay,
    ::testing::Values(TickCase{"same_tick", 500, 500, 0, u"0.0"}, TickCase{"ms_99", 1000, 1099, 0, u"0.0"},
                      TickCase{"ms_100", 1000, 1100, 1, u"0.1"}, TickCase{"ms_6299", 0, 6299, 62, u"6.2"},
                      TickCase{"ms_6300", 0, 6300, 63, u"6.3"}, TickCase{"s_7", 40000, 47000, 63, u"6.3"},
                      TickCase{"s_10", 0, 10000, 63, u"6.3"},
                      TickCase{"tick_wraps", 0xFFFFFF00u, 0x00000090u, 4, u"0.4"},
                      TickCase{"tick_goes_back", 5000, 4999, 63, u"6.3"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PlayMode, RadiosAndKindsCorrespondInOrder) {
  EXPECT_EQ(KindFromRadio(1), PlayOnce);
  EXPECT_EQ(KindFromRadio(2), RepeatWhileDown);
  EXPECT_EQ(KindFromRadio(3), RepeatUntilPressed);
  EXPECT_EQ(KindFromRadio(0), PlayOnce);
  EXPECT_EQ(KindFromRadio(4), PlayOnce);
  for (int kind = 0; kind < 256; ++kind) {
    const int want = kind == 0xA1 ? 2 : kind == 0xA2 ? 3 : 1;   // 0xA3 and all others: the first
    EXPECT_EQ(RadioFromKind(static_cast<std::uint8_t>(kind)), want) << kind;
  }
  EXPECT_EQ(KindFromRadios(false, true, false), RepeatWhileDown);
  EXPECT_EQ(KindFromRadios(false, false, true), RepeatUntilPressed);
  EXPECT_EQ(KindFromRadios(false, true, true), RepeatWhileDown);   // the first checked one
  EXPECT_EQ(KindFromRadios(true, true, true), PlayOnce);
  EXPECT_EQ(KindFromRadios(false, false, false), PlayOnce);
}

TEST(DecodeForEditing, TheWorkedExample) {
  const KeyAction a = Action({0x01, 0x02, 0x01, 0xC0}, PlayOnce, 0x0F);
  const MacroEditView v = DecodeForEditing(a);
  EXPECT_EQ(v.lines, (std::vector<std::u16string>{u"A  press", u"0.2", u"A  release", u"0.0"}));
  EXPECT_EQ(v.radio, 1);
  EXPECT_DOUBLE_EQ(v.interval, 1.5);
  EXPECT_TRUE(std::equal(v.events.begin(), v.events.end(), a.begin()));
}

TEST(DecodeForEditing, RadioFromTheKindAndWordsFromThePack) {
  const MacroEditView v = DecodeForEditing(Action({0x25, 0x3F, 0x25, 0x80}, RepeatUntilPressed, 255),
                                           EventWords{u"dn", u"up"});
  EXPECT_EQ(v.lines, (std::vector<std::u16string>{u"Enter  dn", u"6.3", u"Enter  up", u"0.0"}));
  EXPECT_EQ(v.radio, 3);
  EXPECT_DOUBLE_EQ(v.interval, 25.5);
  EXPECT_EQ(DecodeForEditing(Action({0x01, 0x00}, SingleKeyKind)).radio, 1);
  EXPECT_EQ(DecodeForEditing(Action({0x01, 0x00}, 0x00)).radio, 1);
}

TEST(DecodeForEditing, SixteenEventsGiveThirtyTwoLines) {
  KeyAction a = Action({});
  for (std::size_t i = 0; i < 16; ++i) {
    a[2 * i] = static_cast<std::uint8_t>(55 + i / 2);   // F1..F8
    a[2 * i + 1] = static_cast<std::uint8_t>((i % 2 ? 0x80 : 0) | i);
  }
  a[31] |= LastEventBit;
  const MacroEditView v = DecodeForEditing(a);
  ASSERT_EQ(v.lines.size(), 32u);
  EXPECT_EQ(v.lines[30], u"F8  release");
  EXPECT_EQ(v.lines[31], u"1.5");
  EXPECT_TRUE(std::equal(v.events.begin(), v.events.end(), a.begin()));
}

// Events without a name (code 0 from a key the keypad has no code for, a mouse button,
// codes above 114) are not listed, and the rest close up so that line i is still byte i.
TEST(DecodeForEditing, UnlistedSlotsAreLeftOutOfLinesAndBytes) {
  const KeyAction a = Action({0x00, 0x03,      // F13 recorded with code 0
                              0x02, 0x01,      // B press
                              0x74, 0x00,      // middle mouse button
                              0xC8, 0x80,      // code 200
                              0x72, 0x02,      // 114 LANG1 press
                              0x02, 0xC4});    // B release, last
  const MacroEditView v = DecodeForEditing(a);
  EXPECT_EQ(v.lines, (std::vector<std::u16string>{u"B  press", u"0.1", u"Hangul  press", u"0.2",
                                                  u"B  release", u"0.4"}));
  EventArea want{};
  const std::uint8_t kept[] = {0x02, 0x01, 0x72, 0x02, 0x02, 0xC4};
  std::copy(std::begin(kept), std::end(kept), want.begin());
  EXPECT_EQ(v.events, want);
  for (std::size_t i = 1; i < v.lines.size(); i += 2) EXPECT_EQ(v.lines[i], DelayLineText(v.events[i]));
}

TEST(DecodeForEditing, EmptyMacroListsNothing) {
  const MacroEditView v = DecodeForEditing(Action({}));
  EXPECT_TRUE(v.lines.empty());
  EXPECT_EQ(v.events, EventArea{});
}

struct FinaliseCase {
  const char* label;
  std::size_t lines;
  int lastBitByte;   // -1: none
  friend void PrintTo(const FinaliseCase& c, std::ostream* os) { *os << c.label; }
};

class Finalise : public ::testing::TestWithParam<FinaliseCase> {};

TEST_P(Finalise, PlacesTheLastEventBitOnlyOnTheLastListedEvent) {
  KeyAction a{};
  for (std::size_t i = 0; i < EventBytes; i += 2) {
    a[i] = 0x41;                                         // a code with bit 6 set (F11)
    a[i + 1] = static_cast<std::uint8_t>(0xC0 | i);      // stale last-event bits everywhere
  }
  a[KindByte] = RepeatWhileDown;
  a[IntervalByte] = 0x40;
  const KeyAction before = a;
  FinaliseEvents(a, GetParam().lines);
  for (std::size_t i = 0; i < KeyActionSize; ++i) {
    std::uint8_t want = before[i];
    if (i < EventBytes && i % 2 == 1)
      want = static_cast<std::uint8_t>((before[i] & ~LastEventBit) |
                                       (static_cast<int>(i) == GetParam().lastBitByte ? LastEventBit : 0));
    EXPECT_EQ(a[i], want) << "byte " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    LineCounts, Finalise,
    ::testing::Values(FinaliseCase{"no_events", 0, -1}, FinaliseCase{"one_event", 2, 1},
                      FinaliseCase{"two_events", 4, 3}, FinaliseCase{"sixteen_events", 32, 31},
                      // OK while recording: the last event line has no delay line yet
                      FinaliseCase{"event_line_without_delay", 3, 3}, FinaliseCase{"lone_event_line", 1, 1},
                      FinaliseCase{"more_lines_than_bytes", 40, 31}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MacroEvent, ReadsCodeReleaseLastAndDelay) {
  const KeyAction a = Action({0x01, 0x02, 0x01, 0xFF});
  EXPECT_EQ(EventAt(a, 0), (MacroEvent{0x01, 0x02}));
  const MacroEvent e = EventAt(a, 1);
  EXPECT_TRUE(e.Release());
  EXPECT_TRUE(e.Last());
  EXPECT_EQ(e.DelayTenths(), 63);
  EXPECT_FALSE(EventAt(a, 0).Release());
  EXPECT_EQ(EventAt(a, 15), MacroEvent{});
}
