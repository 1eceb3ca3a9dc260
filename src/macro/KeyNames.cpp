#include "KeyNames.h"

#include <array>

namespace v72 {

namespace {

using NameTable = std::array<const char16_t*, 256>;

struct NameTables {
  NameTable plain{};
  NameTable extended{};
};

NameTables MakeNames() {
  NameTables t;
  NameTable& p = t.plain;
  NameTable& e = t.extended;

  p[0x01] = u"Esc";
  const char16_t* const digits[] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0"};
  for (int i = 0; i < 10; ++i) p[0x02 + i] = digits[i];
  p[0x0C] = u"-";
  p[0x0D] = u"=";
  p[0x0E] = u"Backspace";
  p[0x0F] = u"Tab";
  const char16_t* const row1[] = {u"Q", u"W", u"E", u"R", u"T", u"Y", u"U", u"I", u"O", u"P", u"[", u"]"};
  for (int i = 0; i < 12; ++i) p[0x10 + i] = row1[i];
  p[0x1C] = u"Enter";
  p[0x1D] = u"Left Ctrl";
  const char16_t* const row2[] = {u"A", u"S", u"D", u"F", u"G", u"H", u"J", u"K", u"L", u";", u"'", u"`"};
  for (int i = 0; i < 12; ++i) p[0x1E + i] = row2[i];
  p[0x2A] = u"Left Shift";
  p[0x2B] = u"\\";
  const char16_t* const row3[] = {u"Z", u"X", u"C", u"V", u"B", u"N", u"M", u",", u".", u"/"};
  for (int i = 0; i < 10; ++i) p[0x2C + i] = row3[i];
  p[0x36] = u"Right Shift";
  p[0x37] = u"Num *";
  p[0x38] = u"Left Alt";
  p[0x39] = u"Space";
  p[0x3A] = u"Caps Lock";
  const char16_t* const fkeys[] = {u"F1", u"F2", u"F3", u"F4", u"F5", u"F6", u"F7", u"F8", u"F9", u"F10"};
  for (int i = 0; i < 10; ++i) p[0x3B + i] = fkeys[i];
  p[0x45] = u"Pause";   // Pause arrives without E0; E0 45 is Num Lock
  p[0x46] = u"Scroll Lock";
  const char16_t* const keypad[] = {u"Num 7", u"Num 8", u"Num 9", u"Num -", u"Num 4", u"Num 5", u"Num 6",
                                    u"Num +", u"Num 1", u"Num 2", u"Num 3", u"Num 0", u"Num ."};
  for (int i = 0; i < 13; ++i) p[0x47 + i] = keypad[i];
  p[0x54] = u"Prnt Scrn";   // Alt+Print Screen
  p[0x56] = u"Non-US \\";
  p[0x57] = u"F11";
  p[0x58] = u"F12";
  p[0x59] = u"Num =";
  p[0x5C] = u"International 6";
  p[0x5D] = u"F13";
  p[0x5E] = u"F14";
  p[0x5F] = u"F15";
  p[0x70] = u"Kana";
  p[0x73] = u"Ro";
  p[0x76] = u"Zenkaku/Hankaku";
  p[0x77] = u"Hiragana";
  p[0x78] = u"Katakana";
  p[0x79] = u"Convert";
  p[0x7B] = u"No Convert";
  p[0x7D] = u"Yen";
  p[0x7E] = u"Num ,";
  p[0xF1] = u"Hanja";
  p[0xF2] = u"Hangul";
  p[0xFC] = u"Keyboard Error";
  p[0xFF] = u"Key Overrun";

  e[0x1C] = u"Num Enter";
  e[0x1D] = u"Right Ctrl";
  e[0x35] = u"Num /";
  e[0x36] = u"Right Shift";   // some keyboards send Right Shift with E0
  e[0x37] = u"Prnt Scrn";
  e[0x38] = u"Right Alt";
  e[0x45] = u"Num Lock";
  e[0x46] = u"Pause";   // Ctrl+Pause
  e[0x47] = u"Home";
  e[0x48] = u"Up";
  e[0x49] = u"Page Up";
  e[0x4B] = u"Left";
  e[0x4D] = u"Right";
  e[0x4F] = u"End";
  e[0x50] = u"Down";
  e[0x51] = u"Page Down";
  e[0x52] = u"Insert";
  e[0x53] = u"Delete";
  e[0x5B] = u"Left Windows";
  e[0x5C] = u"Right Windows";
  e[0x5D] = u"Application";
  e[0xF1] = u"Hanja";
  e[0xF2] = u"Hangul";
  return t;
}

const NameTables& Names() {
  static const NameTables names = MakeNames();
  return names;
}

}  // namespace

std::u16string UsKeyNameSource::KeyName(std::uint8_t scan, bool extended) const {
  const char16_t* name = (extended ? Names().extended : Names().plain)[scan];
  return name ? std::u16string(name) : std::u16string();
}

const KeyNameSource& UsKeyNames() {
  static const UsKeyNameSource source;
  return source;
}

}  // namespace v72
