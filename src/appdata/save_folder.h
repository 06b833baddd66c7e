#pragma once

#include "appdata/data_folder.h"

#include <QString>

namespace appdata {

/// Folder a save goes to when the user chose none, for a program in the folder `program`: that
/// folder itself when it is in its build tree, else the user's documents folder, else (none there)
/// the current folder. An installed program's own folder is not the user's to write in.
QString saveFolderFor(const std::filesystem::path& program, const ProgramLayout& layout);

/// saveFolderFor the running program.
QString defaultSaveFolder();

} // namespace appdata
