#pragma once
// The profile with its macro library and the edit state that KeyCfgTool keeps around it.
// One per program; tests build a fresh one.

#include <cstdint>
#include <string>
#include <string_view>

#include "KeyProfile.h"
#include "MacroLibrary.h"

namespace v72 {

inline constexpr char16_t MacroDisappearText[] = u"Macro Disappear";

// Values of ModifiedLevel; anything above 1 counts as modified.
inline constexpr std::int32_t NotModified = 0;
inline constexpr std::int32_t MacroDeletedLevel = 2;
inline constexpr std::int32_t KeyChangedLevel = 3;

class ProfileState {
 public:
  KeyProfile Profile;
  MacroLibrary Library;

  std::int16_t CurrentMode = 0;
  std::int16_t CurrentKey = 0;
  std::int32_t ModifiedLevel = NotModified;
  bool ModifiedMarkShown = false;
  std::u16string ProfileFileName;

  bool IsModified() const { return ModifiedLevel > 1; }

  // The slot the editing commands address; CurrentMode and CurrentKey are kept in range.
  KeySlot& CurrentSlot();
  int CurrentIndex() const;

  // Stores `code` as the AssignCode of the current slot.
  bool SetAssignCode(std::int32_t code);

  // Writes the current slot's action and display text (cut to what the field holds).
  void WriteCurrentSlot(const KeyAction& action, std::u16string_view displayText);

  // Removes library entry i. Keys that used it are switched off (events cleared, PlayOnce,
  // interval kept, `disappearText` shown) and lose their code; keys that used later entries
  // follow them down by one. Raises ModifiedLevel to 2. False when there is no entry i.
  bool RemoveMacro(std::size_t i, std::u16string_view disappearText = MacroDisappearText);

  // New: the initial profile with `normalText` on every key, an empty library, not modified.
  void Reset(std::u16string_view normalText = NormalText);
};

}  // namespace v72
