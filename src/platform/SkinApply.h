#pragma once
// Gives the controls of a form the look of a skin. A control takes part through its
// "skinDataName" property (set by the form, e.g. "gauge"); the form itself uses "form".

#include "SkinData.h"

class QWidget;

namespace v72 {

inline constexpr char SkinDataNameProperty[] = "skinDataName";

void ApplySkin(QWidget* form, const SkinData& skin);

}  // namespace v72
