#pragma once

#include <stdexcept>
#include <string>

namespace text {

/// Which input of a command a refusal is about, by meaning. The window names it by its
/// box caption, the command line by its option.
enum class Input {
    Unnamed,           ///< a file or an input the caller knows from context
    GoreCount,         ///< n, the number of gores
    GorePosition,      ///< k, the gore drawn
    FaintestMagnitude, ///< stars at or above this magnitude are left out
    CommonRatio,       ///< common ratio of the star size rule
    Magnification,     ///< magnification of the star size rule
    SphereRadius,      ///< R, centimetres
    LineLatitude,      ///< latitude of the equal-latitude line
    PlateBoundary,     ///< boundary latitude of the polar plates
    TangentPoint,      ///< tangent point of a face (latitude or longitude)
    ProjectionRange,   ///< angular radius of a face drawing
    FaceNumber,        ///< the face drawn
    StarFile,          ///< the star file
    ModelFile,         ///< a vertex or face file
};

/// A fault in what the user typed or picked (a box, a file, a line of a file).
/// Its message is shown to the user as it stands and names the field or file at fault;
/// `input`, `value` and `reason` let a caller phrase it in its own terms.
class InputError : public std::runtime_error
{
public:
    explicit InputError(const std::string& message) : std::runtime_error(message), m_reason(message) {}
    /// `message` names the input as the window does; `reason` says what is wrong without naming it.
    InputError(Input input, std::string value, const std::string& message, std::string reason)
        : std::runtime_error(message), m_input(input), m_value(std::move(value)), m_reason(std::move(reason))
    {
    }

    Input input() const { return m_input; }
    /// The value refused, as typed or as read; empty when there is none.
    const std::string& value() const { return m_value; }
    /// What is wrong, without naming the input.
    const std::string& reason() const { return m_reason; }
    /// The same refusal, said of `input` (keeps the value and the reason).
    InputError about(Input input) const { return InputError(input, m_value, what(), m_reason); }

private:
    Input m_input = Input::Unnamed;
    std::string m_value;
    std::string m_reason;
};

/// Throws InputError about `input`: the message is `caption` + ": " + `reason`.
[[noreturn]] inline void refuse(Input input, const std::string& caption, const std::string& value,
                                const std::string& reason)
{
    throw InputError(input, value, caption + ": " + reason, reason);
}

} // namespace text
