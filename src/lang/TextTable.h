#pragma once
// The text numbers of KeyCfgTool: each number's built-in English text, the texts used by code
// (MessageTexts) and, for each form, the controls that take a text, in the order the form
// looks them up.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace v72 {

// Number 0 holds the pack's language id, not a text.
inline constexpr int LanguageIdNumber = 0;

struct TextNumber {
  int number;
  std::u16string_view builtIn;   // the first built-in text where a number has several
};

// Where a form puts a looked-up text.
enum class TextTarget {
  Caption,       // the control's caption (menu title, action, button, label, radio box)
  Hint,          // the control's tool tip
  FormCaption,   // the form's own window caption; `control` is empty
};

struct FormText {
  int number;
  std::string_view control;      // the control's objectName
  TextTarget target;
  std::u16string_view builtIn;   // what the control shows without a pack
};

// Every number in use (1 to 102 without the unused ones), ascending.
std::span<const TextNumber> TextNumbers();

// The built-in text of `number`; empty for a number that is not in use.
std::u16string_view BuiltInText(int number);

// The form names in their order of creation: TForm1, TRecDlg, TAboutBox, TSelMSBtnDlg,
// TRecSingleDlg, TMacroMngDlg, TLoadingDlg.
std::span<const std::string_view> FormNames();

// The form's controls in lookup order; empty for a name that is not a form. TForm1 looks up
// its message numbers (FillMessageTexts) before these.
std::span<const FormText> FormTexts(std::string_view form);

// The numbers of the MessageTexts slots, in the order they are filled.
inline constexpr std::size_t MessageTextCount = 16;
inline constexpr std::array<int, MessageTextCount> MessageNumbers = {
    21, 22, 39, 18, 41, 34, 35, 49, 50, 51, 52, 53, 54, 55, 56, 57};

// The MessageTexts slot of `number`, or -1 when it has none.
int MessageSlotOf(int number);

}  // namespace v72
