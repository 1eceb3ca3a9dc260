#pragma once
// KeyCfgTool's language: the program folder, the pack UILANG.lng in it, the font chosen by the
// pack's language id, and the texts looked up by number. Set up once while the main window is
// created; every form then applies its texts while it is created.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <QFont>
#include <QFontDatabase>

#include "PackReader.h"
#include "TextTable.h"

namespace v72 {

inline constexpr char16_t LanguageFileName[] = u"UILANG.lng";
inline constexpr std::uint16_t DefaultLanguageId = 1033;

// Character sets of the font table.
inline constexpr int DefaultCharset = 1;
inline constexpr int ShiftJisCharset = 128;
inline constexpr int HangulCharset = 129;
inline constexpr int Gb2312Charset = 134;
inline constexpr int Big5Charset = 136;

struct LanguageFont {
  std::u16string_view face;
  int charset;
  int pointSize;
};

// The face, character set and size for a language id.
LanguageFont LanguageFontFor(std::uint16_t languageId);

// The writing system a character set stands for: the hint for picking a fallback face that
// can show the language when the named face is not installed.
QFontDatabase::WritingSystem WritingSystemOf(int charset);

// A font with the face and size (the character set travels beside it, see WritingSystemOf).
QFont MakeLanguageFont(const LanguageFont& font);

// The language id in the text of number 0: a signed decimal after leading blanks, up to the
// first character that is not a digit (0 without digits), reduced to its low 16 bits.
std::uint16_t ParseLanguageId(std::u16string_view text);

// The program folder from the open command of profile files: the text between the first two
// double quotes when there is one (empty without a second), else the whole command; then all
// before its last '/' (empty without one). No command: `currentDirectory`.
std::u16string ProgramDirectoryFrom(const std::optional<std::u16string>& openCommand,
                                    std::u16string_view currentDirectory);

// Where SetUpLanguage looks. Tests and benchmarks pass their own.
struct LanguageSources {
  std::optional<std::u16string> OpenCommand;   // none when it cannot be told
  std::u16string CurrentDirectory;
};

// The system's answers: paths::ProfileOpenCommand() and the process's current directory.
LanguageSources SystemLanguageSources();

// The language state of one run of KeyCfgTool; forms receive it when they are created.
struct LanguageState {
  std::u16string ProgramDirectory;
  std::u16string LanguageFilePath;     // empty when no pack was found
  bool LanguageLoaded = false;
  QFont UiFont;
  int UiCharset = DefaultCharset;
  QFont HintFont;                      // the application's tool-tip font
  std::array<std::u16string, MessageTextCount> MessageTexts;
  LanguagePack Pack;                   // read once; lookups never touch the disk
};

// Finds ProgramDirectory, reads <ProgramDirectory>/UILANG.lng when it is there, and sets
// UiFont, UiCharset and HintFont from its language id ("Arial" 8 without a pack). A pack that
// cannot be read or is not text counts as no pack. Sets and returns LanguageLoaded.
bool SetUpLanguage(LanguageState& state, const LanguageSources& sources = SystemLanguageSources());

// The pack's text of `number` in `text` (empty when the pack has none); true when not empty.
bool LookupText(const LanguageState& state, int number, std::u16string& text);

// Clears all MessageTexts and fills each slot whose number the pack has, in slot order.
void FillMessageTexts(LanguageState& state);

// What code shows for a message number: its MessageTexts slot with a pack loaded (empty when
// the pack lacks it), its built-in text without one.
std::u16string MessageText(const LanguageState& state, int number);

// With a pack loaded, calls `apply` for each entry of the form's list whose text the pack has,
// in the list's order. Without one, nothing: the form keeps its built-in texts.
void ForEachFormText(const LanguageState& state, std::string_view form,
                     const std::function<void(const FormText& entry, const std::u16string& text)>& apply);

}  // namespace v72
