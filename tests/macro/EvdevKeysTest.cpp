// Linux key codes to what the keystroke handler expects, for every key of a 105-key keyboard.

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "EvdevKeys.h"
#include "KeyCodes.h"

using namespace v72;

namespace {

struct BoardKey {
  std::uint16_t evdev;
  std::uint8_t code;   // device key code
  const char16_t* name;
};

// Row by row, main block then navigation block then keypad.
const BoardKey Iso105[] = {
    {KEY_ESC, 38, u"Esc"}, {KEY_F1, 55, u"F1"}, {KEY_F2, 56, u"F2"}, {KEY_F3, 57, u"F3"}, {KEY_F4, 58, u"F4"},
    {KEY_F5, 59, u"F5"}, {KEY_F6, 60, u"F6"}, {KEY_F7, 61, u"F7"}, {KEY_F8, 62, u"F8"}, {KEY_F9, 63, u"F9"},
    {KEY_F10, 64, u"F10"}, {KEY_F11, 65, u"F11"}, {KEY_F12, 66, u"F12"},
    {KEY_SYSRQ, 67, u"Prnt Scrn"}, {KEY_SCROLLLOCK, 68, u"Scroll Lock"}, {KEY_PAUSE, 69, u"Pause"},

    {KEY_GRAVE, 50, u"`"}, {KEY_1, 27, u"1"}, {KEY_2, 28, u"2"}, {KEY_3, 29, u"3"}, {KEY_4, 30, u"4"},
    {KEY_5, 31, u"5"}, {KEY_6, 32, u"6"}, {KEY_7, 33, u"7"}, {KEY_8, 34, u"8"}, {KEY_9, 35, u"9"},
    {KEY_0, 36, u"0"}, {KEY_MINUS, 42, u"-"}, {KEY_EQUAL, 43, u"="}, {KEY_BACKSPACE, 39, u"Backspace"},
    {KEY_INSERT, 70, u"Insert"}, {KEY_HOME, 71, u"Home"}, {KEY_PAGEUP, 72, u"Page Up"},
    {KEY_NUMLOCK, 80, u"Num Lock"}, {KEY_KPSLASH, 81, u"Num /"}, {KEY_KPASTERISK, 82, u"Num *"},
    {KEY_KPMINUS, 83, u"Num -"},

    {KEY_TAB, 40, u"Tab"}, {KEY_Q, 17, u"Q"}, {KEY_W, 23, u"W"}, {KEY_E, 5, u"E"}, {KEY_R, 18, u"R"},
    {KEY_T, 20, u"T"}, {KEY_Y, 25, u"Y"}, {KEY_U, 21, u"U"}, {KEY_I, 9, u"I"}, {KEY_O, 15, u"O"},
    {KEY_P, 16, u"P"}, {KEY_LEFTBRACE, 44, u"["}, {KEY_RIGHTBRACE, 45, u"]"},
    {KEY_DELETE, 73, u"Delete"}, {KEY_END, 74, u"End"}, {KEY_PAGEDOWN, 75, u"Page Down"},
    {KEY_KP7, 92, u"Num 7"}, {KEY_KP8, 93, u"Num 8"}, {KEY_KP9, 94, u"Num 9"}, {KEY_KPPLUS, 84, u"Num +"},

    {KEY_CAPSLOCK, 54, u"Caps Lock"}, {KEY_A, 1, u"A"}, {KEY_S, 19, u"S"}, {KEY_D, 4, u"D"}, {KEY_F, 6, u"F"},
    {KEY_G, 7, u"G"}, {KEY_H, 8, u"H"}, {KEY_J, 10, u"J"}, {KEY_K, 11, u"K"}, {KEY_L, 12, u"L"},
    {KEY_SEMICOLON, 48, u";"}, {KEY_APOSTROPHE, 49, u"'"},
    {KEY_BACKSLASH, 46, u"\\"},   // the ISO '#' key sends the same scan code as US backslash
    {KEY_ENTER, 37, u"Enter"},
    {KEY_KP4, 89, u"Num 4"}, {KEY_KP5, 90, u"Num 5"}, {KEY_KP6, 91, u"Num 6"},

    {KEY_LEFTSHIFT, 100, u"Left Shift"}, {KEY_102ND, 97, u"Non-US \\"}, {KEY_Z, 26, u"Z"}, {KEY_X, 24, u"X"},
    {KEY_C, 3, u"C"}, {KEY_V, 22, u"V"}, {KEY_B, 2, u"B"}, {KEY_N, 14, u"N"}, {KEY_M, 13, u"M"},
    {KEY_COMMA, 51, u","}, {KEY_DOT, 52, u"."}, {KEY_SLASH, 53, u"/"}, {KEY_RIGHTSHIFT, 104, u"Right Shift"},
    {KEY_UP, 79, u"Up"},
    {KEY_KP1, 86, u"Num 1"}, {KEY_KP2, 87, u"Num 2"}, {KEY_KP3, 88, u"Num 3"}, {KEY_KPENTER, 85, u"Num Enter"},

    {KEY_LEFTCTRL, 99, u"Left Ctrl"}, {KEY_LEFTMETA, 102, u"Left Windows"}, {KEY_LEFTALT, 101, u"Left Alt"},
    {KEY_SPACE, 41, u"Space"}, {KEY_RIGHTALT, 105, u"Right Alt"}, {KEY_RIGHTMETA, 106, u"Right Windows"},
    {KEY_COMPOSE, 98, u"Application"}, {KEY_RIGHTCTRL, 103, u"Right Ctrl"},
    {KEY_LEFT, 77, u"Left"}, {KEY_DOWN, 78, u"Down"}, {KEY_RIGHT, 76, u"Right"},
    {KEY_KP0, 95, u"Num 0"}, {KEY_KPDOT, 96, u"Num ."},
};

std::string Utf8(const std::u16string& s) { return {s.begin(), s.end()}; }

}  // namespace

TEST(EvdevKeys, EveryKeyOfA105KeyBoardDecodesToItsCodeAndName) {
  ASSERT_EQ(std::size(Iso105), 105u);
  std::set<int> codes;
  for (const BoardKey& k : Iso105) {
    SCOPED_TRACE(Utf8(k.name));
    codes.insert(k.code);
    const auto key = WindowsKeyOfNativeScanCode(k.evdev + 8u);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(WindowsKeyOfEvdev(k.evdev), key);

    const KeyEvent press = DecodeKeyEvent(key->virtualKey, KeystrokeFlags(Keystroke::Press, *key));
    EXPECT_EQ(press.code, k.code);
    EXPECT_EQ(press.name, k.name);
    EXPECT_EQ(press.transition, TransitionPress);
    EXPECT_EQ(DecodeKeyEvent(key->virtualKey, KeystrokeFlags(Keystroke::AutoRepeat, *key)).transition,
              TransitionRepeat);
    const KeyEvent release = DecodeKeyEvent(key->virtualKey, KeystrokeFlags(Keystroke::Release, *key));
    EXPECT_EQ(release.transition, TransitionRelease);
    EXPECT_EQ(release.code, k.code);
  }
  EXPECT_EQ(codes.size(), 105u) << "two keys of the board gave the same device code";
}

struct DifferingKey {
  const char* label;
  std::uint16_t evdev;
  std::uint8_t scan;
  bool extended;
  std::uint32_t vk;
  friend void PrintTo(const DifferingKey& c, std::ostream* os) { *os << c.label; }
};

class EvdevDiffering : public ::testing::TestWithParam<DifferingKey> {};

TEST_P(EvdevDiffering, ReportsTheScanCodeWindowsReports) {
  const DifferingKey& c = GetParam();
  EXPECT_EQ(WindowsKeyOfEvdev(c.evdev), (WindowsKey{c.scan, c.extended, c.vk}));
}

INSTANTIATE_TEST_SUITE_P(Keys, EvdevDiffering,
                         ::testing::Values(DifferingKey{"Num_Lock", KEY_NUMLOCK, 0x45, true, 0x90},
                                           DifferingKey{"Pause", KEY_PAUSE, 0x45, false, 0x13},
                                           DifferingKey{"Keypad_Enter", KEY_KPENTER, 0x1C, true, 0x0D},
                                           DifferingKey{"Right_Ctrl", KEY_RIGHTCTRL, 0x1D, true, 0x11},
                                           DifferingKey{"Print_Screen", KEY_SYSRQ, 0x37, true, 44},
                                           DifferingKey{"Keypad_slash", KEY_KPSLASH, 0x35, true, 0x6F},
                                           DifferingKey{"Right_Shift", KEY_RIGHTSHIFT, 0x36, false, 0x10}),
                         [](const auto& info) { return std::string(info.param.label); });

// Keys beyond the 105: they reach the tables, some with a device code and some without.
TEST(EvdevKeys, InternationalAndExtraKeysReachTheirUsages) {
  const std::pair<std::uint16_t, std::uint32_t> cases[] = {
      {KEY_KPEQUAL, 0x67},  {KEY_F13, 0x68},      {KEY_F14, 0x69},  {KEY_F15, 0x6A},
      {KEY_KPCOMMA, 0x85},  {KEY_RO, 0x87},       {KEY_KATAKANAHIRAGANA, 0x88},
      {KEY_YEN, 0x89},      {KEY_HENKAN, 0x8A},   {KEY_MUHENKAN, 0x8B}, {KEY_KPJPCOMMA, 0x8C},
      {KEY_HANGEUL, 0x90},  {KEY_HANJA, 0x91},    {KEY_KATAKANA, 0x92}, {KEY_HIRAGANA, 0x93},
      {KEY_ZENKAKUHANKAKU, 0x94},
  };
  for (const auto& [evdev, usage] : cases) {
    const auto key = WindowsKeyOfEvdev(evdev);
    ASSERT_TRUE(key.has_value()) << evdev;
    const KeyEvent ev = DecodeKeyEvent(key->virtualKey, KeystrokeFlags(Keystroke::Press, *key));
    EXPECT_EQ(ev.usage, static_cast<std::int32_t>(usage)) << evdev;
    EXPECT_FALSE(ev.name.empty()) << evdev;
  }
}

TEST(EvdevKeys, EveryKnownKeyIsDistinctAndOnlyPrintScreenIsVirtualKey44) {
  std::set<std::pair<int, bool>> seen;
  for (std::uint32_t evdev = 0; evdev < 1024; ++evdev) {
    const auto key = WindowsKeyOfEvdev(evdev);
    if (!key) continue;
    EXPECT_TRUE(seen.insert({key->scan, key->extended}).second) << "evdev " << evdev;
    EXPECT_NE(ScanToUsage[key->extended][key->scan], 0u) << "evdev " << evdev;
    EXPECT_EQ(key->virtualKey == PrintScreenVirtualKey, evdev == KEY_SYSRQ) << "evdev " << evdev;
  }
  EXPECT_EQ(WindowsKeyOfEvdev(KEY_RESERVED), std::nullopt);
  EXPECT_EQ(WindowsKeyOfEvdev(KEY_MUTE), std::nullopt);
  EXPECT_EQ(WindowsKeyOfNativeScanCode(0), std::nullopt);
  EXPECT_EQ(WindowsKeyOfNativeScanCode(7), std::nullopt);
  EXPECT_EQ(WindowsKeyOfNativeScanCode(0xFFFFFFFFu), std::nullopt);
}

TEST(KeystrokeFlags, LaysOutRepeatScanExtendedPreviousAndTransition) {
  EXPECT_EQ(KeystrokeFlags(Keystroke::Press, 0x1E, false), 0x001E0001u);
  EXPECT_EQ(KeystrokeFlags(Keystroke::AutoRepeat, 0x1E, false), 0x401E0001u);
  EXPECT_EQ(KeystrokeFlags(Keystroke::Release, 0x1E, false), 0xC01E0001u);
  EXPECT_EQ(KeystrokeFlags(Keystroke::Press, 0x1C, true), 0x011C0001u);
  EXPECT_EQ(KeystrokeFlags(Keystroke::Release, 0x37, true), 0xC1370001u);
  EXPECT_EQ(KeystrokeFlags(Keystroke::Release, 0xFF, true), 0xC1FF0001u);
}
