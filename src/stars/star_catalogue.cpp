#include "stars/star_catalogue.h"

#include "text/data_file.h"
#include "text/field_reader.h"
#include "text/input_error.h"
#include "text/large_pages.h"
#include "text/number_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace stars {

namespace {

// The shortest star, "0,0,0" and a line break, takes 6 bytes: no file the reader takes can
// hold more stars than StarCount counts.
static_assert(text::kMaxDataFileBytes / 6 < static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()));

/// Whether `phi` is a latitude a star can have: −90° to 90°, a number.
bool isLatitude(double phi) { return phi >= -90.0 && phi <= 90.0; }

[[noreturn]] void refuseLatitude(std::string_view fileLabel, const text::FieldView& phi, std::size_t starNumber)
{
    throw text::InputError(text::Message(text::MessageId::LatitudeOutside, {text::whereInFile(fileLabel, phi.line),
                                                                            starNumber, text::quotedForMessage(phi.text)}));
}

const text::Message kLambda(text::MessageId::FieldLambda), kPhi(text::MessageId::FieldPhi),
    kVmag(text::MessageId::FieldVmag), kColourIndex(text::MessageId::FieldColourIndex);

/// How many line feeds `content` holds, counted eight bytes at a time.
std::size_t lineFeeds(std::string_view content)
{
    constexpr std::uint64_t kLow = 0x7f7f7f7f7f7f7f7f, kEach = 0x0101010101010101;
    std::size_t count = 0, at = 0;
    while (content.size() - at >= 8) {
        // Per byte lane, how many line feeds it held, for up to 255 words at once.
        std::uint64_t lanes = 0;
        for (int word = 0; word < 255 && content.size() - at >= 8; ++word, at += 8) {
            std::uint64_t w;
            std::memcpy(&w, content.data() + at, 8);
            const std::uint64_t x = w ^ (kEach * '\n'); // a zero byte where a line feed was
            lanes += ~(((x & kLow) + kLow) | x | kLow) >> 7;
        }
        const std::uint64_t pairs = (lanes & 0x00ff00ff00ff00ff) + ((lanes >> 8) & 0x00ff00ff00ff00ff);
        count += (pairs * 0x0001000100010001) >> 48;
    }
    return count + static_cast<std::size_t>(std::count(content.begin() + static_cast<std::ptrdiff_t>(at), content.end(), '\n'));
}

/// Room for the stars of `content` at one a line, so that a large catalogue is not grown by doubling:
/// its peak memory stays near what it holds.
std::size_t likelyStarCount(std::string_view content)
{
    return std::min<std::size_t>(lineFeeds(content) + 1, content.size() / 6 + 1);
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
        if (!isLatitude(values[1]))
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

namespace {

/// Star files below this size are read on one thread: another would not pay for itself.
constexpr std::size_t kSplitBytes = std::size_t{4} << 20;
/// Stars a piece of the second half's list holds.
constexpr std::size_t kPieceStars = std::size_t{1} << 16;

/// Reads the records of a plain star file from `scanner`, handing each star to `add`, numbered
/// on from `counted` in refusals, until the end (false) or until a record would start at or
/// beyond `stop` (true).
template <typename Add>
bool readPlainStars(text::FieldScanner& scanner, std::string_view fileLabel, std::size_t counted, Add&& add,
                    const char* stop = nullptr)
{
    while (!scanner.atEndBeforeRecord(counted)) {
        if (stop != nullptr && scanner.position() >= stop)
            return true;
        const std::size_t number = ++counted;
        if (scanner.nextPlainTriple([&](double lambda, double phi, double vmag) {
                if (!isLatitude(phi))
                    return false; // refused below, as any other record
                add(Star{lambda, phi, vmag});
                return true;
            }))
            continue;
        const double lambda = scanner.next(kLambda, number).value;
        const text::FieldView phi = scanner.next(kPhi, number);
        const double vmag = scanner.next(kVmag, number).value;
        if (!isLatitude(phi.value))
            refuseLatitude(fileLabel, phi, number);
        add(Star{lambda, phi.value, vmag});
    }
    return false;
}

/// The stars of a plain file's second half, read ahead on another thread as if it began a file.
struct SecondHalf
{
    const char* firstRecord = nullptr;     ///< where its first record starts
    std::vector<std::vector<Star>> pieces; ///< its stars, kPieceStars a piece
    bool failed = false;                   ///< it held a fault: the first half's reading says which
};

/// Where the second half of `content` starts: after the first line feed from its middle on;
/// none where there is none, or where a byte-order mark would stand at its start.
std::optional<std::size_t> secondHalfStart(std::string_view content)
{
    const std::size_t feed = content.find('\n', content.size() / 2);
    if (feed == std::string_view::npos || content.substr(feed + 1, 3) == "\xEF\xBB\xBF")
        return std::nullopt;
    return feed + 1;
}

} // namespace

StarCatalogue parseStarFile(std::string_view content, std::string_view fileLabel, unsigned threads)
{
    if (const auto body = extendedBodyStart(content))
        return parseExtendedStars(content.substr(*body), fileLabel);
    text::FieldScanner scanner(content, fileLabel);
    StarCatalogue catalogue;
    catalogue.stars.reserve(likelyStarCount(content));
    text::preferLargePages(catalogue.stars.data(), catalogue.stars.capacity() * sizeof(Star));
    const auto add = [&](const Star& star) { catalogue.stars.push_back(star); };
    const auto refuseCount = [&] {
        if (catalogue.stars.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw text::InputError(text::Message(text::MessageId::TooManyStars, {text::escapedForMessage(fileLabel)}));
    };
    const bool split = threads == 0 ? content.size() >= kSplitBytes && std::thread::hardware_concurrency() > 1 : threads > 1;
    const std::optional<std::size_t> rest = split ? secondHalfStart(content) : std::nullopt;
    if (rest) {
        // The second half is read on another thread from the first line break past the middle, as
        // a file of its own, while this one reads the first half on. Where this one's next record
        // starts just where that one's first did, in the same state (no comma pending), the
        // halves join; else (a record run over the line break, a fault in the second half) this
        // one reads on to the end, and what it finds and says is what one reading would.
        SecondHalf later;
        const auto readLater = [&] {
            try {
                text::FieldScanner tail(content.substr(*rest), fileLabel);
                const bool empty = tail.atEndBeforeRecord(0);
                later.firstRecord = tail.position();
                if (empty)
                    return;
                readPlainStars(tail, fileLabel, 0, [&](const Star& star) {
                    if (later.pieces.empty() || later.pieces.back().size() == kPieceStars) {
                        later.pieces.emplace_back();
                        later.pieces.back().reserve(kPieceStars);
                    }
                    later.pieces.back().push_back(star);
                });
            } catch (...) {
                later.failed = true;
            }
        };
        std::optional<std::thread> worker;
        try {
            worker.emplace(readLater);
        } catch (const std::system_error&) {
            readLater(); // no thread to be had: read here, still one pass over each half
        }
        // Joined however the first half's reading ends, a refusal included.
        struct Join
        {
            std::optional<std::thread>& worker;
            ~Join()
            {
                if (worker && worker->joinable())
                    worker->join();
            }
        } join{worker};
        const bool reached = readPlainStars(scanner, fileLabel, 0, add, content.data() + *rest);
        if (worker)
            worker->join();
        if (!reached) {
            refuseCount();
            return catalogue; // a last record ran over the whole second half
        }
        if (!later.failed && scanner.position() == later.firstRecord && !scanner.afterComma()) {
            for (std::vector<Star>& piece : later.pieces) {
                catalogue.stars.insert(catalogue.stars.end(), piece.begin(), piece.end());
                piece = std::vector<Star>(); // given back piece by piece: memory holds the stars about once
            }
            refuseCount();
            return catalogue;
        }
    }
    readPlainStars(scanner, fileLabel, catalogue.stars.size(), add);
    refuseCount();
    return catalogue;
}

StarCatalogue ReadStarFile(const std::string& StarFileName)
{
    return parseStarFile(text::readDataFile(StarFileName), StarFileName);
}

} // namespace stars
