#include "export/template_drawing.h"

namespace exporter {

std::string optionNamedIn(const std::string& message, const std::vector<CaptionOption>& captions,
                          const std::string& fallback)
{
    std::size_t best = std::string::npos;
    std::string option = fallback;
    for (const auto& [caption, name] : captions) {
        const auto at = message.find(caption);
        if (at != std::string::npos && (best == std::string::npos || at < best)) {
            best = at;
            option = name;
        }
    }
    return option;
}

} // namespace exporter
