#pragma once
// Where the programs and their data are installed. Stands in for the two registry values of
// the keypad software: answers come from the executable's own location, so a build tree and
// an installed tree (any prefix) both work without set-up.
//
//   <prefix>/bin/KeyCfgTool, V72CmdLoader
//   <prefix>/share/veltrain712/skin/...      skins, pictures
//   <prefix>/share/veltrain712/...           help page

#include <optional>

#include <QString>

namespace v72::paths {

inline constexpr char DataFolderName[] = "veltrain712";

// The running program's own file (from /proc/self/exe), empty when it cannot be told.
QString ExecutablePath();

// The folder that holds `executablePath`, without a trailing slash.
QString FolderOf(const QString& executablePath);

// Stand-in for the shell's open command of .V72 files: "\"<folder>/KeyCfgTool\" \"%1\"",
// the main program beside the running one. Empty optional when the location is unknown.
std::optional<QString> ProfileOpenCommand(const QString& executablePath = ExecutablePath());

// Stand-in for the installation folder value: the prefix above the executable's bin folder
// (its own folder when it is not in a folder named bin). Empty optional when unknown.
std::optional<QString> InstallationFolder(const QString& executablePath = ExecutablePath());

// <installation>/share/veltrain712, or empty when the installation folder is unknown.
QString DataDirectory(const QString& executablePath = ExecutablePath());

}  // namespace v72::paths
