#include "text/data_file.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace text;

namespace {

/// The message of the refusal of `path`, or "" when it was read.
std::string refusal(const std::string& path)
{
    try {
        readDataFile(path);
    } catch (const InputError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(DataFile, ReadsARegularFileByteForByte)
{
    testing_support::TempDir dir;
    const std::string bytes("1,2,3\r\n\0\xFF\x1B", 10);
    EXPECT_EQ(readDataFile(dir.write("stars.csv", bytes)), bytes);
    EXPECT_EQ(readDataFile(dir.write("empty.csv", "")), "");
    // Files under /proc claim 0 bytes and still have content.
    EXPECT_NE(readDataFile("/proc/self/status").find("Name:"), std::string::npos);
}

TEST(DataFile, RefusesWhatIsNotARegularFileOfAcceptableSize)
{
    testing_support::TempDir dir;
    const std::string fifo = (dir.path() / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string sparse = (dir.path() / "huge.csv").string();
    dir.write("huge.csv", "");
    std::filesystem::resize_file(sparse, kMaxDataFileBytes + 1); // a hole: nothing written, nothing to read

    struct Row { const char* name; std::string path; std::vector<std::string> expected; };
    const Row rows[] = {
        {"zero device", "/dev/zero", {"/dev/zero", "a device", "not a regular file"}},
        {"random device", "/dev/urandom", {"/dev/urandom", "a device"}},
        {"pipe with no writer", fifo, {fifo, "pipe"}},
        {"folder", dir.path().string(), {dir.path().string(), "folder"}},
        {"one byte over the limit", sparse, {sparse, "too large", "536870913 bytes", "512 MiB"}},
        {"missing", "/nonexistent/folder/stars.csv", {"/nonexistent/folder/stars.csv", "No such file"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // A reader that blocks must not hang the test: wait a while, then unblock it.
        std::packaged_task<std::string()> task([&row] { return refusal(row.path); });
        auto answer = task.get_future();
        std::thread reader(std::move(task));
        if (answer.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the read blocked";
            ::close(::open(row.path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        reader.join();
        const std::string message = answer.get();
        ASSERT_FALSE(message.empty());
        for (const auto& piece : row.expected)
            EXPECT_NE(message.find(piece), std::string::npos) << message << " lacks " << piece;
    }
}

TEST(DataFile, FileNameIsEscapedInTheMessage)
{
    const std::string message = refusal("/nonexistent/\x1B]0;title\x07\xFF.csv");
    EXPECT_NE(message.find("/nonexistent/\\x1B]0;title\\x07\\xFF.csv"), std::string::npos) << message;
}
