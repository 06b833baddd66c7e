// A face drawn from the sky index holds exactly the stars, and meets exactly the refusals, of the
// face drawn by visiting every star of the catalogue.

#include "polyhedron/face_command.h"
#include "polyhedron/face_number_rule.h"
#include "stars/angles.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

using namespace polyhedron;

namespace {

constexpr double kDeg = stars::DegreeFactor;

/// Stars uniform on the sphere, a few at the poles and at longitudes beyond a turn.
stars::StarCatalogue skyCatalogue()
{
    std::mt19937_64 random(9);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    stars::StarCatalogue c;
    for (int i = 0; i < 30000; ++i)
        c.stars.push_back({360.0 * unit(random), std::asin(2.0 * unit(random) - 1.0) * 180.0 / std::numbers::pi,
                           -1.5 + 9.5 * unit(random)});
    for (const double lambda : {-350.0, 730.0, 1e8})
        for (const double phi : {-90.0, 0.0, 37.0, 90.0})
            c.stars.push_back({lambda, phi, 0.5});
    return c;
}

FaceParameters face(double phi0Deg, double lambda0Deg, double rangeDeg)
{
    FaceParameters p;
    p.phi0 = phi0Deg * kDeg;
    p.lambda0 = lambda0Deg * kDeg;
    p.projectionRange = rangeDeg * kDeg;
    p.sphereRadius = 10.0;
    p.faintestMagnitude = 7.0;
    p.commonRatio = 2.5;
    p.magnification = 10.0;
    return p;
}

std::vector<scene::Dot> dots(const scene::Scene& s)
{
    std::vector<scene::Dot> out;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* d = std::get_if<scene::Dot>(&item))
                out.push_back(*d);
    return out;
}

} // namespace

TEST(FaceSceneIndex, HoldsTheStarsOfTheWholeCatalogue)
{
    const stars::StarCatalogue c = skyCatalogue();
    const stars::SkyIndex index = stars::skyIndex(c, 7.0);
    PolyhedronModel model;
    model.loadVertexFile(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-vertices.csv");
    model.loadFaceFile(ORBWEAVE_DATA_DIR "/models/truncated-icosahedron-faces.csv");
    std::vector<FaceParameters> faces;
    for (int f = 1; f <= model.FaceCount(); ++f) {
        const auto centre = faceCentreTexts(model, std::to_string(f));
        ASSERT_TRUE(centre);
        faces.push_back(face(std::stod(centre->latitude), std::stod(centre->longitude), 30.0));
    }
    faces.push_back(face(90.0, 0.0, 45.0));
    faces.push_back(face(-89.0, 123.0, 20.0));
    faces.push_back(face(10.0, -370.0, 89.0));
    faces.push_back(face(0.0, 0.0, 0.5));
    faces.push_back(face(120.0, 40.0, 30.0)); // a latitude past the pole
    for (std::size_t f = 0; f < faces.size(); ++f) {
        SCOPED_TRACE("face " + std::to_string(f + 1));
        // The model's faces with their corners and edges, the other tangent points stars only.
        std::optional<FaceOutline> outline;
        if (static_cast<int>(f) < model.FaceCount())
            outline = FaceOutline{static_cast<int>(f) + 1, true, true};
        const auto all = dots(buildFaceScene(faces[f], outline, model, c, "stars.csv", 12.0f));
        const auto indexed = dots(buildFaceScene(faces[f], outline, model, c, index, "stars.csv", 12.0f));
        ASSERT_EQ(indexed.size(), all.size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(indexed[i].role, all[i].role);
            EXPECT_EQ(indexed[i].index, all[i].index);
            EXPECT_EQ(indexed[i].centre, all[i].centre);
            EXPECT_EQ(indexed[i].radius, all[i].radius);
        }
        if (faces[f].projectionRange > 10 * kDeg) {
            EXPECT_GT(all.size(), 10u);
        }
    }
}

TEST(FaceSceneIndex, RefusesTheSameStarFirst)
{
    // Star 1 lies beyond the range, star 2 is too faint, star 3 is the first the face takes.
    stars::StarCatalogue c;
    c.stars = {{180.0, 0.0, 1.0}, {1.0, 1.0, 8.0}, {2.0, -1.0, 1.5}, {0.0, 0.0, 1.0}};
    FaceParameters p = face(0.0, 0.0, 30.0);
    p.magnification = 1e300;
    const PolyhedronModel model;
    const auto refusal = [&](const stars::SkyIndex* index) -> std::string {
        try {
            index ? buildFaceScene(p, std::nullopt, model, c, *index, "stars.csv", 12.0f)
                  : buildFaceScene(p, std::nullopt, model, c, "stars.csv", 12.0f);
        } catch (const text::InputError& e) {
            return e.what();
        }
        return "(drawn)";
    };
    const stars::SkyIndex index = stars::skyIndex(c, p.faintestMagnitude);
    const std::string expected = refusal(nullptr);
    EXPECT_NE(expected.find("star 3"), std::string::npos) << expected;
    EXPECT_EQ(refusal(&index), expected);
}
