#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace text {

/// What tells one state of a file from another without reading it: its size and modification time.
struct FileStamp
{
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

/// The stamp of the regular file at `path`; none when there is no such file or it cannot be asked.
inline std::optional<FileStamp> fileStamp(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    FileStamp s;
    s.size = std::filesystem::file_size(path, ec);
    if (ec)
        return std::nullopt;
    s.modified = std::filesystem::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return s;
}

} // namespace text
