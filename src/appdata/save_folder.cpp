#include "appdata/save_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace appdata {

QString saveFolderFor(const std::filesystem::path& program, const ProgramLayout& layout)
{
    if (insideBuildTree(program, layout))
        return QFile::decodeName(program.c_str());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::currentPath();
}

QString defaultSaveFolder() { return saveFolderFor(programFolder(), builtLayout()); }

} // namespace appdata
