// Converts the constellation figures, names and boundaries and the star names of the
// d3-celestial package (GeoJSON; longitudes −180…180) into the CSV files of data/sky
// (λ = right ascension 0…360, φ = declination; one record a line, a header line first).
// Usage: sky_data <d3-celestial folder> <output folder>
// The d3-celestial folder is the unpacked package (holding package.json and data/); an empty
// argument takes it from the environment variable D3_CELESTIAL_DIR. Nothing is written unless
// every file converts and reads back cleanly.

#include "sky/constellation_bounds.h"
#include "sky/constellation_lines.h"
#include "sky/constellation_names.h"
#include "sky/star_names.h"
#include "text/input_error.h"

#include "d3_package.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using d3::checkPackage;
using d3::ConversionError;
using d3::loadJson;
using d3::number;
using d3::writeFile;

QJsonArray features(const QJsonDocument& doc, const fs::path& path)
{
    const QJsonValue f = doc.object().value("features");
    if (!f.isArray())
        throw ConversionError(path.string() + ": no \"features\" array (not a GeoJSON FeatureCollection).");
    return f.toArray();
}

std::string text(const QJsonValue& v) { return v.toString().toStdString(); }

/// GeoJSON [lon, lat] as "λ,φ" with λ in [0, 360).
std::string position(const QJsonValue& coordinates, const std::string& where)
{
    const QJsonArray a = coordinates.toArray();
    if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble())
        throw ConversionError(where + ": a position is not a pair of numbers.");
    const double lon = a[0].toDouble(), lat = a[1].toDouble();
    if (lon < -180.0 || lon > 360.0 || lat < -90.0 || lat > 90.0)
        throw ConversionError(where + ": the position " + number(lon) + ", " + number(lat) + " is off the sphere.");
    double lambda = lon < 0.0 ? lon + 360.0 : lon;
    if (lambda >= 360.0)
        lambda -= 360.0;
    return number(lambda) + "," + number(lat);
}

/// A CSV text field: in quotes when it holds a comma, a quote or blanks at either end.
std::string field(const std::string& s, const std::string& where)
{
    if (s.find_first_of("\r\n") != std::string::npos)
        throw ConversionError(where + ": a name holds a line break.");
    const bool quote = s.find_first_of(",\"") != std::string::npos
                       || (!s.empty() && (s.front() == ' ' || s.back() == ' ' || s.front() == '\t' || s.back() == '\t'));
    if (!quote)
        return s;
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string headerLine(const std::vector<std::string>& columns)
{
    std::string line;
    for (const auto& c : columns)
        line += (line.empty() ? "" : ",") + c;
    return line + "\n";
}

std::string featureLabel(const fs::path& path, int index, const std::string& id)
{
    return path.filename().string() + ", feature " + std::to_string(index + 1) + " (" + id + ")";
}

std::string featureId(const QJsonObject& feature, const fs::path& path, int index)
{
    const std::string id = text(feature.value("id"));
    if (id.empty())
        throw ConversionError(featureLabel(path, index, "?") + ": no constellation id.");
    return id;
}

/// Lines of constellation-lines.csv or constellation-bounds.csv from MultiLineString or Polygon features.
std::string convertPaths(const fs::path& path, const std::vector<std::string>& columns, const QString& geometryType,
                         int minPoints)
{
    std::string out = headerLine(columns);
    std::map<std::string, int> lastNumber;
    const QJsonArray all = features(loadJson(path), path);
    for (int i = 0; i < all.size(); ++i) {
        const QJsonObject feature = all[i].toObject();
        const std::string id = featureId(feature, path, i);
        const std::string where = featureLabel(path, i, id);
        const QJsonObject geometry = feature.value("geometry").toObject();
        if (geometry.value("type").toString() != geometryType)
            throw ConversionError(where + ": the geometry is not a " + geometryType.toStdString() + ".");
        const QJsonArray paths = geometry.value("coordinates").toArray();
        if (geometryType == "Polygon" && paths.size() != 1)
            throw ConversionError(where + ": a boundary with holes is not expected.");
        for (const QJsonValue& p : paths) {
            const QJsonArray points = p.toArray();
            if (points.size() < minPoints)
                throw ConversionError(where + ": a path of " + std::to_string(points.size()) + " points.");
            const int number = ++lastNumber[id];
            for (int k = 0; k < points.size(); ++k)
                out += field(id, where) + "," + std::to_string(number) + "," + std::to_string(k + 1) + ","
                       + position(points[k], where) + "\n";
        }
    }
    return out;
}

std::string convertNames(const fs::path& path)
{
    std::string out = headerLine(sky::kConstellationNamesColumns);
    const QJsonArray all = features(loadJson(path), path);
    for (int i = 0; i < all.size(); ++i) {
        const QJsonObject feature = all[i].toObject();
        const std::string id = featureId(feature, path, i);
        const std::string where = featureLabel(path, i, id);
        const QJsonObject p = feature.value("properties").toObject();
        const QJsonObject geometry = feature.value("geometry").toObject();
        if (geometry.value("type").toString() != "Point")
            throw ConversionError(where + ": the name position is not a Point.");
        out += field(id, where) + "," + position(geometry.value("coordinates"), where) + ","
               + field(text(p.value("rank")), where) + "," + field(text(p.value("name")), where) + ","
               + field(text(p.value("la")), where) + "," + field(text(p.value("en")), where) + ","
               + field(text(p.value("ja")), where);
        // The further languages, in the columns' order; the package writes Czech "cz" and Estonian "ee".
        for (std::size_t c = 8; c < sky::kConstellationNamesColumns.size(); ++c) {
            const std::string& code = sky::kConstellationNamesColumns[c];
            const QString key = code == "cs" ? QStringLiteral("cz") : code == "et" ? QStringLiteral("ee")
                                                                                    : QString::fromStdString(code);
            out += "," + field(text(p.value(key)), where);
        }
        out += "\n";
    }
    return out;
}

std::string convertStarNames(const fs::path& namesPath, const fs::path& starsPath, int& unplaced)
{
    struct Star
    {
        QJsonValue coordinates;
        double magnitude = 0.0;
    };
    std::map<int, Star> stars;
    const QJsonArray all = features(loadJson(starsPath), starsPath);
    for (int i = 0; i < all.size(); ++i) {
        const QJsonObject f = all[i].toObject();
        const int hip = f.value("id").toInt();
        if (hip > 0)
            stars[hip] = {f.value("geometry").toObject().value("coordinates"),
                          f.value("properties").toObject().value("mag").toDouble()};
    }
    const QJsonObject names = loadJson(namesPath).object();
    std::map<int, std::string> records; // by Hipparcos number, in numeric order
    unplaced = 0;
    for (auto it = names.begin(); it != names.end(); ++it) {
        const std::string where = namesPath.filename().string() + ", star " + it.key().toStdString();
        bool ok = false;
        const int hip = it.key().toInt(&ok);
        if (!ok || hip <= 0)
            throw ConversionError(where + ": the key is not a Hipparcos number.");
        const QJsonObject n = it.value().toObject();
        const std::string name = text(n.value("name")), japanese = text(n.value("ja"));
        if (name.empty() && japanese.empty())
            continue; // a designation only
        const auto star = stars.find(hip);
        if (star == stars.end()) {
            ++unplaced;
            std::cerr << "sky_data: " << where << " (" << name << ") has no position in "
                      << starsPath.filename().string() << "; left out.\n";
            continue;
        }
        records[hip] = std::to_string(hip) + "," + position(star->second.coordinates, where) + ","
                       + number(star->second.magnitude) + "," + field(text(n.value("c")), where) + ","
                       + field(name, where) + "," + field(japanese, where) + "\n";
    }
    std::string out = headerLine(sky::kStarNamesColumns);
    for (const auto& r : records)
        out += r.second;
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "Usage: sky_data <d3-celestial folder> <output folder>\n"
                     "  (an empty first argument takes the folder from D3_CELESTIAL_DIR)\n";
        return 2;
    }
    const std::string source = d3::packageFolder(argv[1]);
    if (source.empty()) {
        std::cerr << d3::noPackageMessage("sky_data");
        return 1;
    }
    const fs::path root(source), output(argv[2]);
    const fs::path data = root / "data";
    const std::vector<std::string> fileNames{"constellation-lines.csv", "constellation-names.csv",
                                             "constellation-bounds.csv", "star-names.csv"};
    const auto removeStaged = [&]() {
        std::error_code ec;
        for (const auto& name : fileNames)
            fs::remove(output / (name + ".new"), ec);
    };
    try {
        if (!fs::is_regular_file(root / "package.json") || !fs::is_directory(data))
            throw ConversionError(source + ": not an unpacked d3-celestial package (no package.json and data/).");
        const std::string version = checkPackage(root / "package.json");
        int unplaced = 0;
        const std::vector<std::string> contents{
            convertPaths(data / "constellations.lines.json", sky::kConstellationLinesColumns, "MultiLineString", 2),
            convertNames(data / "constellations.json"),
            convertPaths(data / "constellations.bounds.json", sky::kConstellationBoundsColumns, "Polygon", 4),
            convertStarNames(data / "starnames.json", data / "stars.14.json", unplaced),
        };
        // Write beside the targets, read back with the program's readers, then move into place.
        fs::create_directories(output);
        for (std::size_t i = 0; i < fileNames.size(); ++i)
            writeFile(output / (fileNames[i] + ".new"), contents[i]);
        const auto staged = [&](const char* name) { return (output / (std::string(name) + ".new")).string(); };
        const auto lines = sky::readConstellationLines(staged("constellation-lines.csv"));
        const auto names = sky::readConstellationNames(staged("constellation-names.csv"));
        const auto bounds = sky::readConstellationBounds(staged("constellation-bounds.csv"));
        const auto starNames = sky::readStarNames(staged("star-names.csv"));
        for (const auto& name : fileNames)
            fs::rename(output / (name + ".new"), output / name);
        std::cout << "d3-celestial " << version << " -> " << output.string() << ":\n"
                  << "  constellation-lines.csv   " << lines.size() << " polylines\n"
                  << "  constellation-names.csv   " << names.size() << " names\n"
                  << "  constellation-bounds.csv  " << bounds.size() << " outlines\n"
                  << "  star-names.csv            " << starNames.size() << " named stars"
                  << (unplaced ? " (" + std::to_string(unplaced) + " without a position left out)" : "") << "\n";
    } catch (const ConversionError& e) {
        std::cerr << "sky_data: " << e.what() << "\n";
        removeStaged();
        return 1;
    } catch (const text::InputError& e) {
        std::cerr << "sky_data: the output does not read back: " << e.what() << "\n";
        removeStaged();
        return 1;
    } catch (const fs::filesystem_error& e) {
        std::cerr << "sky_data: " << e.what() << "\n";
        removeStaged();
        return 1;
    }
    return 0;
}
