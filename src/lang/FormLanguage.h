#pragma once
// Applying the language to widgets: one call per form while it is created, and the
// application's tool-tip font once at start-up.

#include <string_view>

#include <QFont>

#include "Language.h"

class QWidget;

namespace v72 {

// With a pack loaded: the form's font becomes UiFont and every control of the form's list that
// the pack has a text for takes it, found by objectName (all objects of that name: a menu's
// title, an action's or button's text, a label's text, a tool tip for a hint; the form's window
// title for its caption). Without a pack nothing changes. Controls the form lacks are skipped.
void ApplyFormTexts(QWidget& form, std::string_view formName, const LanguageState& language);

// The application's tool-tip font (the hint font SetUpLanguage chose, with or without a pack).
void ApplyHintFont(const QFont& hintFont);

}  // namespace v72
