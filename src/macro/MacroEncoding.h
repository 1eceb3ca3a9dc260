#pragma once
// The macro bytes of a key action: 16 two-byte events, the play mode and the interval,
// and the texts in which the macro editor lists them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "KeyNames.h"
#include "KeyProfile.h"

namespace v72 {

// Second byte of an event.
using EventFlags = std::uint8_t;
inline constexpr EventFlags ReleaseBit = 0x80;
inline constexpr EventFlags LastEventBit = 0x40;
inline constexpr EventFlags DelayMask = 0x3F;   // tenths of a second after the event

// Byte 33 of a macro action, in tenths of a second.
using MacroInterval = std::uint8_t;

inline constexpr std::size_t MaxEvents = EventBytes / 2;
inline constexpr int MaxDelayTenths = 63;

struct MacroEvent {
  std::uint8_t code = 0;   // device key code, 0 in an unused slot
  EventFlags flags = 0;

  bool Release() const { return (flags & ReleaseBit) != 0; }
  bool Last() const { return (flags & LastEventBit) != 0; }
  int DelayTenths() const { return flags & DelayMask; }
  bool operator==(const MacroEvent&) const = default;
};

using EventArea = std::array<std::uint8_t, EventBytes>;

MacroEvent EventAt(std::span<const std::uint8_t, EventBytes> events, std::size_t slot);
inline MacroEvent EventAt(const KeyAction& action, std::size_t slot) {
  return EventAt(std::span<const std::uint8_t, EventBytes>(action.data(), EventBytes), slot);
}

// The words after a key's name; a language pack supplies its own (texts 56 and 57).
struct EventWords {
  std::u16string press = u"press";
  std::u16string release = u"release";
};

// "A  press", "A  release".
std::u16string EventLineText(std::u16string_view name, EventFlags flags, const EventWords& words = {});
// The delay in seconds with one decimal, "0.0" to "6.3".
std::u16string DelayLineText(EventFlags flags);
// Tenths of a second as seconds with one decimal ("25.5"), whatever the locale.
std::u16string TenthsText(int tenths);

// A delay typed in seconds: the old release and last-event bits stay; kept within 0.0..6.3.
EventFlags DelayFromSeconds(double seconds, EventFlags oldFlags);
// An interval typed in seconds, kept within 0.0..25.5.
MacroInterval IntervalFromSeconds(double seconds);
double IntervalSeconds(MacroInterval interval);
// The recorded delay between two millisecond ticks (the tick may wrap), in whole tenths up to 6.3 s.
std::uint8_t RecordedDelayTenths(std::uint32_t fromTick, std::uint32_t toTick);

// Play-mode radios 1..3 <-> kinds PlayOnce, RepeatWhileDown, RepeatUntilPressed.
std::uint8_t KindFromRadio(int radio);   // anything else gives PlayOnce
std::uint8_t KindFromRadios(bool first, bool second, bool third);   // the first checked one
int RadioFromKind(std::uint8_t kind);    // any other kind gives radio 1

// What the macro editor shows for a stored macro.
struct MacroEditView {
  // An event line then its delay line for each listed event.
  std::vector<std::u16string> lines;
  // The listed events packed from slot 0, so that line i stands for byte i; events that are
  // not listed (codes 0 and above 114) are left out.
  EventArea events{};
  int radio = 1;
  double interval = 0.0;   // seconds
};

MacroEditView DecodeForEditing(const KeyAction& action, const EventWords& words = {},
                               const KeyNameSource& names = UsKeyNames());

// Places the last-event bit on the event that list line lineCount - 1 belongs to and clears
// it everywhere else.
void FinaliseEvents(std::span<std::uint8_t, EventBytes> events, std::size_t lineCount);
inline void FinaliseEvents(KeyAction& action, std::size_t lineCount) {
  FinaliseEvents(std::span<std::uint8_t, EventBytes>(action.data(), EventBytes), lineCount);
}

}  // namespace v72
