// Converts the Hipparcos-based star file of the d3-celestial package (XHIP, GeoJSON; longitudes
// −180…180) into data/deep-stars.csv: every star of visual magnitude kFaintestKept or brighter,
// in the package's order (by Hipparcos number), as an extended star file
// (header "lambda,phi,magnitude,bv", then λ = right ascension 0…360, φ = declination, V, B−V).
// Usage: star_data <d3-celestial folder> <output file>
// An empty first argument takes the folder from the environment variable D3_CELESTIAL_DIR.
// Nothing is written unless the whole file converts and reads back with the program's reader.

#include "stars/star_catalogue.h"
#include "text/input_error.h"

#include "d3_package.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;
using d3::checkPackage;
using d3::ConversionError;
using d3::loadJson;
using d3::number;

/// The faintest visual magnitude the bundled deep catalogue keeps.
constexpr double kFaintestKept = 9.0;

/// The lines of the star file, the header first; `kept` counts the stars.
std::string convertStars(const fs::path& path, std::size_t& kept, std::size_t& withoutColour)
{
    const QJsonValue all = loadJson(path).object().value("features");
    if (!all.isArray())
        throw ConversionError(path.string() + ": no \"features\" array (not a GeoJSON FeatureCollection).");
    std::string out = std::string(stars::kExtendedStarHeader) + "\n";
    const QJsonArray features = all.toArray();
    for (qsizetype i = 0; i < features.size(); ++i) {
        const QJsonObject f = features[i].toObject();
        const std::string where = path.filename().string() + ", feature " + std::to_string(i + 1) + " (HIP "
                                  + std::to_string(f.value("id").toInt()) + ")";
        const QJsonObject p = f.value("properties").toObject();
        if (!p.value("mag").isDouble())
            throw ConversionError(where + ": no magnitude.");
        const double mag = p.value("mag").toDouble();
        if (!(mag <= kFaintestKept))
            continue;
        const QJsonArray c = f.value("geometry").toObject().value("coordinates").toArray();
        if (c.size() != 2 || !c[0].isDouble() || !c[1].isDouble())
            throw ConversionError(where + ": the position is not a pair of numbers.");
        const double lon = c[0].toDouble(), lat = c[1].toDouble();
        if (lon < -180.0 || lon > 360.0 || lat < -90.0 || lat > 90.0)
            throw ConversionError(where + ": the position " + number(lon) + ", " + number(lat) + " is off the sphere.");
        double lambda = lon < 0.0 ? lon + 360.0 : lon;
        if (lambda >= 360.0)
            lambda -= 360.0;
        // B−V comes as text; an empty one (no colour measured) stays empty.
        const QString bvText = p.value("bv").toString().trimmed();
        std::string bv;
        if (!bvText.isEmpty()) {
            bool ok = false;
            const double value = bvText.toDouble(&ok);
            if (!ok)
                throw ConversionError(where + ": B-V \"" + bvText.toStdString() + "\" is not a number.");
            bv = number(value);
        } else {
            ++withoutColour;
        }
        out += number(lambda) + "," + number(lat) + "," + number(mag) + "," + bv + "\n";
        ++kept;
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "Usage: star_data <d3-celestial folder> <output file>\n"
                     "  (an empty first argument takes the folder from D3_CELESTIAL_DIR)\n";
        return 2;
    }
    const std::string source = d3::packageFolder(argv[1]);
    if (source.empty()) {
        std::cerr << d3::noPackageMessage("star_data");
        return 1;
    }
    const fs::path root(source), output(argv[2]);
    const fs::path staged = output.string() + ".new";
    try {
        if (!fs::is_regular_file(root / "package.json") || !fs::is_directory(root / "data"))
            throw ConversionError(source + ": not an unpacked d3-celestial package (no package.json and data/).");
        const std::string version = checkPackage(root / "package.json");
        std::size_t kept = 0, withoutColour = 0;
        const std::string content = convertStars(root / "data" / "stars.14.json", kept, withoutColour);
        d3::writeFile(staged, content);
        const stars::StarCatalogue back = stars::ReadStarFile(staged.string());
        if (static_cast<std::size_t>(back.StarCount()) != kept)
            throw ConversionError(staged.string() + ": reads back " + std::to_string(back.StarCount())
                                  + " stars, not " + std::to_string(kept) + ".");
        fs::rename(staged, output);
        std::cout << "d3-celestial " << version << " -> " << output.string() << ": " << kept
                  << " stars to magnitude " << number(kFaintestKept) << " (" << withoutColour << " without B-V), "
                  << content.size() << " bytes\n";
    } catch (const ConversionError& e) {
        std::cerr << "star_data: " << e.what() << "\n";
        std::error_code ec;
        fs::remove(staged, ec);
        return 1;
    } catch (const text::InputError& e) {
        std::cerr << "star_data: the output does not read back: " << e.what() << "\n";
        std::error_code ec;
        fs::remove(staged, ec);
        return 1;
    } catch (const fs::filesystem_error& e) {
        std::cerr << "star_data: " << e.what() << "\n";
        std::error_code ec;
        fs::remove(staged, ec);
        return 1;
    }
    return 0;
}
