#include "EvdevKeys.h"

#include <array>
#include <linux/input-event-codes.h>

namespace v72 {

namespace {

constexpr std::uint32_t NoVk = 0xFF;

struct EvdevRow {
  std::uint16_t evdev;
  std::uint8_t scan;
  bool extended;
  std::uint32_t virtualKey;
};

constexpr bool E0 = true;
constexpr bool Plain = false;

// Virtual keys are those of the Windows headers (VK_*), written as numbers here.
constexpr EvdevRow Rows[] = {
    {KEY_ESC, 0x01, Plain, 0x1B},
    {KEY_1, 0x02, Plain, '1'}, {KEY_2, 0x03, Plain, '2'}, {KEY_3, 0x04, Plain, '3'},
    {KEY_4, 0x05, Plain, '4'}, {KEY_5, 0x06, Plain, '5'}, {KEY_6, 0x07, Plain, '6'},
    {KEY_7, 0x08, Plain, '7'}, {KEY_8, 0x09, Plain, '8'}, {KEY_9, 0x0A, Plain, '9'},
    {KEY_0, 0x0B, Plain, '0'},
    {KEY_MINUS, 0x0C, Plain, 0xBD}, {KEY_EQUAL, 0x0D, Plain, 0xBB},
    {KEY_BACKSPACE, 0x0E, Plain, 0x08}, {KEY_TAB, 0x0F, Plain, 0x09},
    {KEY_Q, 0x10, Plain, 'Q'}, {KEY_W, 0x11, Plain, 'W'}, {KEY_E, 0x12, Plain, 'E'},
    {KEY_R, 0x13, Plain, 'R'}, {KEY_T, 0x14, Plain, 'T'}, {KEY_Y, 0x15, Plain, 'Y'},
    {KEY_U, 0x16, Plain, 'U'}, {KEY_I, 0x17, Plain, 'I'}, {KEY_O, 0x18, Plain, 'O'},
    {KEY_P, 0x19, Plain, 'P'},
    {KEY_LEFTBRACE, 0x1A, Plain, 0xDB}, {KEY_RIGHTBRACE, 0x1B, Plain, 0xDD},
    {KEY_ENTER, 0x1C, Plain, 0x0D}, {KEY_LEFTCTRL, 0x1D, Plain, 0x11},
    {KEY_A, 0x1E, Plain, 'A'}, {KEY_S, 0x1F, Plain, 'S'}, {KEY_D, 0x20, Plain, 'D'},
    {KEY_F, 0x21, Plain, 'F'}, {KEY_G, 0x22, Plain, 'G'}, {KEY_H, 0x23, Plain, 'H'},
    {KEY_J, 0x24, Plain, 'J'}, {KEY_K, 0x25, Plain, 'K'}, {KEY_L, 0x26, Plain, 'L'},
    {KEY_SEMICOLON, 0x27, Plain, 0xBA}, {KEY_APOSTROPHE, 0x28, Plain, 0xDE},
    {KEY_GRAVE, 0x29, Plain, 0xC0}, {KEY_LEFTSHIFT, 0x2A, Plain, 0x10},
    {KEY_BACKSLASH, 0x2B, Plain, 0xDC},
    {KEY_Z, 0x2C, Plain, 'Z'}, {KEY_X, 0x2D, Plain, 'X'}, {KEY_C, 0x2E, Plain, 'C'},
    {KEY_V, 0x2F, Plain, 'V'}, {KEY_B, 0x30, Plain, 'B'}, {KEY_N, 0x31, Plain, 'N'},
    {KEY_M, 0x32, Plain, 'M'},
    {KEY_COMMA, 0x33, Plain, 0xBC}, {KEY_DOT, 0x34, Plain, 0xBE}, {KEY_SLASH, 0x35, Plain, 0xBF},
    {KEY_RIGHTSHIFT, 0x36, Plain, 0x10}, {KEY_KPASTERISK, 0x37, Plain, 0x6A},
    {KEY_LEFTALT, 0x38, Plain, 0x12}, {KEY_SPACE, 0x39, Plain, 0x20},
    {KEY_CAPSLOCK, 0x3A, Plain, 0x14},
    {KEY_F1, 0x3B, Plain, 0x70}, {KEY_F2, 0x3C, Plain, 0x71}, {KEY_F3, 0x3D, Plain, 0x72},
    {KEY_F4, 0x3E, Plain, 0x73}, {KEY_F5, 0x3F, Plain, 0x74}, {KEY_F6, 0x40, Plain, 0x75},
    {KEY_F7, 0x41, Plain, 0x76}, {KEY_F8, 0x42, Plain, 0x77}, {KEY_F9, 0x43, Plain, 0x78},
    {KEY_F10, 0x44, Plain, 0x79}, {KEY_F11, 0x57, Plain, 0x7A}, {KEY_F12, 0x58, Plain, 0x7B},
    // Windows reports Num Lock with E0 and Pause without, the reverse of their raw codes.
    {KEY_NUMLOCK, 0x45, E0, 0x90}, {KEY_PAUSE, 0x45, Plain, 0x13},
    {KEY_SCROLLLOCK, 0x46, Plain, 0x91},
    {KEY_KP7, 0x47, Plain, 0x67}, {KEY_KP8, 0x48, Plain, 0x68}, {KEY_KP9, 0x49, Plain, 0x69},
    {KEY_KPMINUS, 0x4A, Plain, 0x6D},
    {KEY_KP4, 0x4B, Plain, 0x64}, {KEY_KP5, 0x4C, Plain, 0x65}, {KEY_KP6, 0x4D, Plain, 0x66},
    {KEY_KPPLUS, 0x4E, Plain, 0x6B},
    {KEY_KP1, 0x4F, Plain, 0x61}, {KEY_KP2, 0x50, Plain, 0x62}, {KEY_KP3, 0x51, Plain, 0x63},
    {KEY_KP0, 0x52, Plain, 0x60}, {KEY_KPDOT, 0x53, Plain, 0x6E},
    {KEY_102ND, 0x56, Plain, 0xE2},
    {KEY_KPENTER, 0x1C, E0, 0x0D}, {KEY_RIGHTCTRL, 0x1D, E0, 0x11},
    {KEY_KPSLASH, 0x35, E0, 0x6F}, {KEY_SYSRQ, 0x37, E0, 0x2C}, {KEY_RIGHTALT, 0x38, E0, 0x12},
    {KEY_HOME, 0x47, E0, 0x24}, {KEY_UP, 0x48, E0, 0x26}, {KEY_PAGEUP, 0x49, E0, 0x21},
    {KEY_LEFT, 0x4B, E0, 0x25}, {KEY_RIGHT, 0x4D, E0, 0x27}, {KEY_END, 0x4F, E0, 0x23},
    {KEY_DOWN, 0x50, E0, 0x28}, {KEY_PAGEDOWN, 0x51, E0, 0x22}, {KEY_INSERT, 0x52, E0, 0x2D},
    {KEY_DELETE, 0x53, E0, 0x2E},
    {KEY_LEFTMETA, 0x5B, E0, 0x5B}, {KEY_RIGHTMETA, 0x5C, E0, 0x5C}, {KEY_COMPOSE, 0x5D, E0, 0x5D},
    // Keys beyond a 105-key board, with the scan codes the keypad's tables give them.
    {KEY_KPEQUAL, 0x59, Plain, NoVk},
    {KEY_F13, 0x5D, Plain, 0x7C}, {KEY_F14, 0x5E, Plain, 0x7D}, {KEY_F15, 0x5F, Plain, 0x7E},
    {KEY_KPCOMMA, 0x7E, Plain, NoVk},
    {KEY_RO, 0x73, Plain, NoVk}, {KEY_KATAKANAHIRAGANA, 0x70, Plain, NoVk},
    {KEY_YEN, 0x7D, Plain, NoVk}, {KEY_HENKAN, 0x79, Plain, NoVk},
    {KEY_MUHENKAN, 0x7B, Plain, NoVk}, {KEY_KPJPCOMMA, 0x5C, Plain, NoVk},
    {KEY_HANGEUL, 0xF2, Plain, NoVk}, {KEY_HANJA, 0xF1, Plain, NoVk},
    {KEY_KATAKANA, 0x78, Plain, NoVk}, {KEY_HIRAGANA, 0x77, Plain, NoVk},
    {KEY_ZENKAKUHANKAKU, 0x76, Plain, NoVk},
};

constexpr std::size_t TableSize = 256;

constexpr std::array<std::optional<WindowsKey>, TableSize> MakeTable() {
  std::array<std::optional<WindowsKey>, TableSize> t{};
  for (const EvdevRow& r : Rows) t[r.evdev] = WindowsKey{r.scan, r.extended, r.virtualKey};
  return t;
}

constexpr auto Table = MakeTable();

}  // namespace

std::optional<WindowsKey> WindowsKeyOfEvdev(std::uint32_t evdevCode) {
  if (evdevCode >= TableSize) return std::nullopt;
  return Table[evdevCode];
}

std::optional<WindowsKey> WindowsKeyOfNativeScanCode(std::uint32_t nativeScanCode) {
  if (nativeScanCode < 8) return std::nullopt;
  return WindowsKeyOfEvdev(nativeScanCode - 8);
}

std::uint32_t KeystrokeFlags(Keystroke stroke, std::uint8_t scan, bool extended) {
  std::uint32_t flags = 1u | (std::uint32_t{scan} << 16) | (extended ? 1u << 24 : 0u);
  if (stroke != Keystroke::Press) flags |= 1u << 30;
  if (stroke == Keystroke::Release) flags |= 1u << 31;
  return flags;
}

}  // namespace v72
