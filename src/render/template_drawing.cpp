#include "render/template_drawing.h"

#include "text/input_error.h"
#include "text/message_text.h"

namespace exporter {

std::string stripExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

void refuseOption(const std::string& option, const std::string& typed, const std::string& reason)
{
    throw text::InputError("option " + option + " \"" + text::escapedForMessage(typed) + "\": " + reason);
}

void refuseOption(const std::string& option, const std::string& typed, const text::InputError& refused)
{
    const std::string named = "option " + option + " \"" + text::escapedForMessage(typed) + "\": ";
    const text::Message& reason = refused.reasonText();
    throw text::InputError(refused.input(), typed, text::Message::verbatim(named) + reason, reason);
}

} // namespace exporter
