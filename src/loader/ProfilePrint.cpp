#include "ProfilePrint.h"

#include <optional>

#include <QString>

#include "JsonWriter.h"
#include "KeyCodes.h"
#include "MacroEncoding.h"

namespace v72 {

std::vector<ListedEvent> ListedEvents(const KeyAction& action) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < EventBytes / 2; ++i)
    if (action[2 * i] != 0 || action[2 * i + 1] != 0) count = i + 1;
  std::vector<ListedEvent> events;
  events.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t flags = action[2 * i + 1];
    events.push_back({action[2 * i], (flags & 0x80) != 0, (flags & 0x40) != 0, flags & 0x3F});
  }
  return events;
}

QByteArray KindName(std::uint8_t kind) {
  switch (kind) {
    case PlayOnce: return "play once";
    case RepeatWhileDown: return "repeat while down";
    case RepeatUntilPressed: return "repeat until pressed";
    case SingleKeyKind: return "single key";
  }
  return "unknown kind 0x" + QByteArray::number(kind, 16).rightJustified(2, '0');
}

namespace {

QByteArray Seconds(int tenths) { return QString::fromStdU16String(TenthsText(tenths)).toUtf8(); }

QByteArray Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toUtf8(); }

}  // namespace

// The events as the macro editor lists them: "A  press", then the delay line. Events the
// editor would not list (no key name) still show, by their code, so nothing stored is hidden.
void AppendActionText(QByteArray& out, const KeyAction& action, const char* indent) {
  out += indent;
  out += KindName(action[KindByte]) + ", interval " + Seconds(action[IntervalByte]) + " s\n";
  for (const ListedEvent& e : ListedEvents(action)) {
    const EventFlags flags = static_cast<EventFlags>((e.release ? ReleaseBit : 0) | e.delay);
    const std::optional<std::u16string> name = KeyNameOfCode(e.code);
    const std::u16string label = name ? *name : u"code " + QString::number(e.code).toStdU16String();
    out += indent;
    out += "  " + Utf8(EventLineText(label, flags)) + "\n";
    out += indent;
    out += "  " + Utf8(DelayLineText(flags)) + (e.last ? "  (last)" : "") + "\n";
  }
}

void AppendEventsJson(JsonWriter& w, const KeyAction& action) {
  w.BeginArray();
  for (const ListedEvent& e : ListedEvents(action)) {
    w.BeginObject();
    w.Key("code"), w.Int(e.code);
    w.Key("name");
    if (const std::optional<std::u16string> name = KeyNameOfCode(e.code))
      w.String(*name);
    else
      w.Null();
    w.Key("release"), w.Bool(e.release);
    w.Key("last"), w.Bool(e.last);
    w.Key("delay"), w.Int(e.delay);
    w.EndObject();
  }
  w.EndArray();
}

QByteArray ProfileText(const KeyProfile& profile, const MacroLibrary& library) {
  QByteArray out;
  out += "Macros: " + QByteArray::number(static_cast<qulonglong>(library.Count())) + "\n";
  for (int m = 0; m < ModeCount; ++m) {
    out += "Mode " + QByteArray::number(m) + "\n";
    for (int k = 0; k < KeyCount; ++k) {
      const KeySlot& s = profile.Slot(m, k);
      out += "  Key " + QByteArray::number(k + 1) + ": \"" +
             QString::fromStdU16String(s.displayText).toUtf8() + "\" (assign code " +
             QByteArray::number(profile.AssignCode[SlotIndex(m, k)]) + ")\n";
      AppendActionText(out, s.action, "    ");
    }
  }
  for (std::size_t i = 0; i < library.Count(); ++i) {
    const MacroEntry& e = library.At(i);
    out += "Macro " + QByteArray::number(static_cast<qulonglong>(i)) + ": \"" +
           QString::fromStdU16String(e.name).toUtf8() + "\"\n";
    AppendActionText(out, e.body, "    ");
  }
  return out;
}

QByteArray ProfileJson(const KeyProfile& profile, const MacroLibrary& library) {
  JsonWriter w;
  w.Bytes().reserve(static_cast<qsizetype>(4096 + library.Count() * 120));
  w.BeginObject();
  w.Key("macro_count"), w.Int(static_cast<std::int64_t>(library.Count()));
  w.Key("modes"), w.BeginArray();
  for (int m = 0; m < ModeCount; ++m) {
    w.BeginArray();
    for (int k = 0; k < KeyCount; ++k) {
      const KeySlot& s = profile.Slot(m, k);
      w.BeginObject();
      w.Key("key"), w.Int(k + 1);
      w.Key("assign_code"), w.Int(profile.AssignCode[SlotIndex(m, k)]);
      w.Key("display_text"), w.String(s.displayText);
      w.Key("bytes"), w.Hex(s.action);
      w.Key("kind"), w.Int(s.action[KindByte]);
      w.Key("interval"), w.Int(s.action[IntervalByte]);
      w.Key("events"), AppendEventsJson(w, s.action);
      w.EndObject();
    }
    w.EndArray();
  }
  w.EndArray();
  w.Key("macros"), w.BeginArray();
  for (const MacroEntry& e : library.Entries()) {
    w.BeginObject();
    w.Key("name"), w.String(e.name);
    w.Key("bytes"), w.Hex(e.body);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  w.Bytes() += '\n';
  return w.Bytes();
}

}  // namespace v72
