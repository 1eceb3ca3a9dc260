#pragma once

#include <QString>

namespace v72 {

// The default skin folder, used when the installed one cannot be found.
inline constexpr char DefaultSkinDirectory[] = "../_resource/skin/";

// The skin folder with a trailing slash: <data folder>/skin/ of this installation or build
// tree, else the default.
QString LoadSkinPath();

}  // namespace v72
