#include "DefaultKeys.h"

namespace v72 {

const std::array<DefaultKey, KeyCount> DefaultKeys = {{
    {0x02, u"B"},  {0x11, u"Q"}, {0x07, u"G"}, {0x24, u"0"},       {0x1B, u"1"},
    {0x1C, u"2"},  {0x05, u"E"}, {0x17, u"W"}, {0x12, u"R"},       {0x01, u"A"},
    {0x13, u"S"},  {0x04, u"D"}, {0x64, u"L-Shift"}, {0x63, u"L-Ctrl"}, {0x29, u"Space"},
}};

KeyAction SingleKeyAction(std::uint8_t code) {
  KeyAction a{};
  a[0] = code;
  a[2] = code;
  a[3] = 0xC0;   // release, last event
  a[KindByte] = SingleKeyKind;
  return a;
}

}  // namespace v72
