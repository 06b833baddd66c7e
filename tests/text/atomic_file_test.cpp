#include "text/atomic_file.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

using namespace text;

namespace {

/// A user and group that own nothing of the test's, as root can give them away.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct stat statusOf(const std::filesystem::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

/// The names in `folder`, hidden ones included.
std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(AtomicFile, AFileReplacedKeepsItsModeAndOwner)
{
    const bool root = ::geteuid() == 0;
    const struct
    {
        mode_t mode;
        bool otherOwner;
    } rows[] = {{0600, true}, {0640, false}, {0755, root}, {0400, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.mode) + (row.otherOwner ? " owned by another user" : ""));
        if (row.otherOwner && !root)
            continue;
        testing_support::TempDir dir;
        const std::string path = dir.write("kept.pdf", "old");
        ASSERT_EQ(::chmod(path.c_str(), row.mode), 0);
        if (row.otherOwner) {
            ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherGroup), 0);
        }
        const struct stat before = statusOf(path);

        writeFileAtomically(path, "new");
        const struct stat after = statusOf(path);
        EXPECT_EQ(contentOf(path), "new");
        EXPECT_EQ(after.st_mode & 07777, row.mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
    }
}

TEST(AtomicFile, AnotherUsersLinkInAFolderOthersMayWriteIsNeverFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "links of another user need root to make";
    const struct
    {
        const char* name;
        mode_t folderMode;
        bool otherUsersLink;
        bool followed;
    } rows[] = {
        {"sticky, another user's link", 01777, true, false},
        {"world-writable, another user's link", 0777, true, false},
        {"sticky, own link", 01777, false, true},
        {"private folder, another user's link", 0755, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::TempDir dir;
        const std::string secret = dir.write("root-only", "secret");
        ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
        const auto folder = dir.path() / "shared";
        std::filesystem::create_directory(folder);
        ASSERT_EQ(::chmod(folder.c_str(), row.folderMode), 0);
        const auto link = folder / "globe.pdf";
        std::filesystem::create_symlink(secret, link);
        if (row.otherUsersLink) {
            ASSERT_EQ(::lchown(link.c_str(), kOtherUser, kOtherGroup), 0);
        }

        std::string refusal;
        try {
            writeFileAtomically(link.string(), "pdf");
        } catch (const InputError& e) {
            refusal = e.what();
        }
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(statusOf(secret).st_mode & 0777, 0600u);
        if (row.followed) {
            EXPECT_EQ(refusal, "");
            EXPECT_EQ(contentOf(secret), "pdf");
        } else {
            EXPECT_NE(refusal.find("symbolic link of another user (uid 65534)"), std::string::npos) << refusal;
            EXPECT_EQ(contentOf(secret), "secret");
            EXPECT_EQ(namesIn(folder), std::vector<std::string>{"globe.pdf"});
        }
    }
}

TEST(AtomicFile, AReplacementKeptAsideIsPutBackOrDropped)
{
    const struct
    {
        const char* name;
        bool existed;
        bool undo;
        const char* left; ///< the file's content afterwards; nullptr: no file
    } rows[] = {
        {"replaced, undone", true, true, "old"},
        {"replaced, settled", true, false, "new"},
        {"new, undone", false, true, nullptr},
        {"new, settled", false, false, "new"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::TempDir dir;
        const auto path = dir.path() / "K1.svg";
        if (row.existed) {
            dir.write("K1.svg", "old");
            ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
        }
        const Replacement r = writeFileAtomically(path.string(), "new", true);
        EXPECT_EQ(contentOf(path), "new");
        if (row.undo) {
            EXPECT_TRUE(undoReplacement(r));
        } else {
            settleReplacement(r);
        }
        if (row.left) {
            EXPECT_EQ(contentOf(path), row.left);
            EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"K1.svg"});
            if (row.existed) {
                EXPECT_EQ(statusOf(path).st_mode & 0777, 0604u);
            }
        } else {
            EXPECT_TRUE(namesIn(dir.path()).empty());
        }
    }
}
