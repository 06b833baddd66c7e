#pragma once

// What the converters of tools/sky_data share: reading the unpacked d3-celestial package.

#include <QJsonDocument>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace d3 {

/// A fault in the input package; the message names the file and the feature.
struct ConversionError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/// The JSON document of `path`; throws ConversionError when it cannot be read or parsed.
QJsonDocument loadJson(const std::filesystem::path& path);

/// A number with up to 10 significant digits and no trailing zeros; −0 written as 0.
std::string number(double v);

/// Checks package.json: the right package under the licence the data READMEs state (BSD-3-Clause).
/// Returns the package's version.
std::string checkPackage(const std::filesystem::path& packageJson);

/// The package folder: `argument`, or when that is empty the environment variable
/// D3_CELESTIAL_DIR; empty when neither names one.
std::string packageFolder(const std::string& argument);

/// What `tool` says when packageFolder found none.
std::string noPackageMessage(const std::string& tool);

/// Writes `content` to `path`; throws ConversionError when it cannot.
void writeFile(const std::filesystem::path& path, const std::string& content);

} // namespace d3
