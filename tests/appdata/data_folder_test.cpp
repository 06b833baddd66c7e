#include "appdata/data_folder.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

using appdata::ProgramLayout;
namespace fs = std::filesystem;

namespace {

const ProgramLayout kLayout{"/home/ann/orbweave/build", "/home/ann/orbweave/data", "../share/orbweave"};

} // namespace

TEST(DataFolder, BuildTreeProgramsReadTheSourceTreeInstalledOnesTheirPrefix)
{
    struct Case
    {
        fs::path program;
        fs::path expected;
    };
    const Case cases[] = {
        {"/home/ann/orbweave/build/app/orbweave", "/home/ann/orbweave/data"},
        {"/home/ann/orbweave/build/tests/export", "/home/ann/orbweave/data"},
        {"/home/ann/orbweave/build", "/home/ann/orbweave/data"},
        // Installed: only beside the program, whatever the build folder was.
        {"/usr/bin", "/usr/share/orbweave"},
        {"/opt/orbweave/bin", "/opt/orbweave/share/orbweave"},
        {"/home/ann/orbweave/stage/bin", "/home/ann/orbweave/stage/share/orbweave"},
        // A sibling whose name starts like the build folder is not inside it, nor is its parent.
        {"/home/ann/orbweave/build2/bin", "/home/ann/orbweave/build2/share/orbweave"},
        {"/home/ann/orbweave/bin", "/home/ann/orbweave/share/orbweave"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.string());
        EXPECT_EQ(appdata::dataFolderFor(c.program, kLayout), c.expected);
    }
}

TEST(DataFolder, BuildTreeReachedThroughALinkIsStillTheBuildTree)
{
    testing_support::TempDir dir;
    fs::create_directories(dir.path() / "build" / "app");
    fs::create_directory_symlink(dir.path() / "build", dir.path() / "link");
    const ProgramLayout layout{dir.path() / "build", "/src/data", "../share/orbweave"};
    EXPECT_EQ(appdata::dataFolderFor(dir.path() / "link" / "app", layout), fs::path("/src/data"));
}

TEST(DataFolder, ThisTestRunsFromTheBuildTreeAndReadsTheSourceData)
{
    EXPECT_TRUE(appdata::insideBuildTree(appdata::programFolder(), appdata::builtLayout()));
    EXPECT_EQ(fs::canonical(appdata::bundledDataFolder()), fs::canonical(ORBWEAVE_DATA_DIR));
    EXPECT_EQ(fs::canonical(appdata::bundledDataFile("models/cube-faces.csv")),
              fs::canonical(ORBWEAVE_DATA_DIR "/models/cube-faces.csv"));
}

TEST(DataFolder, MissingFileNamesTheFolderLookedIn)
{
    try {
        appdata::bundledDataFile("no-such-catalogue.csv");
        ADD_FAILURE() << "found";
    } catch (const text::InputError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("no-such-catalogue.csv"), std::string::npos) << message;
        EXPECT_NE(message.find(appdata::bundledDataFolder().string()), std::string::npos) << message;
    }
}
