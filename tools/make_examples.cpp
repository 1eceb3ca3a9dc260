// Writes the sample profiles of examples/ with the profile writer:
//   make_examples DIR   ->  DIR/defaults.V72, DIR/macros.V72

#include <cstdio>
#include <initializer_list>

#include <QDir>

#include "DefaultKeys.h"
#include "ProfileFile.h"
#include "ProfileState.h"

namespace {

using namespace v72;

struct Step {
  std::uint8_t code;
  bool release;
  std::uint8_t tenths;
};

KeyAction Macro(std::initializer_list<Step> steps, std::uint8_t kind, std::uint8_t interval) {
  KeyAction a{};
  std::size_t i = 0;
  for (const Step& s : steps) {
    a[2 * i] = s.code;
    a[2 * i + 1] = static_cast<std::uint8_t>((s.release ? 0x80 : 0) | (s.tenths & 0x3F));
    ++i;
  }
  a[2 * (i - 1) + 1] |= 0x40;   // last event
  a[KindByte] = kind;
  a[IntervalByte] = interval;
  return a;
}

void SetDefaults(ProfileState& s) {
  for (int k = 0; k < KeyCount; ++k) {
    s.CurrentKey = static_cast<std::int16_t>(k);
    s.WriteCurrentSlot(SingleKeyAction(DefaultKeys[k].code), DefaultKeys[k].name);
    s.SetAssignCode(AssignDefault);
  }
}

class Stderr : public ProfileReporter {
 public:
  void ReportProfileFailure(ProfileFailure, const QString& text) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_examples DIR\n");
    return 1;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  Stderr reporter;

  ProfileState defaults;
  SetDefaults(defaults);
  if (!WriteProfileFile(dir.filePath("defaults.V72"), defaults.Profile, defaults.Library, reporter)) return 1;

  ProfileState macros;
  SetDefaults(macros);
  // R: reload; W then Shift held: dash; 1 2 3 with pauses: a combo not given to any key.
  macros.Library.Append(u"Reload", Macro({{18, false, 0}, {18, true, 1}}, PlayOnce, 0));
  macros.Library.Append(u"Dash", Macro({{23, false, 0}, {100, false, 2}, {100, true, 5}, {23, true, 0}},
                                       RepeatWhileDown, 3));
  macros.Library.Append(u"Combo 1-2-3", Macro({{27, false, 0}, {27, true, 1}, {28, false, 3}, {28, true, 1},
                                               {29, false, 3}, {29, true, 1}},
                                              RepeatUntilPressed, 15));
  for (int i = 0; i < 2; ++i) {
    macros.CurrentKey = static_cast<std::int16_t>(i);
    const MacroEntry& e = macros.Library.At(static_cast<std::size_t>(i));
    macros.WriteCurrentSlot(e.body, e.name);
    macros.SetAssignCode(AssignMacroBase + i);
  }
  macros.CurrentKey = 14;
  macros.WriteCurrentSlot(EmptyAction(), u"Macro Off");
  macros.SetAssignCode(AssignMacroOff);
  if (!WriteProfileFile(dir.filePath("macros.V72"), macros.Profile, macros.Library, reporter)) return 1;
  return 0;
}
