#include "stars/star_catalogue.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"

#include <limits>

namespace stars {

namespace {

// The shortest star, "0,0,0" and a line break, takes 6 bytes: no file the reader takes can
// hold more stars than StarCount counts.
static_assert(text::kMaxDataFileBytes / 6 < static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()));

[[noreturn]] void refuseLatitude(std::string_view fileLabel, const text::FieldView& phi, std::size_t starNumber)
{
    const std::string star = std::to_string(starNumber), value = text::quotedForMessage(phi.text);
    throw text::InputError(
        text::whereInFile(fileLabel, phi.line)
        + text::Text{": the latitude Phi of star " + star + " is " + value
                         + ", outside -90 to 90 degrees. A star file gives longitude first, then latitude, "
                           "then magnitude: are the columns swapped?",
                     ": " + star + " 番目の星の緯度φが " + value
                         + " で、-90° から 90° までの範囲の外です。恒星データは経度、緯度、等級の順に並べます。"
                           "列が入れ替わっていませんか？"});
}

} // namespace

StarCatalogue parseStarFile(std::string_view content, std::string_view fileLabel)
{
    static const text::Text kLambda{"Lambda (longitude)", "経度λ"}, kPhi{"Phi (latitude)", "緯度φ"},
        kVmag{"Vmag (magnitude)", "等級Vmag"};
    text::FieldScanner scanner(content, fileLabel);
    StarCatalogue catalogue;
    while (!scanner.atEndBeforeRecord(catalogue.stars.size())) {
        const std::size_t number = catalogue.stars.size() + 1;
        const double lambda = scanner.next(kLambda, number).value;
        const text::FieldView phi = scanner.next(kPhi, number);
        const double vmag = scanner.next(kVmag, number).value;
        if (!(phi.value >= -90.0 && phi.value <= 90.0))
            refuseLatitude(fileLabel, phi, number);
        catalogue.stars.push_back(Star{lambda, phi.value, vmag});
    }
    if (catalogue.stars.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        const std::string file = text::escapedForMessage(fileLabel);
        throw text::InputError(text::Text{file + ": the file holds more stars than the program can count.",
                                          file + ": 星の数が、このプログラムの数えられる上限を超えています。"});
    }
    return catalogue;
}

StarCatalogue ReadStarFile(const std::string& StarFileName)
{
    return parseStarFile(text::readDataFile(StarFileName), StarFileName);
}

} // namespace stars
