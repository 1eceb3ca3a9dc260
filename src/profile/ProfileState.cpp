#include "ProfileState.h"

#include <algorithm>

#include "ProfileText.h"

namespace v72 {

int ProfileState::CurrentIndex() const {
  const int mode = std::clamp<int>(CurrentMode, 0, ModeCount - 1);
  const int key = std::clamp<int>(CurrentKey, 0, KeyCount - 1);
  return SlotIndex(mode, key);
}

KeySlot& ProfileState::CurrentSlot() {
  return Profile.keySlots[static_cast<std::size_t>(CurrentIndex())];
}

bool ProfileState::SetAssignCode(std::int32_t code) {
  Profile.AssignCode[static_cast<std::size_t>(CurrentIndex())] = code;
  return true;
}

void ProfileState::WriteCurrentSlot(const KeyAction& action, std::u16string_view displayText) {
  KeySlot& slot = CurrentSlot();
  slot.action = action;
  slot.displayText = FieldText(displayText);
}

bool ProfileState::RemoveMacro(std::size_t i, std::u16string_view disappearText) {
  if (i >= Library.Count()) return false;
  Library.RemoveAt(i);

  const std::int64_t removed = AssignMacroBase + static_cast<std::int64_t>(i);
  const std::u16string text = FieldText(disappearText);
  for (std::size_t j = 0; j < Profile.keySlots.size(); ++j) {
    std::int32_t& code = Profile.AssignCode[j];
    if (code == removed) {
      KeySlot& slot = Profile.keySlots[j];
      std::fill(slot.action.begin(), slot.action.begin() + EventBytes, std::uint8_t{0});
      slot.action[KindByte] = PlayOnce;
      slot.displayText = text;
      code = AssignNormal;
    } else if (code > removed) {
      --code;
    }
  }
  ModifiedLevel = MacroDeletedLevel;
  return true;
}

void ProfileState::Reset(std::u16string_view normalText) {
  Profile.Reset(normalText);
  Library.Clear();
  ModifiedLevel = NotModified;
  ModifiedMarkShown = false;
  ProfileFileName.clear();
}

}  // namespace v72
