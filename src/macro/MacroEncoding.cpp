#include "MacroEncoding.h"

#include <algorithm>
#include <cmath>

#include "KeyCodes.h"

namespace v72 {

namespace {

// Rounds seconds to whole tenths within [0, max]; NaN counts as 0.
int TenthsOf(double seconds, int max) {
  const double tenths = std::round(seconds * 10.0);
  if (!(tenths > 0.0)) return 0;
  if (tenths >= max) return max;
  return static_cast<int>(tenths);
}

}  // namespace

MacroEvent EventAt(std::span<const std::uint8_t, EventBytes> events, std::size_t slot) {
  return {events[2 * slot], events[2 * slot + 1]};
}

std::u16string EventLineText(std::u16string_view name, EventFlags flags, const EventWords& words) {
  std::u16string line(name);
  line += u"  ";
  line += (flags & ReleaseBit) ? words.release : words.press;
  return line;
}

std::u16string TenthsText(int tenths) {
  // Integer arithmetic: exact, and a decimal point whatever the C locale says.
  std::u16string text;
  if (tenths < 0) text += u'-', tenths = -tenths;
  for (char c : std::to_string(tenths / 10)) text += static_cast<char16_t>(c);
  text += u'.';
  text += static_cast<char16_t>(u'0' + tenths % 10);
  return text;
}

std::u16string DelayLineText(EventFlags flags) { return TenthsText(flags & DelayMask); }

EventFlags DelayFromSeconds(double seconds, EventFlags oldFlags) {
  return static_cast<EventFlags>((oldFlags & (ReleaseBit | LastEventBit)) | TenthsOf(seconds, MaxDelayTenths));
}

MacroInterval IntervalFromSeconds(double seconds) { return static_cast<MacroInterval>(TenthsOf(seconds, 255)); }

double IntervalSeconds(MacroInterval interval) { return interval * 0.1; }

std::uint8_t RecordedDelayTenths(std::uint32_t fromTick, std::uint32_t toTick) {
  const std::uint32_t ms = std::min<std::uint32_t>(toTick - fromTick, 6300);
  return static_cast<std::uint8_t>(ms / 100);
}

std::uint8_t KindFromRadio(int radio) {
  switch (radio) {
    case 2: return RepeatWhileDown;
    case 3: return RepeatUntilPressed;
  }
  return PlayOnce;
}

std::uint8_t KindFromRadios(bool first, bool second, bool third) {
  if (first) return PlayOnce;
  if (second) return RepeatWhileDown;
  if (third) return RepeatUntilPressed;
  return PlayOnce;
}

int RadioFromKind(std::uint8_t kind) {
  switch (kind) {
    case RepeatWhileDown: return 2;
    case RepeatUntilPressed: return 3;
  }
  return 1;
}

MacroEditView DecodeForEditing(const KeyAction& action, const EventWords& words, const KeyNameSource& names) {
  MacroEditView view;
  std::size_t packed = 0;
  for (std::size_t slot = 0; slot < MaxEvents; ++slot) {
    const MacroEvent e = EventAt(action, slot);
    const std::optional<std::u16string> name = KeyNameOfCode(e.code, names);
    if (!name) continue;
    view.lines.push_back(EventLineText(*name, e.flags, words));
    view.lines.push_back(DelayLineText(e.flags));
    view.events[2 * packed] = e.code;
    view.events[2 * packed + 1] = e.flags;
    ++packed;
  }
  view.radio = RadioFromKind(action[KindByte]);
  view.interval = IntervalSeconds(action[IntervalByte]);
  return view;
}

void FinaliseEvents(std::span<std::uint8_t, EventBytes> events, std::size_t lineCount) {
  for (std::size_t i = 1; i < EventBytes; i += 2) events[i] &= static_cast<std::uint8_t>(~LastEventBit);
  if (lineCount == 0) return;
  // The flags byte of the event that the last line belongs to: while recording the list can
  // end in an event line without its delay line, whose own byte is the key code.
  const std::size_t last = std::min(lineCount - 1, EventBytes - 1) | 1;
  events[last] |= LastEventBit;
}

}  // namespace v72
