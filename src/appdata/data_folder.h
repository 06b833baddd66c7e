#pragma once

#include <filesystem>
#include <string>

namespace appdata {

/// Where the build put the program's own files; fixed when the program is built.
struct ProgramLayout
{
    std::filesystem::path buildTree;     ///< the build folder the programs were built in
    std::filesystem::path sourceData;    ///< the source tree's data folder
    std::filesystem::path installedData; ///< the installed data folder, relative to the installed programs' folder
};

/// The layout this program was built with.
ProgramLayout builtLayout();

/// Folder of the running executable, symbolic links resolved.
std::filesystem::path programFolder();

/// Whether the folder `program` lies inside the build tree of `layout` (symbolic links resolved).
bool insideBuildTree(const std::filesystem::path& program, const ProgramLayout& layout);

/// The one folder searched for bundled files by a program in the folder `program`: the source
/// tree's data folder for a program in its build tree, otherwise the installed data folder beside
/// it (<prefix>/share/orbweave for <prefix>/bin), and never both.
std::filesystem::path dataFolderFor(const std::filesystem::path& program, const ProgramLayout& layout);

/// The bundled-data folder of the running program, whether or not it exists.
std::filesystem::path bundledDataFolder();

/// Full path of the bundled file `relative` ("bright-stars.csv", "models/cube-faces.csv").
/// Throws text::InputError naming the folder looked in when the file is not there.
std::filesystem::path bundledDataFile(const std::string& relative);

} // namespace appdata
