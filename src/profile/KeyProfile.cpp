#include "KeyProfile.h"

#include "ProfileText.h"

namespace v72 {

KeyAction EmptyAction() {
  KeyAction a{};
  a[KindByte] = PlayOnce;
  return a;
}

void KeyProfile::Reset(std::u16string_view displayText) {
  const std::u16string text = FieldText(displayText);
  for (KeySlot& s : keySlots) {
    s.action = EmptyAction();
    s.displayText = text;
  }
  AssignCode.fill(AssignNormal);
}

}  // namespace v72
