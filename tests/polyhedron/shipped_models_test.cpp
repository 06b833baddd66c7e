// Checks the ready-made models in data/models by reading the files as the program does.

#include "polyhedron/face_command.h"
#include "polyhedron/face_number_rule.h"
#include "polyhedron/polyhedron_model.h"

#include "polyhedron_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>

using namespace polyhedron;
using canvas::CanvasCall;

namespace {

struct ModelRow
{
    const char* name;
    int vertices, faces, edges;
    std::set<int> cornerCounts;
};

const ModelRow kModels[] = {
    {"tetrahedron", 4, 4, 6, {3}},
    {"cube", 8, 6, 12, {4}},
    {"octahedron", 6, 8, 12, {3}},
    {"dodecahedron", 20, 12, 30, {5}},
    {"icosahedron", 12, 20, 30, {3}},
    {"truncated-icosahedron", 60, 32, 90, {5, 6}},
};

std::string modelPath(const std::string& name, const char* kind)
{
    return std::string(ORBWEAVE_DATA_DIR) + "/models/" + name + "-" + kind + ".csv";
}

PolyhedronModel loadModel(const std::string& name)
{
    PolyhedronModel model;
    model.loadVertexFile(modelPath(name, "vertices"));
    model.loadFaceFile(modelPath(name, "faces"));
    return model;
}

struct Unit
{
    double x, y, z;
};

Unit direction(double latDeg, double lonDeg)
{
    const double k = std::numbers::pi / 180.0;
    return {std::cos(latDeg * k) * std::cos(lonDeg * k), std::cos(latDeg * k) * std::sin(lonDeg * k),
            std::sin(latDeg * k)};
}

double angleBetween(Unit a, Unit b)
{
    return std::acos(std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0, 1.0));
}

TEST(ShippedModels, CountsAndEdgesClose)
{
    for (const ModelRow& row : kModels) {
        SCOPED_TRACE(row.name);
        const PolyhedronModel model = loadModel(row.name);
        EXPECT_EQ(model.VertexCount(), row.vertices);
        EXPECT_EQ(model.FaceCount(), row.faces);

        std::map<std::pair<int, int>, int> undirected, directed;
        std::set<int> used;
        for (int f = 1; f <= model.FaceCount(); ++f) {
            const Face& face = model.faces[f];
            EXPECT_TRUE(row.cornerCounts.count(face.CornerCount)) << "face " << f;
            for (int j = 0; j < face.CornerCount; ++j) {
                const int a = face.Corners[j];
                const int b = face.Corners[(j + 1) % face.CornerCount];
                ASSERT_GE(a, 1);
                ASSERT_LE(a, model.VertexCount());
                used.insert(a);
                ++undirected[{std::min(a, b), std::max(a, b)}];
                ++directed[{a, b}];
            }
            for (int j = face.CornerCount; j < kMaxCorners; ++j)
                EXPECT_EQ(face.Corners[j], 0) << "placeholder of face " << f;
        }
        EXPECT_EQ(static_cast<int>(used.size()), row.vertices);
        EXPECT_EQ(static_cast<int>(undirected.size()), row.edges);
        for (const auto& [edge, count] : undirected)
            EXPECT_EQ(count, 2) << "edge " << edge.first << "-" << edge.second;
        // Consistent orientation: each neighbour runs along the shared edge the other way.
        for (const auto& [edge, count] : directed)
            EXPECT_EQ(count, 1) << "edge " << edge.first << "->" << edge.second;
    }
}

TEST(ShippedModels, CornersAreEquidistantFromTheFaceCentre)
{
    for (const ModelRow& row : kModels) {
        SCOPED_TRACE(row.name);
        const PolyhedronModel model = loadModel(row.name);
        for (int f = 1; f <= model.FaceCount(); ++f) {
            const Face& face = model.faces[f];
            const Unit centre = direction(face.Phi, face.Lambda);
            const Vertex& first = model.vertices[face.Corners[0]];
            const double radius = angleBetween(centre, direction(first.Phi, first.Lambda));
            EXPECT_GT(radius, 0.1);
            EXPECT_LT(radius, std::numbers::pi / 2);
            for (int j = 1; j < face.CornerCount; ++j) {
                const Vertex& v = model.vertices[face.Corners[j]];
                EXPECT_NEAR(angleBetween(centre, direction(v.Phi, v.Lambda)), radius, 1e-8)
                    << "face " << f << " corner " << j + 1;
            }
        }
    }
}

TEST(ShippedModels, TruncatedIcosahedronFacesFitTheDefaultCanvas)
{
    const PolyhedronModel model = loadModel("truncated-icosahedron");
    polyhedron::testing::TempDir dir;
    const std::string noStars = dir.write("stars.csv", "");
    for (int f = 1; f <= model.FaceCount(); ++f) {
        SCOPED_TRACE("face " + std::to_string(f));
        FaceInputs in;
        in.Text16 = std::to_string(f);
        const auto centre = faceCentreTexts(model, in.Text16);
        ASSERT_TRUE(centre);
        in.Text9 = centre->latitude;
        in.Text10 = centre->longitude;
        in.Check7 = 1;
        in.Check8 = 1;
        polyhedron::testing::FakeFaceWindow window;
        ASSERT_FALSE(runFaceDraw(in, noStars, model, window, dir.path()));
        const float W = window.canvas.width();
        const auto marks = window.canvas.callsOf(CanvasCall::Kind::Circle);
        EXPECT_EQ(static_cast<int>(marks.size()), model.faces[f].CornerCount);
        for (const auto& m : marks) {
            EXPECT_GT(m.a - m.c, 0.0f);
            EXPECT_LT(m.a + m.c, W);
            EXPECT_GT(m.b - m.c, 0.0f);
            EXPECT_LT(m.b + m.c, W);
        }
        EXPECT_EQ(static_cast<int>(window.canvas.callsOf(CanvasCall::Kind::Line).size()),
                  model.faces[f].CornerCount);
    }
}

} // namespace
