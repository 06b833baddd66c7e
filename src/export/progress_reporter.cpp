#include "export/progress_reporter.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace exporter {

namespace {

/// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

/// Code point of the sequence at `s[i]` of `length` bytes.
char32_t codePoint(const std::string& s, std::size_t i, std::size_t length)
{
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(s[i]) & kLeadMask[length];
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

/// East Asian wide and full-width ranges (Hangul jamo, CJK, kana, full-width forms).
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) || (c >= 0xAC00 && c <= 0xD7A3)
           || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

/// Walks `text` a character at a time, stopping where the next one would pass `columns`.
/// Returns the bytes kept; `width` receives their columns.
std::size_t fittingBytes(const std::string& text, std::size_t columns, std::size_t& width)
{
    std::size_t i = 0;
    width = 0;
    while (i < text.size()) {
        std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + length > text.size())
            length = 1;
        const std::size_t w = length == 1 ? 1 : (isWide(codePoint(text, i, length)) ? 2 : 1);
        if (width + w > columns)
            break;
        width += w;
        i += length;
    }
    return i;
}

} // namespace

std::size_t displayWidth(const std::string& text)
{
    std::size_t width = 0;
    fittingBytes(text, static_cast<std::size_t>(-1), width);
    return width;
}

std::string fitToWidth(const std::string& text, std::size_t columns)
{
    std::size_t width = 0;
    return text.substr(0, fittingBytes(text, columns, width));
}

std::size_t terminalColumns(int fd)
{
    if (!::isatty(fd))
        return 0;
    winsize size{};
    if (::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

ProgressReporter::ProgressReporter(std::ostream& err, ProgressStyle style, std::size_t columns)
    : m_err(err), m_style(style), m_columns(columns > 1 ? columns : 80)
{
}

ProgressReporter::~ProgressReporter()
{
    if (m_style == ProgressStyle::Line && m_shown > 0)
        m_err << "\n" << std::flush;
}

void ProgressReporter::step(const std::string& text)
{
    if (m_style == ProgressStyle::Log)
        m_err << text << "\n" << std::flush;
    else if (m_style == ProgressStyle::Line)
        rewrite(fitToWidth(text, m_columns - 1), false);
}

void ProgressReporter::clear()
{
    if (m_style == ProgressStyle::Line && m_shown > 0)
        rewrite(std::string(), false);
}

void ProgressReporter::finish(const std::string& text)
{
    if (m_style == ProgressStyle::Log)
        m_err << text << "\n" << std::flush;
    else if (m_style == ProgressStyle::Line)
        rewrite(text, true);
}

void ProgressReporter::rewrite(const std::string& text, bool keep)
{
    // The cursor goes back to the line's start; spaces cover what the longer line before left.
    const std::size_t width = displayWidth(text);
    m_err << "\r" << text;
    if (width < m_shown)
        m_err << std::string(m_shown - width, ' ') << (text.empty() ? "\r" : "");
    if (keep) {
        m_err << "\n";
        m_shown = 0;
    } else {
        m_shown = text.empty() ? 0 : width;
    }
    m_err << std::flush;
}

} // namespace exporter
