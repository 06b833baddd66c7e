#include "sky/sky_layer_options.h"

namespace sky {

std::optional<Language> languageNamed(std::string_view code)
{
    for (const NameLanguage& l : kNameLanguages)
        if (code == l.code)
            return l.language;
    return std::nullopt;
}

const char* languageCode(Language language)
{
    for (const NameLanguage& l : kNameLanguages)
        if (l.language == language)
            return l.code;
    return "en";
}

std::string languageCodeList()
{
    std::string list;
    for (const NameLanguage& l : kNameLanguages)
        list += (list.empty() ? "" : ", ") + std::string(l.code);
    return list;
}

} // namespace sky
