#pragma once
// Where the program's files are, and whether a file is installed.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

// Sets WindowsDir, the folder of the settings file, and AssetDir, the media
// folder "Zentrova/Bluvessa/" below it. The Windows folder is
// $BLUVESSA_WINDOWS_DIR when set, otherwise the user's data folder
// ($XDG_DATA_HOME/bluvessa or ~/.local/share/bluvessa); it always ends in "/".
void GetDiectories();

// The file-name part of a path: what follows the last "/" or "\"; "" for a
// path that ends in a separator.
std::string TrimPath(const std::string& path);

// kTrue when path names a normal file, its name matched without regard to
// case; hidden files and folders count as missing.
Integer FileInstallCheck(const std::string& path);

}  // namespace bv
