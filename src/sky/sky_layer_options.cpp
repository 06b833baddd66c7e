#include "sky/sky_layer_options.h"

namespace sky {

std::optional<Language> languageNamed(std::string_view code)
{
    if (code == "ja")
        return Language::Japanese;
    if (code == "en")
        return Language::English;
    if (code == "la")
        return Language::Latin;
    return std::nullopt;
}

} // namespace sky
