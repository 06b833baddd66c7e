#include "export/bundled_data.h"

#include "text/input_error.h"

#include <QCoreApplication>

#include <filesystem>

namespace exporter {

std::vector<std::string> bundledDataFolders()
{
    std::vector<std::string> folders;
    if (QCoreApplication::instance())
        folders.push_back((QCoreApplication::applicationDirPath() + QStringLiteral("/../share/orbweave")).toStdString());
#ifdef ORBWEAVE_INSTALL_DATA_DIR
    folders.push_back(ORBWEAVE_INSTALL_DATA_DIR);
#endif
#ifdef ORBWEAVE_SOURCE_DATA_DIR
    folders.push_back(ORBWEAVE_SOURCE_DATA_DIR);
#endif
    return folders;
}

std::string bundledDataFile(const std::string& relative)
{
    std::string looked;
    for (const std::string& folder : bundledDataFolders()) {
        const std::filesystem::path p = std::filesystem::path(folder) / relative;
        std::error_code ec;
        if (std::filesystem::is_regular_file(p, ec))
            return std::filesystem::weakly_canonical(p, ec).string();
        looked += (looked.empty() ? "" : ", ") + folder;
    }
    throw text::InputError("the bundled file " + relative + " is not there (looked in " + looked + ").");
}

} // namespace exporter
