#include "appdata/save_folder.h"
#include "test_files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using appdata::ProgramLayout;
namespace fs = std::filesystem;

namespace {

/// Sets an environment variable for the life of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

QString qt(const fs::path& p) { return QString::fromStdString(p.string()); }

} // namespace

TEST(SaveFolder, BuildTreeKeepsTheProgramsFolderInstalledGoesToDocumentsElseTheCurrentFolder)
{
    testing_support::TempDir dir;
    const fs::path home = dir.path() / "home", bare = dir.path() / "bare";
    fs::create_directories(home / "Documents");
    fs::create_directories(bare);
    const ProgramLayout layout{dir.path() / "build", dir.path() / "data", "../share/orbweave"};
    const ScopedEnv config("XDG_CONFIG_HOME", (dir.path() / "no-config").string());
    struct Case
    {
        fs::path program;
        fs::path home;
        QString expected;
    };
    const Case cases[] = {
        {dir.path() / "build" / "app" / "orbweave", home, qt(dir.path() / "build" / "app" / "orbweave")},
        {dir.path() / "prefix" / "bin", home, qt(home / "Documents")},
        {dir.path() / "prefix" / "bin", bare, QDir::currentPath()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.string() + " with HOME=" + c.home.string());
        const ScopedEnv homeEnv("HOME", c.home.string());
        EXPECT_EQ(appdata::saveFolderFor(c.program, layout), c.expected);
    }
}
