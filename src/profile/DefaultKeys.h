#pragma once
// The keyboard key each keypad key stands for out of the box (the key menu's Default).

#include <array>
#include <cstdint>

#include "KeyProfile.h"

namespace v72 {

struct DefaultKey {
  std::uint8_t code;        // device key code
  const char16_t* name;     // the same with or without a language pack
};

extern const std::array<DefaultKey, KeyCount> DefaultKeys;

// A single-key action: press and release of `code`, kind SingleKeyKind, interval 0.
KeyAction SingleKeyAction(std::uint8_t code);

}  // namespace v72
