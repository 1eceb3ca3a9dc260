#include "DeviceImage.h"

#include <algorithm>

namespace v72 {

DeviceImage BuildDeviceImage(const KeyProfile& profile) {
  DeviceImage image{};
  for (std::size_t r = 0; r < SlotCount; ++r)
    std::copy(profile.keySlots[r].action.begin(), profile.keySlots[r].action.end(),
              image.begin() + static_cast<std::ptrdiff_t>(r * KeyActionSize));
  return image;
}

int KeyAddress(int key) {
  // Each block of 256 starts with 4 unused bytes and takes at most 7 keys.
  if (key < 7) return 4 + 34 * key;
  if (key < 14) return 260 + 34 * (key - 7);
  return 516;
}

int ImageOffsetOfAddress(int address) {
  if (address < 260) return address - 4;
  if (address < 516) return address - 22;
  return address - 40;
}

}  // namespace v72
