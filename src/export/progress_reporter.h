#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace exporter {

/// How the steps of an export reach standard error.
enum class ProgressStyle {
    Silent, ///< nothing (--quiet, or a single template)
    Log,    ///< one plain line per step, for a file or a pipe
    Line,   ///< one line rewritten in place with "\r", for a terminal
};

/// Reports the steps of an export in one ProgressStyle.
class ProgressReporter
{
public:
    /// `columns` is the terminal's width, used by ProgressStyle::Line only.
    ProgressReporter(std::ostream& err, ProgressStyle style, std::size_t columns = 80);
    /// Ends a rewritten line, so that a message after it starts on a line of its own.
    ~ProgressReporter();
    ProgressReporter(const ProgressReporter&) = delete;
    ProgressReporter& operator=(const ProgressReporter&) = delete;

    /// Reports one step; on a terminal it takes the place of the one before, cut to the width.
    void step(const std::string& text);
    /// Takes the rewritten line off the terminal, so that other output can be written there.
    void clear();
    /// Reports the last line, whole, and leaves it standing.
    void finish(const std::string& text);

private:
    void rewrite(const std::string& text, bool keep);

    std::ostream& m_err;
    ProgressStyle m_style;
    std::size_t m_columns;
    std::size_t m_shown = 0; ///< terminal columns taken by the rewritten line
};

/// Terminal columns a UTF-8 text takes: two for East Asian wide characters, one for the others.
std::size_t displayWidth(const std::string& text);

/// The longest start of `text` (whole characters) that takes at most `columns` terminal columns.
std::string fitToWidth(const std::string& text, std::size_t columns);

/// Width of the terminal on file descriptor `fd`, 0 when it is not a terminal.
std::size_t terminalColumns(int fd);

} // namespace exporter
