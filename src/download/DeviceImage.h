#pragma once
// The 45 key actions back to back, as the download reads them, and where each chunk of
// mode 0 lands in the keypad's memory.

#include <array>
#include <cstddef>
#include <cstdint>

#include "KeyProfile.h"

namespace v72 {

inline constexpr std::size_t DeviceImageSize = SlotCount * KeyActionSize;   // 1530
inline constexpr std::size_t KeypadMemorySize = 768;                        // three blocks of 256

using DeviceImage = std::array<std::uint8_t, DeviceImageSize>;

DeviceImage BuildDeviceImage(const KeyProfile& profile);

// Keypad address of the first byte of key k (0..14) of mode 0.
int KeyAddress(int key);

// Image offset of the bytes sent at keypad address `address` (4..551).
int ImageOffsetOfAddress(int address);

}  // namespace v72
