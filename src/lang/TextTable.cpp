#include "TextTable.h"

#include <algorithm>

namespace v72 {

namespace {

using namespace std::string_view_literals;

constexpr TextNumber Numbers[] = {
    {1, u"&File"},
    {2, u"&Mode"},
    {3, u"M&acro"},
    {4, u"&Help"},
    {5, u"&New"},
    {6, u"&Open..."},
    {7, u"&Save"},
    {8, u"Save &As..."},
    {9, u"&Import"},
    {10, u"E&xit"},
    {11, u"New Macro"},
    {12, u"Edit Macros"},
    {13, u"About"},
    {15, u"Loading"},
    {16, u"Single Key..."},
    {17, u"New Macro..."},
    {18, u"Macro Off"},
    {19, u"Mouse Button..."},
    {20, u"Default"},
    {21, u"More..."},
    {22, u"Rec"},
    {23, u"OK"},
    {24, u"Cancel"},
    {25, u"Macro Editor"},
    {26, u"Up"},
    {27, u"Down"},
    {28, u"Delete"},
    {29, u"Insert"},
    {30, u"Macro Manager"},
    {31, u"EDIT"},
    {32, u"DELETE"},
    {33, u"CLOSE"},
    {34, u"Macro already exists, please change macro name."},
    {35, u"Key settings has been modified, you will lost the current settings when you close the window without saving. Continue?"},
    {36, u"Play macro one time only"},
    {37, u"Repeat macro while the key is down"},
    {38, u"Repeat macro until the key is pressed again"},
    {39, u"Stop"},
    {40, u"ASSIGN"},
    {41, u"Macro Disappear"},
    {42, u"Select Mouse Button"},
    {43, u"LEFT"},
    {44, u"MIDDLE"},
    {45, u"RIGHT"},
    {49, u"Normal"},
    {50, u"File open for write failed"},
    {51, u"File open for read failed"},
    {52, u"Unsupported file"},
    {53, u"Warning"},
    {54, u""},   // a message slot that is loaded but never shown
    {55, u"Out of 8 keys data, can not insert"},
    {56, u"press"},
    {57, u"release"},
    {58, u"Loading"},
    {100, u"Key Interval delay"},
    {101, u"Macro key Interval delay time"},
    {102, u"Version"},
};

constexpr auto C = TextTarget::Caption;
constexpr auto H = TextTarget::Hint;
constexpr auto F = TextTarget::FormCaption;

constexpr FormText Form1Texts[] = {
    {1, "File1"sv, C, u"&File"},
    {2, "Mode1"sv, C, u"&Mode"},
    {3, "Marco2"sv, C, u"M&acro"},
    {4, "Help1"sv, C, u"&Help"},
    {4, "Help2"sv, C, u"Help"},
    {4, "ToolButton7"sv, H, u"Help"},
    {5, "New1"sv, C, u"&New"},
    {5, "ToolButton4"sv, H, u"New"},
    {6, "Open1"sv, C, u"&Open..."},
    {6, "ToolButton5"sv, H, u"Open"},
    {7, "Save1"sv, C, u"&Save"},
    {7, "ToolButton6"sv, H, u"Save"},
    {8, "SaveAs1"sv, C, u"Save &As..."},
    {9, "Import1"sv, C, u"&Import"},
    {10, "Exit1"sv, C, u"E&xit"},
    {11, "NewMacro1"sv, C, u"New Macro"},
    {12, "EditMarcos1"sv, C, u"Edit Macros"},
    {13, "About1"sv, C, u"About"},
    {15, "TSPDBTN_Import"sv, C, u"Loading"},
    {16, "SingeKey1"sv, C, u"Single Key..."},
    {17, "Marco1"sv, C, u"New Macro..."},
    {18, "MacrosOff1"sv, C, u"Macro Off"},
    {19, "MouseButton1"sv, C, u"Mouse Button..."},
    {20, "Default1"sv, C, u"Default"},
};

constexpr FormText RecDlgTexts[] = {
    {25, ""sv, F, u"Macro Editor"},
    {22, "TntBitBtn37"sv, C, u"Rec"},
    {23, "TntBitBtn38"sv, C, u"OK"},
    {26, "TntBitBtn1"sv, C, u"Up"},
    {27, "TntBitBtn2"sv, C, u"Down"},
    {28, "TntBitBtn3"sv, C, u"Delete"},
    {29, "TntBitBtn4"sv, C, u"Insert"},
    {36, "TntRadioButton1"sv, C, u"Play macro one time only"},
    {37, "TntRadioButton2"sv, C, u"Repeat macro while the key is down"},
    {38, "TntRadioButton3"sv, C, u"Repeat macro until the key is pressed again"},
    {100, "TntLbl_KeyInterval"sv, C, u"Key Interval delay"},
    {101, "TntLbl_MacroInterval"sv, C, u"Macro key Interval delay time"},
};

constexpr FormText AboutBoxTexts[] = {
    {13, ""sv, F, u"About"},
    {102, "Version"sv, C, u"Version"},
};

constexpr FormText SelMSBtnDlgTexts[] = {
    {42, ""sv, F, u"Select Mouse Button"},
    {43, "TntRadioButton1"sv, C, u"LEFT"},
    {44, "TntRadioButton2"sv, C, u"MIDDLE"},
    {45, "TntRadioButton3"sv, C, u"RIGHT"},
    {23, "TntBitBtn1"sv, C, u"OK"},
    {24, "TntBitBtn2"sv, C, u"Cancel"},
};

constexpr FormText RecSingleDlgTexts[] = {
    {16, ""sv, F, u"Single Key"},
    // The form says "RECORDING"; the dialog puts text 22 there each time it opens.
    {22, "TntBitBtn1"sv, C, u"RECORDING"},
    {23, "TntBitBtn2"sv, C, u"OK"},
    {24, "TntBitBtn3"sv, C, u"CANCEL"},
};

constexpr FormText MacroMngDlgTexts[] = {
    {30, ""sv, F, u"Macro Manager"},
    {31, "TntBitBtn2"sv, C, u"EDIT"},
    {32, "TntBitBtn3"sv, C, u"DELETE"},
    {17, "TntBitBtn4"sv, C, u"NEW"},
    {40, "TntBitBtn5"sv, C, u"ASSIGN"},
    {33, "TntBitBtn1"sv, C, u"CLOSE"},
};

constexpr FormText LoadingDlgTexts[] = {
    {58, ""sv, F, u"Loading"},
};

struct FormEntry {
  std::string_view name;
  std::span<const FormText> texts;
};

constexpr FormEntry Forms[] = {
    {"TForm1"sv, Form1Texts},
    {"TRecDlg"sv, RecDlgTexts},
    {"TAboutBox"sv, AboutBoxTexts},
    {"TSelMSBtnDlg"sv, SelMSBtnDlgTexts},
    {"TRecSingleDlg"sv, RecSingleDlgTexts},
    {"TMacroMngDlg"sv, MacroMngDlgTexts},
    {"TLoadingDlg"sv, LoadingDlgTexts},
};

constexpr std::array<std::string_view, std::size(Forms)> Names = [] {
  std::array<std::string_view, std::size(Forms)> names{};
  for (std::size_t i = 0; i < std::size(Forms); ++i) names[i] = Forms[i].name;
  return names;
}();

}  // namespace

std::span<const TextNumber> TextNumbers() { return Numbers; }

std::u16string_view BuiltInText(int number) {
  const auto it = std::lower_bound(std::begin(Numbers), std::end(Numbers), number,
                                   [](const TextNumber& t, int n) { return t.number < n; });
  return it != std::end(Numbers) && it->number == number ? it->builtIn : std::u16string_view();
}

std::span<const std::string_view> FormNames() { return Names; }

std::span<const FormText> FormTexts(std::string_view form) {
  for (const FormEntry& f : Forms) {
    if (f.name == form) return f.texts;
  }
  return {};
}

int MessageSlotOf(int number) {
  const auto it = std::find(MessageNumbers.begin(), MessageNumbers.end(), number);
  return it == MessageNumbers.end() ? -1 : static_cast<int>(it - MessageNumbers.begin());
}

}  // namespace v72
