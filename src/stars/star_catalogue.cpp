#include "stars/star_catalogue.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace stars {

namespace {

// The shortest star, "0,0,0" and a line break, takes 6 bytes: no file the reader takes can
// hold more stars than StarCount counts.
static_assert(text::kMaxDataFileBytes / 6 < static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()));

[[noreturn]] void refuseLatitude(std::string_view fileLabel, const text::FieldView& phi, std::size_t starNumber)
{
    throw text::InputError(text::Message(text::MessageId::LatitudeOutside, {text::whereInFile(fileLabel, phi.line),
                                                                            starNumber, text::quotedForMessage(phi.text)}));
}

const text::Message kLambda(text::MessageId::FieldLambda), kPhi(text::MessageId::FieldPhi),
    kVmag(text::MessageId::FieldVmag), kColourIndex(text::MessageId::FieldColourIndex);

/// Room for the stars of `content` at one a line, so that a large catalogue is not grown by doubling:
/// its peak memory stays near what it holds.
std::size_t likelyStarCount(std::string_view content)
{
    return std::min<std::size_t>(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1,
                                 content.size() / 6 + 1);
}

/// Where the stars of an extended file begin: after its header line. None for a plain file.
std::optional<std::size_t> extendedBodyStart(std::string_view content)
{
    const std::size_t start = content.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    if (content.substr(start, kExtendedStarHeader.size()) != kExtendedStarHeader)
        return std::nullopt;
    std::size_t p = start + kExtendedStarHeader.size();
    while (p < content.size() && (content[p] == ' ' || content[p] == '\t'))
        ++p;
    if (p == content.size())
        return p;
    if (content[p] == '\n')
        return p + 1;
    if (content[p] == '\r')
        return p + 1 < content.size() && content[p + 1] == '\n' ? p + 2 : p + 1;
    return std::nullopt;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

[[noreturn]] void refuseExtendedField(std::string_view fileLabel, std::int64_t line, std::size_t starNumber,
                                      const text::Message& name, std::string_view field)
{
    const text::Message where = text::whereInFile(fileLabel, line);
    if (field.empty())
        throw text::InputError(text::Message(text::MessageId::StarFieldEmpty, {where, name, starNumber}));
    throw text::InputError(text::Message(text::MessageId::StarFieldNotANumber,
                                         {where, name, starNumber, text::quotedForMessage(field)}));
}

/// The stars of an extended file from `body` on, its first line numbered 2.
StarCatalogue parseExtendedStars(std::string_view body, std::string_view fileLabel)
{
    StarCatalogue catalogue;
    catalogue.stars.reserve(likelyStarCount(body));
    catalogue.colourIndices.reserve(likelyStarCount(body));
    std::int64_t line = 1;
    while (!body.empty()) {
        ++line;
        const std::size_t end = std::min(body.find_first_of("\r\n"), body.size());
        const std::string_view lineText = body.substr(0, end);
        body.remove_prefix(end);
        if (!body.empty())
            body.remove_prefix(body.size() > 1 && body[0] == '\r' && body[1] == '\n' ? 2 : 1);
        if (trimmed(lineText).empty())
            continue;
        const std::size_t number = catalogue.stars.size() + 1;
        std::string_view fields[4];
        std::size_t count = 0, from = 0;
        for (;;) {
            const std::size_t comma = lineText.find(',', from);
            const std::string_view f = trimmed(lineText.substr(from, comma == std::string_view::npos ? comma : comma - from));
            if (count < 4)
                fields[count] = f;
            ++count;
            if (comma == std::string_view::npos)
                break;
            from = comma + 1;
        }
        if (count != 4) {
            throw text::InputError(
                text::Message(text::MessageId::StarFieldCount, {text::whereInFile(fileLabel, line), number, count}));
        }
        double values[3];
        const text::Message* names[3] = {&kLambda, &kPhi, &kVmag};
        for (int i = 0; i < 3; ++i) {
            const text::DataNumber n = text::parseDataNumber(fields[i]);
            if (n.kind != text::DataNumber::Kind::Number)
                refuseExtendedField(fileLabel, line, number, *names[i], fields[i]);
            values[i] = n.value;
        }
        if (!(values[1] >= -90.0 && values[1] <= 90.0))
            refuseLatitude(fileLabel, text::FieldView{values[1], line, fields[1]}, number);
        std::optional<double> colourIndex;
        if (!fields[3].empty()) {
            const text::DataNumber n = text::parseDataNumber(fields[3]);
            if (n.kind != text::DataNumber::Kind::Number)
                refuseExtendedField(fileLabel, line, number, kColourIndex, fields[3]);
            colourIndex = n.value;
        }
        catalogue.stars.push_back(Star{values[0], values[1], values[2]});
        catalogue.colourIndices.push_back(colourIndex);
    }
    return catalogue;
}

} // namespace

StarCatalogue parseStarFile(std::string_view content, std::string_view fileLabel)
{
    if (const auto body = extendedBodyStart(content))
        return parseExtendedStars(content.substr(*body), fileLabel);
    text::FieldScanner scanner(content, fileLabel);
    StarCatalogue catalogue;
    catalogue.stars.reserve(likelyStarCount(content));
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
        throw text::InputError(text::Message(text::MessageId::TooManyStars, {text::escapedForMessage(fileLabel)}));
    }
    return catalogue;
}

StarCatalogue ReadStarFile(const std::string& StarFileName)
{
    return parseStarFile(text::readDataFile(StarFileName), StarFileName);
}

} // namespace stars
