// Writes vertex and face files for six polyhedra inscribed in the unit sphere:
// <name>-vertices.csv (latitude, longitude per vertex) and <name>-faces.csv (centre latitude,
// centre longitude, corner count, six vertex numbers per face), degrees, CR LF line ends.
// Usage: polyhedron_models <output folder>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kTolerance = 1e-9;

struct Vec
{
    double x = 0, y = 0, z = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec unit(Vec a) { return (1.0 / std::sqrt(dot(a, a))) * a; }

Vec fromLatLon(double latDeg, double lonDeg)
{
    const double lat = latDeg * kDegree, lon = lonDeg * kDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

struct LatLon
{
    double lat = 0, lon = 0;
};

LatLon toLatLon(Vec v)
{
    v = unit(v);
    LatLon p;
    p.lat = std::atan2(v.z, std::hypot(v.x, v.y)) / kDegree; // asin loses digits near the poles
    if (std::hypot(v.x, v.y) > kTolerance) {
        p.lon = std::atan2(v.y, v.x) / kDegree;
        if (p.lon < 0)
            p.lon += 360.0;
        if (p.lon > 360.0 - 1e-7)
            p.lon = 0.0;
    }
    return p;
}

/// Orders points north to south, then by longitude, so files read in a predictable order.
bool northFirst(Vec a, Vec b)
{
    const LatLon p = toLatLon(a), q = toLatLon(b);
    if (std::abs(p.lat - q.lat) > 1e-6)
        return p.lat > q.lat;
    return p.lon < q.lon - 1e-6;
}

std::vector<Vec> icosahedronVertices()
{
    // A vertex at each pole and two rings of five at latitude ±atan(1/2), offset by 36°.
    const double ring = std::atan(0.5) / kDegree;
    std::vector<Vec> v{fromLatLon(90, 0), fromLatLon(-90, 0)};
    for (int k = 0; k < 5; ++k) {
        v.push_back(fromLatLon(ring, 72.0 * k));
        v.push_back(fromLatLon(-ring, 36.0 + 72.0 * k));
    }
    return v;
}

using FaceList = std::vector<std::vector<int>>;

/// The faces of the convex hull of points on a sphere: every plane through three points with
/// no point beyond it, each face's corners in counter-clockwise order seen from outside.
FaceList hullFaces(const std::vector<Vec>& v)
{
    std::set<std::vector<int>> seen;
    FaceList faces;
    const int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                Vec normal = cross(v[j] - v[i], v[k] - v[i]);
                if (dot(normal, normal) < 1e-12)
                    continue;
                normal = unit(normal);
                double d = dot(normal, v[i]);
                if (d < 0) {
                    normal = -1.0 * normal;
                    d = -d;
                }
                std::vector<int> on;
                bool supporting = true;
                for (int m = 0; m < n && supporting; ++m) {
                    const double h = dot(normal, v[m]) - d;
                    if (h > kTolerance)
                        supporting = false;
                    else if (h > -kTolerance)
                        on.push_back(m);
                }
                if (supporting && seen.insert(on).second)
                    faces.push_back(on);
            }
    for (auto& face : faces) {
        Vec c;
        for (int m : face)
            c = c + v[m];
        c = (1.0 / face.size()) * c;
        const Vec up = unit(c);
        const Vec e1 = unit(v[face[0]] - c);
        const Vec e2 = cross(up, e1);
        std::sort(face.begin(), face.end(), [&](int a, int b) {
            return std::atan2(dot(v[a] - c, e2), dot(v[a] - c, e1)) < std::atan2(dot(v[b] - c, e2), dot(v[b] - c, e1));
        });
        std::rotate(face.begin(), std::min_element(face.begin(), face.end()), face.end());
    }
    return faces;
}

Vec centroid(const std::vector<Vec>& v, const std::vector<int>& face)
{
    Vec c;
    for (int m : face)
        c = c + v[m];
    return c;
}

struct Model
{
    std::string name;
    std::vector<Vec> vertices;
};

std::vector<Model> models()
{
    std::vector<Model> out;
    out.push_back({"tetrahedron", {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}}});
    std::vector<Vec> cube;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1})
            for (int sz : {-1, 1})
                cube.push_back({double(sx), double(sy), double(sz)});
    out.push_back({"cube", cube});
    out.push_back({"octahedron", {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}});

    const std::vector<Vec> ico = icosahedronVertices();
    std::vector<Vec> dodeca;
    for (const auto& face : hullFaces(ico))
        dodeca.push_back(centroid(ico, face));
    out.push_back({"dodecahedron", dodeca});
    out.push_back({"icosahedron", ico});

    // Cutting every corner of the icosahedron a third of the way along each edge.
    std::vector<Vec> truncated;
    for (std::size_t i = 0; i < ico.size(); ++i)
        for (std::size_t j = i + 1; j < ico.size(); ++j)
            if (std::abs(dot(ico[i], ico[j]) - 1.0 / std::sqrt(5.0)) < 1e-9) {
                truncated.push_back((2.0 / 3.0) * ico[i] + (1.0 / 3.0) * ico[j]);
                truncated.push_back((1.0 / 3.0) * ico[i] + (2.0 / 3.0) * ico[j]);
            }
    out.push_back({"truncated-icosahedron", truncated});
    for (auto& m : out)
        for (auto& p : m.vertices)
            p = unit(p);
    return out;
}

std::string number(double value)
{
    if (std::abs(value) < 1e-9)
        value = 0.0; // rounding noise, not a position
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    std::string s = buffer;
    return s == "-0" ? "0" : s;
}

bool writeModel(const std::filesystem::path& folder, Model model)
{
    std::sort(model.vertices.begin(), model.vertices.end(), northFirst);
    FaceList faces = hullFaces(model.vertices);
    std::sort(faces.begin(), faces.end(), [&](const auto& a, const auto& b) {
        return northFirst(centroid(model.vertices, a), centroid(model.vertices, b));
    });

    std::ofstream vertexFile(folder / (model.name + "-vertices.csv"), std::ios::binary);
    for (const Vec& p : model.vertices) {
        const LatLon q = toLatLon(p);
        vertexFile << number(q.lat) << ',' << number(q.lon) << "\r\n";
    }
    std::ofstream faceFile(folder / (model.name + "-faces.csv"), std::ios::binary);
    for (const auto& face : faces) {
        const LatLon c = toLatLon(centroid(model.vertices, face));
        faceFile << number(c.lat) << ',' << number(c.lon) << ',' << face.size();
        for (std::size_t j = 0; j < 6; ++j)
            faceFile << ',' << (j < face.size() ? face[j] + 1 : 0);
        faceFile << "\r\n";
    }
    vertexFile.close();
    faceFile.close();
    std::cout << model.name << ": " << model.vertices.size() << " vertices, " << faces.size() << " faces\n";
    return vertexFile && faceFile;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: polyhedron_models <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    bool ok = true;
    for (const Model& m : models())
        ok = writeModel(folder, m) && ok;
    if (!ok) {
        std::cerr << "polyhedron_models: could not write into " << folder << "\n";
        return 1;
    }
    return 0;
}
