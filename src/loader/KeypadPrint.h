#pragma once
// What a simulated keypad's memory holds: the 15 key actions of mode 0, read back through
// the download's address map.

#include <array>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "DeviceImage.h"

namespace v72 {

using KeypadMemory = std::array<std::uint8_t, KeypadMemorySize>;

// Reads at most 768 bytes; a shorter file reads as if zero-filled. False when it cannot be read.
bool ReadKeypadMemory(const QString& path, KeypadMemory& memory);

KeyAction KeypadKeyAction(const KeypadMemory& memory, int key);

QByteArray KeypadText(const KeypadMemory& memory);
QByteArray KeypadJson(const KeypadMemory& memory);

}  // namespace v72
