#include "appdata/data_folder.h"

#include "text/input_error.h"
#include "text/message_text.h"

#include <algorithm>
#include <system_error>

namespace appdata {

namespace fs = std::filesystem;

ProgramLayout builtLayout()
{
    return {ORBWEAVE_BUILD_TREE, ORBWEAVE_SOURCE_DATA, ORBWEAVE_INSTALLED_DATA};
}

fs::path programFolder()
{
    std::error_code ec;
    const fs::path program = fs::canonical("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : program.parent_path();
}

bool insideBuildTree(const fs::path& program, const ProgramLayout& layout)
{
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(program, ec);
    const fs::path tree = fs::weakly_canonical(layout.buildTree, ec);
    if (ec || tree.empty())
        return false;
    // Compared element by element, so that build2/ is not taken for being inside build/.
    const auto treeElements = std::distance(tree.begin(), tree.end());
    return std::distance(folder.begin(), folder.end()) >= treeElements
           && std::equal(tree.begin(), tree.end(), folder.begin());
}

fs::path dataFolderFor(const fs::path& program, const ProgramLayout& layout)
{
    if (insideBuildTree(program, layout))
        return layout.sourceData;
    return (program / layout.installedData).lexically_normal();
}

fs::path bundledDataFolder() { return dataFolderFor(programFolder(), builtLayout()); }

fs::path bundledDataFile(const std::string& relative)
{
    const fs::path folder = bundledDataFolder();
    const fs::path file = folder / relative;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        throw text::InputError(text::Message(
            text::MessageId::BundledFileMissing,
            {text::escapedForMessage(relative), text::escapedForMessage(folder.string())}));
    }
    return file;
}

} // namespace appdata
