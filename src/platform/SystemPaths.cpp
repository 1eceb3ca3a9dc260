#include "SystemPaths.h"

#include <QDir>
#include <QFileInfo>

namespace v72::paths {

QString ExecutablePath() {
  const QFileInfo self(QStringLiteral("/proc/self/exe"));
  return self.exists() ? self.canonicalFilePath() : QString();
}

QString FolderOf(const QString& executablePath) {
  if (executablePath.isEmpty()) return {};
  return QFileInfo(executablePath).absolutePath();
}

std::optional<QString> ProfileOpenCommand(const QString& executablePath) {
  const QString folder = FolderOf(executablePath);
  if (folder.isEmpty()) return std::nullopt;
  return QStringLiteral("\"%1/KeyCfgTool\" \"%2\"").arg(folder, QStringLiteral("%1"));
}

std::optional<QString> InstallationFolder(const QString& executablePath) {
  const QString folder = FolderOf(executablePath);
  if (folder.isEmpty()) return std::nullopt;
  const QFileInfo info(folder);
  if (info.fileName() == QLatin1String("bin")) return info.path();
  return folder;
}

QString DataDirectory(const QString& executablePath) {
  const std::optional<QString> prefix = InstallationFolder(executablePath);
  if (!prefix) return {};
  return *prefix + QStringLiteral("/share/") + QLatin1String(DataFolderName);
}

}  // namespace v72::paths
