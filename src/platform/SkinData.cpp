#include "SkinData.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace v72 {

QString SkinData::Value(const QString& name, const QString& key) const {
  const auto section = sections_.find(name.toLower());
  if (section == sections_.end()) return {};
  const auto value = section->second.find(key.toLower());
  return value == section->second.end() ? QString() : value->second;
}

SkinData SkinData::Parse(std::span<const std::uint8_t> bytes, const QString& folder) {
  SkinData skin;
  skin.folder_ = folder;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return skin;

  std::map<QString, QString>* section = nullptr;
  for (QStringView line : QStringView(text).split(u'\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[')) {
      const qsizetype close = line.indexOf(u']');
      section = close > 1 ? &skin.sections_[line.mid(1, close - 1).trimmed().toString().toLower()] : nullptr;
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (!section || eq <= 0) continue;
    section->emplace(line.left(eq).trimmed().toString().toLower(), line.mid(eq + 1).trimmed().toString());
  }
  return skin;
}

SkinData SkinData::Load(const QString& path) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxSkinFileBytes) return {};
  const QByteArray bytes = file.read(MaxSkinFileBytes);
  return Parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
               QFileInfo(path).absolutePath());
}

}  // namespace v72
