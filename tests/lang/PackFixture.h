#pragma once
// Pack files for the tests, built byte by byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QDir>
#include <QFile>
#include <QString>

#include "Language.h"

namespace fixture {

using Bytes = std::vector<std::uint8_t>;

// FF FE, then each unit low byte first.
inline Bytes Utf16LeBom(std::u16string_view text) {
  Bytes b{0xFF, 0xFE};
  for (char16_t u : text) {
    b.push_back(static_cast<std::uint8_t>(u & 0xFF));
    b.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  return b;
}

// The bytes of `text` as they stand (UTF-8 or 8-bit), after EF BB BF when `bom`.
inline Bytes Raw(std::string_view text, bool bom = false) {
  Bytes b;
  if (bom) b = {0xEF, 0xBB, 0xBF};
  for (char c : text) b.push_back(static_cast<std::uint8_t>(c));
  return b;
}

inline bool WriteFile(const QString& path, const Bytes& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
         static_cast<qint64>(bytes.size());
}

// Sources whose open command names a program in `folder`, as the desktop entry would.
inline v72::LanguageSources SourcesFor(const QString& folder) {
  v72::LanguageSources s;
  s.OpenCommand = (QStringLiteral("\"") + folder + QStringLiteral("/KeyCfgTool\" \"%1\"")).toStdU16String();
  s.CurrentDirectory = u"/nonexistent-current-directory";
  return s;
}

}  // namespace fixture
