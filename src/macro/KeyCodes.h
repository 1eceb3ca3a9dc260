#pragma once
// Device key codes of the keypad (a renumbering of the USB HID keyboard usages), the PC/AT
// set-1 scan codes a keystroke arrives with, and the decoded keystroke.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "KeyNames.h"

namespace v72 {

inline constexpr std::uint8_t MaxKeyCode = 114;   // 1..114 are keyboard keys
inline constexpr std::uint8_t LeftMouseCode = 115;
inline constexpr std::uint8_t MiddleMouseCode = 116;
inline constexpr std::uint8_t RightMouseCode = 117;

inline constexpr std::uint32_t PrintScreenVirtualKey = 44;
inline constexpr char16_t PrntScrnName[] = u"Prnt Scrn";

// A `UsageToScan` entry: the scan code in the low byte, ExtendedScan set for an E0 code,
// 0 for a usage without a scan code.
inline constexpr std::uint32_t ExtendedScan = 0xE000;
constexpr std::uint8_t ScanByte(std::uint32_t entry) { return static_cast<std::uint8_t>(entry & 0xFF); }
constexpr bool IsExtendedScan(std::uint32_t entry) { return (entry & ExtendedScan) != 0; }

using KeyTable = std::array<std::uint32_t, 256>;

// Scan code to HID usage, [0] without and [1] with the extended flag; 0 = unknown key.
extern const std::array<KeyTable, 2> ScanToUsage;
// HID usage to device key code; 0 = none.
extern const KeyTable UsageToCode;
// Device key code to HID usage; 0 outside 1..114.
extern const KeyTable CodeToUsage;
// HID usage to scan code (see ExtendedScan).
extern const KeyTable UsageToScan;

// Keystroke flags in the layout of a Windows keyboard hook's lParam.
inline constexpr std::uint32_t KeystrokeExtendedBit = 1u << 24;
inline constexpr std::uint32_t KeystrokePreviousBit = 1u << 30;
inline constexpr std::uint32_t KeystrokeReleaseBit = 1u << 31;

// KeyEvent::transition
inline constexpr std::uint8_t TransitionPress = 0;
inline constexpr std::uint8_t TransitionRepeat = 4;
inline constexpr std::uint8_t TransitionLoneRelease = 8;   // release without a previous press
inline constexpr std::uint8_t TransitionRelease = 12;

struct KeyEvent {
  std::uint32_t virtualKey = 0;
  std::uint32_t flags = 0;
  std::int32_t scanCode = 0;
  std::int32_t usage = 0;        // 0 = unknown key
  std::uint8_t extended = 0;     // 0 or 1
  std::uint8_t transition = 0;
  std::uint8_t code = 0;         // device key code, 0 = none
  std::u16string name;           // at most MaxKeyNameUnits units

  bool operator==(const KeyEvent&) const = default;
};

inline constexpr std::size_t MaxKeyNameUnits = 255;   // a name buffer of 256 with its terminator

// Decodes a keystroke. Right Shift reported with the extended flag keeps the usage of
// E0 36 but is named, and kept in `flags`, as plain Right Shift.
KeyEvent DecodeKeyEvent(std::uint32_t virtualKey, std::uint32_t flags,
                        const KeyNameSource& names = UsKeyNames());

// The name of a stored device key code; none for 0, the mouse buttons and codes above 114.
std::optional<std::u16string> KeyNameOfCode(std::uint8_t code, const KeyNameSource& names = UsKeyNames());

// Whether a stored code stands for a keyboard key (1..114): the ones the macro editor lists.
constexpr bool IsKeyboardCode(std::uint8_t code) { return code >= 1 && code <= MaxKeyCode; }

}  // namespace v72
