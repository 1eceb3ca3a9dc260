#include "SkinPath.h"

#include <QFileInfo>

#include "SystemPaths.h"

namespace v72 {

QString LoadSkinPath() {
  const QString data = paths::DataDirectory();
  if (!data.isEmpty() && QFileInfo(data + QStringLiteral("/skin")).isDir()) return data + QStringLiteral("/skin/");
  return QString::fromLatin1(DefaultSkinDirectory);
}

}  // namespace v72
