#pragma once
// The key configuration of the keypad: 3 modes x 15 keys, each a 34-byte key action,
// the text the main window shows for it and the code of the command that produced it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace v72 {

inline constexpr int ModeCount = 3;
inline constexpr int KeyCount = 15;
inline constexpr int SlotCount = ModeCount * KeyCount;

inline constexpr std::size_t KeyActionSize = 34;
inline constexpr std::size_t EventBytes = 32;   // 16 events of 2 bytes
inline constexpr std::size_t KindByte = 32;
inline constexpr std::size_t IntervalByte = 33;

// Play-mode kinds kept in byte 32 of a key action.
inline constexpr std::uint8_t PlayOnce = 0xA0;
inline constexpr std::uint8_t RepeatWhileDown = 0xA1;
inline constexpr std::uint8_t RepeatUntilPressed = 0xA2;
inline constexpr std::uint8_t SingleKeyKind = 0xA3;

// What produced a slot's action.
inline constexpr std::int32_t AssignNormal = 0;
inline constexpr std::int32_t AssignSingleKey = 1;
inline constexpr std::int32_t AssignMacroOff = 2;
inline constexpr std::int32_t AssignMouseButton = 3;
inline constexpr std::int32_t AssignDefault = 4;
inline constexpr std::int32_t AssignMacroBase = 10;   // 10 + i: macro i of the library

inline constexpr char16_t NormalText[] = u"Normal";

using KeyAction = std::array<std::uint8_t, KeyActionSize>;

// 34 zero bytes with kind PlayOnce: a play-once macro without events.
KeyAction EmptyAction();

struct KeySlot {
  KeyAction action = EmptyAction();
  std::u16string displayText{NormalText};   // at most MaxTextUnits units, no zero unit

  bool operator==(const KeySlot&) const = default;
};

constexpr int SlotIndex(int mode, int key) { return mode * KeyCount + key; }

struct KeyProfile {
  std::array<KeySlot, SlotCount> keySlots{};          // mode-major
  std::array<std::int32_t, SlotCount> AssignCode{};  // mode-major

  // Back to the initial state: empty actions, the given text on every key, codes 0.
  void Reset(std::u16string_view displayText = NormalText);

  KeySlot& Slot(int mode, int key) { return keySlots[static_cast<std::size_t>(SlotIndex(mode, key))]; }
  const KeySlot& Slot(int mode, int key) const {
    return keySlots[static_cast<std::size_t>(SlotIndex(mode, key))];
  }

  bool operator==(const KeyProfile&) const = default;
};

}  // namespace v72
