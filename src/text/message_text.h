#pragma once

#include "text/message.h"

#include <string>
#include <string_view>

namespace text {

/// `text` made safe to show in a message: bytes that are not valid UTF-8, control characters
/// (C0, DEL, C1), line and paragraph separators and bidirectional controls are written as
/// \xNN per byte, a backslash as \\; everything else stays as it is.
std::string escapedForMessage(std::string_view text);

/// `text` escaped as by `escapedForMessage`, in double quotes; a text longer than 40 characters
/// (an invalid byte counts as one) is cut there and marked with "..." and its length in bytes.
std::string quotedForMessage(std::string_view text);

/// The system's reason for a failed file operation (an errno value): the catalogue's wording of
/// the common ones (their English as the C library says it), else the number and the system's words.
Message systemErrorText(int errorNumber);

} // namespace text
