// The globe model: stars with the templates' dot sizes, the seams of the gores, the edges of the
// bundled polyhedra, and the sky layers as lines on the sphere.

#include "globe/gore_globe.h"
#include "globe/polyhedron_globe.h"
#include "polyhedron/face_command.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

using namespace globe;

namespace {

const std::string kData = ORBWEAVE_DATA_DIR;
constexpr double kTolerance = 1e-9;

stars::StarCatalogue threeStars()
{
    stars::StarCatalogue c;
    c.stars = {{0.0, 0.0, 3.5}, {90.0, 60.0, 8.5}, {90.0, 60.0, 1.0}};
    return c;
}

double latitudeOf(const sky::Vector3& v) { return std::asin(v.z) / sky::kRadiansPerDegree; }

bool onUnitSphere(const GlobeLine& line)
{
    for (const sky::Vector3& v : line.points)
        if (std::abs(sky::norm(v) - 1.0) > kTolerance)
            return false;
    return line.points.size() >= 2;
}

/// Longitude of `v` in hundredths of a degree, 0 … 35999.
long centidegrees(const sky::Vector3& v)
{
    return std::lround(sky::normalizedLongitude(std::atan2(v.y, v.x) / sky::kRadiansPerDegree) * 100.0) % 36000;
}

double largestStepDeg(const GlobeLine& line)
{
    double largest = 0.0;
    for (std::size_t i = 1; i < line.points.size(); ++i)
        largest = std::max(largest, std::acos(std::min(1.0, sky::dot(line.points[i - 1], line.points[i]))));
    return largest / sky::kRadiansPerDegree;
}

} // namespace

TEST(GoreGlobe, StarsTakeTheGoreDotSizeOverTheRadius)
{
    gore::GoreParameters p; // faintest 8.5, ratio 2.5, magnification 10, R 13 cm
    const GlobeModel m = goreGlobe(threeStars(), p);
    ASSERT_EQ(m.stars.size(), 2u); // magnitude 8.5 gets no dot
    // Magnitude 3.5: √(2.5⁵) / 80 = 9.8821177 / 80 = 0.12352647 cm, over 13 cm.
    EXPECT_NEAR(m.stars[0].radius, 0.123526471 / 13.0, 1e-9);
    EXPECT_NEAR(m.stars[0].direction.x, 1.0, kTolerance);
    // λ 90°, φ 60°: (0, cos 60°, sin 60°).
    EXPECT_NEAR(m.stars[1].direction.x, 0.0, kTolerance);
    EXPECT_NEAR(m.stars[1].direction.y, 0.5, kTolerance);
    EXPECT_NEAR(m.stars[1].direction.z, std::sqrt(3.0) / 2.0, kTolerance);
    EXPECT_EQ(m.stars[1].magnitude, 1.0);
}

TEST(GoreGlobe, GoreOutlinesRunBetweenThePlates)
{
    struct Row
    {
        int n;
        bool northPlate;
        int southPlate;
        bool whole, epsilon;
        double boundary;
        int gores, plates;
        double bottom, top; // the gores' southernmost and northernmost latitudes
    };
    const Row rows[] = {
        {8, false, 0, false, true, 70, 16, 0, -90, 90}, {8, true, 1, false, false, 70, 16, 2, -70, 70},
        {12, true, 0, false, true, 75, 24, 1, -90, 75}, {6, false, 1, true, true, 60, 6, 1, -60, 90},
        {3, false, 0, true, false, 70, 3, 0, -90, 90},  {36, true, 1, true, true, 80, 36, 2, -80, 80},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "n " << row.n << " plates " << row.northPlate << row.southPlate
                                        << " whole " << row.whole << " ε " << row.epsilon);
        gore::GoreParameters p;
        p.n = static_cast<std::int16_t>(row.n);
        p.northPlate = row.northPlate;
        p.southPlate = row.southPlate;
        p.plateBoundary = row.boundary;
        p.epsilonCorrection = row.epsilon;
        const GlobeModel m = goreGlobe({}, p, {row.whole});
        EXPECT_EQ(countLines(m, LineKind::GoreOutline), row.gores);
        EXPECT_EQ(countLines(m, LineKind::PlateOutline), row.plates);
        double bottom = 90, top = -90;
        std::set<long> seams; // where the gores' edges meet the equator
        for (const GlobeLine& line : m.lines) {
            EXPECT_TRUE(onUnitSphere(line)) << line.name;
            EXPECT_LE(largestStepDeg(line), kMaxStepDeg + 1e-9) << line.name;
            EXPECT_NEAR(sky::dot(line.points.front(), line.points.back()), 1.0, kTolerance) << line.name << " is open";
            if (line.kind != LineKind::GoreOutline)
                continue;
            for (const sky::Vector3& v : line.points) {
                bottom = std::min(bottom, latitudeOf(v));
                top = std::max(top, latitudeOf(v));
            }
            // A northern half starts at its corner on the equator; a whole gore's edges cross it.
            if (std::abs(line.points.front().z) < kTolerance)
                seams.insert(centidegrees(line.points.front()));
            for (std::size_t i = 1; i < line.points.size(); ++i) {
                const sky::Vector3 &a = line.points[i - 1], &b = line.points[i];
                if (row.whole && a.z == 0) // an edge point sampled right on the equator
                    seams.insert(centidegrees(a));
                if ((a.z < 0) != (b.z < 0) && a.z != 0 && b.z != 0) {
                    const double t = a.z / (a.z - b.z);
                    seams.insert(centidegrees({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 0}));
                }
            }
        }
        // With ε the cut at ±B bows towards the equator from its middle at ±B, which the sampling may step over.
        const double ends = row.epsilon ? 1e-3 : 1e-6;
        EXPECT_NEAR(bottom, row.bottom, ends);
        EXPECT_NEAR(top, row.top, ends);
        // The gores' corners on the equator stand on the n seams 360°·j/n, whatever the correction.
        EXPECT_EQ(seams.size(), static_cast<std::size_t>(row.n));
        EXPECT_EQ(seams.count(0), 1u);
        EXPECT_EQ(seams.count(std::lround(36000.0 / row.n)), 1u);
    }
}

TEST(GoreGlobe, RefusesWhatNoDrawAccepts)
{
    struct Row
    {
        const char* what;
        int n;
        double radius, boundary;
        bool plate;
        text::Input input;
    };
    const Row rows[] = {
        {"two gores", 2, 13, 70, false, text::Input::GoreCount},
        {"no radius", 8, 0, 70, false, text::Input::SphereRadius},
        {"a plate beyond the pole", 8, 13, 90, true, text::Input::PlateBoundary},
        {"a plate below the equator", 8, 13, -5, true, text::Input::PlateBoundary},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        gore::GoreParameters p;
        p.n = static_cast<std::int16_t>(row.n);
        p.sphereRadius = row.radius;
        p.plateBoundary = row.boundary;
        p.northPlate = row.plate;
        try {
            goreGlobe(threeStars(), p);
            ADD_FAILURE() << "accepted";
        } catch (const text::InputError& e) {
            EXPECT_EQ(e.input(), row.input);
        }
    }
}

TEST(PolyhedronGlobe, BundledModelsHaveTheirEdges)
{
    struct Row
    {
        const char* model;
        std::size_t edges;
    };
    const Row rows[] = {{"tetrahedron", 6},   {"cube", 12},        {"octahedron", 12},
                        {"dodecahedron", 30}, {"icosahedron", 30}, {"truncated-icosahedron", 90}};
    polyhedron::FaceParameters p;
    p.sphereRadius = 10.0;
    p.faintestMagnitude = 7.0;
    p.commonRatio = 2.5;
    p.magnification = 10.0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.model);
        polyhedron::PolyhedronModel model;
        model.loadVertexFile(kData + "/models/" + row.model + "-vertices.csv");
        model.loadFaceFile(kData + "/models/" + row.model + "-faces.csv");
        const std::vector<PolyhedronEdge> edges = polyhedronEdges(model);
        ASSERT_EQ(edges.size(), row.edges);
        for (const PolyhedronEdge& e : edges) {
            EXPECT_LT(e.from, e.to);
            EXPECT_NE(e.otherFace, 0) << "edge " << e.from << "-" << e.to << " has one face";
        }
        const GlobeModel m = polyhedronGlobe(threeStars(), model, p);
        ASSERT_EQ(countLines(m, LineKind::FaceEdge), static_cast<int>(row.edges));
        // Each arc runs from its first vertex to its second.
        const GlobeLine& first = m.lines.front();
        const polyhedron::Vertex& a = model.vertices[static_cast<std::size_t>(edges.front().from)];
        const polyhedron::Vertex& b = model.vertices[static_cast<std::size_t>(edges.front().to)];
        EXPECT_NEAR(sky::dot(first.points.front(), sky::toVector({a.Lambda, a.Phi})), 1.0, kTolerance);
        EXPECT_NEAR(sky::dot(first.points.back(), sky::toVector({b.Lambda, b.Phi})), 1.0, kTolerance);
        for (const GlobeLine& line : m.lines)
            EXPECT_LE(largestStepDeg(line), kMaxStepDeg + 1e-9) << line.name;
    }
}

TEST(PolyhedronGlobe, FaceEdgesAreThePrintedEdgesOnTheSphere)
{
    // A face prints in gnomonic projection from its centre, where straight lines are great circles:
    // points along each printed edge, carried back to the sphere, lie on the arc the preview draws.
    for (const char* name : {"cube", "dodecahedron", "truncated-icosahedron"}) {
        SCOPED_TRACE(name);
        polyhedron::PolyhedronModel model;
        model.loadVertexFile(kData + "/models/" + std::string(name) + "-vertices.csv");
        model.loadFaceFile(kData + "/models/" + std::string(name) + "-faces.csv");
        polyhedron::FaceParameters p;
        p.sphereRadius = 10.0;
        const GlobeModel m = polyhedronGlobe({}, model, p);
        for (int f = 1; f <= model.FaceCount(); ++f) {
            const polyhedron::Face& face = model.faces[static_cast<std::size_t>(f)];
            p.phi0 = face.Phi * sky::kRadiansPerDegree;
            p.lambda0 = face.Lambda * sky::kRadiansPerDegree;
            p.insideView = f % 2; // mirrored or not, the same edges
            const float side = 40.0f;
            const std::vector<scene::Point> printed = polyhedron::faceCutOutline(p, model, f, side);
            // The sphere point of a printed point: the tangent point plus X east and Y north, made unit.
            const sky::Vector3 t = sky::toVector({face.Lambda, face.Phi});
            const sky::Vector3 east = sky::toVector({face.Lambda + 90.0, 0.0});
            const sky::Vector3 north = sky::cross(t, east);
            const auto onSphere = [&](scene::Point q) {
                const double x = (q.x - side / 2.0) / (p.sphereRadius * polyhedron::viewSign(p.insideView));
                const double y = (side / 2.0 - q.y) / p.sphereRadius;
                const sky::Vector3 v{t.x + x * east.x + y * north.x, t.y + x * east.y + y * north.y,
                                     t.z + x * east.z + y * north.z};
                const double length = sky::norm(v);
                return sky::Vector3{v.x / length, v.y / length, v.z / length};
            };
            for (std::size_t j = 0; j < printed.size(); ++j) {
                const scene::Point a = printed[j], b = printed[(j + 1) % printed.size()];
                const sky::Vector3 va = onSphere(a), vb = onSphere(b);
                const GlobeLine* drawn = nullptr;
                for (const GlobeLine& line : m.lines)
                    if (std::min(sky::dot(line.points.front(), va), sky::dot(line.points.back(), vb)) > 1 - 1e-12
                        || std::min(sky::dot(line.points.front(), vb), sky::dot(line.points.back(), va)) > 1 - 1e-12)
                        drawn = &line;
                ASSERT_NE(drawn, nullptr) << "face " << f << " edge " << j;
                const sky::Vector3 normal = sky::cross(drawn->points.front(), drawn->points.back());
                const double sine = sky::norm(normal);
                for (const double s : {0.1, 0.5, 0.8}) {
                    const sky::Vector3 q = onSphere({a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s});
                    EXPECT_NEAR(sky::dot(q, normal) / sine, 0.0, kTolerance) << "face " << f << " edge " << j;
                    const sky::Vector3& mid = drawn->points[drawn->points.size() / 2];
                    EXPECT_NEAR(sky::dot(mid, normal) / sine, 0.0, kTolerance) << drawn->name;
                }
                EXPECT_LE(largestStepDeg(*drawn), kOutlineStepDeg + 1e-9) << drawn->name;
            }
        }
    }
}

TEST(PolyhedronGlobe, StarsTakeTheFaceDotSize)
{
    polyhedron::PolyhedronModel model;
    polyhedron::FaceParameters p;
    p.sphereRadius = 10.0;
    p.faintestMagnitude = 7.0;
    p.commonRatio = 2.5;
    p.magnification = 8.0;
    const GlobeModel m = polyhedronGlobe(threeStars(), model, p);
    ASSERT_EQ(m.stars.size(), 2u); // magnitude 8.5 is fainter than 7
    // M = 3.5: 8 / 800 · √(3.5^2.5) = 0.01 · √(12.25 · 1.8708287) = 0.01 · 4.7872385 cm, over 10 cm.
    EXPECT_NEAR(m.stars[0].radius, 0.0047872385, 1e-9);
}

TEST(PolyhedronGlobe, RefusesACornerWithoutAVertex)
{
    polyhedron::PolyhedronModel model;
    model.vertices = {{}, {0, 0}, {0, 90}, {90, 0}};
    model.faces = {{}, {90, 0, 3, {1, 2, 4}}};
    polyhedron::FaceParameters p;
    p.sphereRadius = 10.0;
    try {
        polyhedronGlobe({}, model, p);
        ADD_FAILURE() << "accepted";
    } catch (const text::InputError& e) {
        EXPECT_EQ(e.input(), text::Input::ModelFile);
        EXPECT_EQ(e.value(), "4");
    }
}

TEST(SkyGlobe, LayersBecomeLinesAndLabels)
{
    sky::SkyRequest request;
    request.layers.figures = request.layers.names = request.layers.ecliptic = request.layers.galactic = true;
    request.layers.gridStep = 15;
    request.layers.starNameLimit = 1.5;
    request.layers.language = sky::Language::Japanese;
    auto data = std::make_shared<sky::SkyData>(sky::loadSkyData(kData + "/sky", request.layers));
    request.data = data;
    gore::GoreParameters p;
    const GlobeModel m = goreGlobe({}, p, {}, request);
    EXPECT_EQ(countLines(m, LineKind::Grid), 24 + 11); // hour meridians, parallels −75…75 every 15°
    EXPECT_EQ(countLines(m, LineKind::Ecliptic), 1);
    EXPECT_EQ(countLines(m, LineKind::Galactic), 1);
    EXPECT_EQ(countLines(m, LineKind::Figure), static_cast<int>(data->figures.size()));
    EXPECT_EQ(countLines(m, LineKind::Boundary), 0);
    std::size_t names = 0, starNames = 0;
    for (const GlobeLabel& l : m.labels)
        (l.kind == LabelKind::ConstellationName ? names : starNames) += 1;
    EXPECT_EQ(names, data->names.size());
    std::size_t bright = 0;
    for (const sky::StarName& s : data->starNames)
        bright += s.magnitude <= 1.5 ? 1 : 0;
    EXPECT_EQ(starNames, bright);
    bool orion = false;
    for (const GlobeLabel& l : m.labels)
        orion = orion || l.text == "オリオン座";
    EXPECT_TRUE(orion);
    for (const GlobeLine& line : m.lines)
        EXPECT_TRUE(onUnitSphere(line)) << line.name;
}
