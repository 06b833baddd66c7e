#pragma once

#include "text/message.h"

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
    TangentPoint,      ///< tangent point of a face, latitude and longitude together
    TangentLatitude,   ///< latitude of the tangent point of a face
    TangentLongitude,  ///< longitude of the tangent point of a face
    ProjectionRange,   ///< angular radius of a face drawing
    FaceNumber,        ///< the face drawn
    FaceOutline,       ///< the corner marks and edges asked of a face drawing
    StarFile,          ///< the star file
    ModelFile,         ///< a vertex or face file
    Output,            ///< where an export is written, a file or a folder
};

/// A fault in what the user typed or picked (a box, a file, a line of a file).
/// Its message names the field or file at fault, worded in each language when shown; `input`,
/// `value` and `reason` let a caller phrase it in its own terms. what() is the English message.
class InputError : public std::runtime_error
{
public:
    /// A refusal whose message names its file or input itself.
    explicit InputError(const Message& message)
        : std::runtime_error(message.in(Language::English)), m_message(message), m_reason(message)
    {
    }
    /// As above, for a message only the command line (English) shows.
    explicit InputError(const std::string& message) : InputError(Message::verbatim(message)) {}
    /// `message` names `input` as the window does; `reason` says what is wrong without naming it.
    InputError(Input input, std::string value, const Message& message, const Message& reason)
        : std::runtime_error(message.in(Language::English)), m_input(input), m_value(std::move(value)),
          m_message(message), m_reason(reason)
    {
    }
    /// As above, for a message only the command line (English) shows.
    InputError(Input input, std::string value, const std::string& message, const std::string& reason)
        : InputError(input, std::move(value), Message::verbatim(message), Message::verbatim(reason))
    {
    }

    Input input() const { return m_input; }
    /// The value refused, as typed or as read; empty when there is none.
    const std::string& value() const { return m_value; }
    /// What is wrong, without naming the input, in English.
    std::string reason() const { return m_reason.in(Language::English); }
    /// The whole message; what() is its English.
    const Message& message() const { return m_message; }
    /// What is wrong, without naming the input.
    const Message& reasonText() const { return m_reason; }
    /// The same refusal, said of `input` (keeps the value, the message and the reason).
    InputError about(Input input) const { return InputError(input, m_value, m_message, m_reason); }

private:
    Input m_input = Input::Unnamed;
    std::string m_value;
    Message m_message;
    Message m_reason;
};

/// Throws InputError about `input`: the message is `caption` + ": " + `reason`.
[[noreturn]] inline void refuse(Input input, const std::string& caption, const std::string& value, const Message& reason)
{
    throw InputError(input, value, Message::verbatim(caption + ": ") + reason, reason);
}
/// As above, for a reason still written inline in English and Japanese.
[[noreturn]] inline void refuse(Input input, const std::string& caption, const std::string& value, const Text& reason)
{
    refuse(input, caption, value, Message(reason));
}

} // namespace text
