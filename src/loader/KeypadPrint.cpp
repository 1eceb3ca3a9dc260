#include "KeypadPrint.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "JsonWriter.h"
#include "ProfilePrint.h"

namespace v72 {

bool ReadKeypadMemory(const QString& path, KeypadMemory& memory) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.read(static_cast<qint64>(memory.size()));
  memory.fill(0);
  std::copy(bytes.begin(), bytes.end(), memory.begin());
  return true;
}

KeyAction KeypadKeyAction(const KeypadMemory& memory, int key) {
  KeyAction action{};
  const auto from = memory.begin() + KeyAddress(key);
  std::copy(from, from + static_cast<std::ptrdiff_t>(KeyActionSize), action.begin());
  return action;
}

QByteArray KeypadText(const KeypadMemory& memory) {
  QByteArray out;
  for (int k = 0; k < KeyCount; ++k) {
    out += "Key " + QByteArray::number(k + 1) + " at address " + QByteArray::number(KeyAddress(k)) + "\n";
    AppendActionText(out, KeypadKeyAction(memory, k), "    ");
  }
  return out;
}

QByteArray KeypadJson(const KeypadMemory& memory) {
  JsonWriter w;
  w.BeginObject();
  w.Key("memory"), w.Hex(memory);
  w.Key("keys"), w.BeginArray();
  for (int k = 0; k < KeyCount; ++k) {
    const KeyAction action = KeypadKeyAction(memory, k);
    w.BeginObject();
    w.Key("key"), w.Int(k + 1);
    w.Key("address"), w.Int(KeyAddress(k));
    w.Key("bytes"), w.Hex(action);
    w.Key("events"), AppendEventsJson(w, action);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  w.Bytes() += '\n';
  return w.Bytes();
}

}  // namespace v72
