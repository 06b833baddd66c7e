#include "d3_package.h"

#include <QFile>
#include <QJsonObject>
#include <QString>

#include <cstdlib>
#include <fstream>

namespace d3 {

QJsonDocument loadJson(const std::filesystem::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        throw ConversionError(path.string() + ": cannot be opened (" + file.errorString().toStdString() + ").");
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull())
        throw ConversionError(path.string() + ": not JSON (" + error.errorString().toStdString() + " at byte "
                              + std::to_string(error.offset) + ").");
    return doc;
}

std::string number(double v)
{
    if (v == 0.0)
        v = 0.0;
    return QString::number(v, 'g', 10).toStdString();
}

std::string checkPackage(const std::filesystem::path& packageJson)
{
    const QJsonObject p = loadJson(packageJson).object();
    if (p.value("name").toString() != "d3-celestial")
        throw ConversionError(packageJson.string() + ": this is not the d3-celestial package.");
    if (p.value("license").toString() != "BSD-3-Clause")
        throw ConversionError(packageJson.string() + ": the licence is \"" + p.value("license").toString().toStdString()
                              + "\", not BSD-3-Clause; check it before bundling the data.");
    return p.value("version").toString().toStdString();
}

std::string packageFolder(const std::string& argument)
{
    if (!argument.empty())
        return argument;
    const char* env = std::getenv("D3_CELESTIAL_DIR");
    return env ? env : "";
}

std::string noPackageMessage(const std::string& tool)
{
    return tool + ": no d3-celestial folder: set the CMake cache variable ORBWEAVE_D3_CELESTIAL_DIR or the "
                  "environment variable D3_CELESTIAL_DIR to the unpacked package (npm pack d3-celestial; tar xzf "
                  "d3-celestial-*.tgz gives a folder named package).\n";
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out)
        throw ConversionError(path.string() + ": cannot be written.");
}

} // namespace d3
