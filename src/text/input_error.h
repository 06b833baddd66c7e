#pragma once

#include <stdexcept>
#include <string>

namespace text {

/// A fault in what the user typed or picked (a box, a file, a line of a file).
/// Its message is shown to the user as it stands and names the field or file at fault.
class InputError : public std::runtime_error
{
public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace text
