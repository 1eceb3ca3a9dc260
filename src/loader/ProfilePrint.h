#pragma once
// A profile in readable form for the terminal, and as JSON for scripts.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <QByteArray>

#include "KeyProfile.h"
#include "MacroLibrary.h"

namespace v72 {

struct ListedEvent {
  std::uint8_t code;
  bool release;
  bool last;
  int delay;   // tenths of a second
};

// Event slots 0 up to the last one whose two bytes are not both zero.
std::vector<ListedEvent> ListedEvents(const KeyAction& action);

// The play mode of byte 32 as a short phrase ("play once", "single key", ...).
QByteArray KindName(std::uint8_t kind);

class JsonWriter;

// One action as the text form lists it, each line starting with `indent`.
void AppendActionText(QByteArray& out, const KeyAction& action, const char* indent);
// The action's events as a JSON array.
void AppendEventsJson(JsonWriter& w, const KeyAction& action);

QByteArray ProfileText(const KeyProfile& profile, const MacroLibrary& library);
QByteArray ProfileJson(const KeyProfile& profile, const MacroLibrary& library);

}  // namespace v72
