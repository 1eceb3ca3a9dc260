#pragma once
// What a Windows keyboard hook would report for a key of a Linux keyboard: the key's set-1
// scan code, extended flag and virtual key, and the 32-bit keystroke flags of a keystroke.

#include <cstdint>
#include <optional>

namespace v72 {

struct WindowsKey {
  std::uint8_t scan = 0;
  bool extended = false;
  std::uint32_t virtualKey = 0;   // as a US layout gives it; 0xFF for keys whose key depends on the layout

  bool operator==(const WindowsKey&) const = default;
};

// From a Linux input (evdev) key code; none for keys the keypad tables do not know.
std::optional<WindowsKey> WindowsKeyOfEvdev(std::uint32_t evdevCode);

// From QKeyEvent::nativeScanCode() on X11 and Wayland, which is the evdev code + 8.
std::optional<WindowsKey> WindowsKeyOfNativeScanCode(std::uint32_t nativeScanCode);

enum class Keystroke { Press, AutoRepeat, Release };

// Repeat count 1, the scan code, the extended flag, previous state (set for an auto-repeat
// and a release) and transition (set for a release).
std::uint32_t KeystrokeFlags(Keystroke stroke, std::uint8_t scan, bool extended);
inline std::uint32_t KeystrokeFlags(Keystroke stroke, const WindowsKey& key) {
  return KeystrokeFlags(stroke, key.scan, key.extended);
}

}  // namespace v72
