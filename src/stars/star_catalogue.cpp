#include "stars/star_catalogue.h"

#include "text/field_reader.h"
#include "text/input_error.h"

#include <limits>

namespace stars {

StarCatalogue ReadStarFile(const std::string& StarFileName)
{
    static const std::vector<std::string> kFields{"Lambda (longitude)", "Phi (latitude)", "Vmag (magnitude)"};
    const auto records = text::readFieldGroups(StarFileName, kFields);
    if (records.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw text::InputError(StarFileName + ": the file holds more stars than the program can count.");
    StarCatalogue catalogue;
    catalogue.stars.reserve(records.size());
    for (const auto& r : records)
        catalogue.stars.push_back(Star{r.fields[0].value, r.fields[1].value, r.fields[2].value});
    return catalogue;
}

} // namespace stars
