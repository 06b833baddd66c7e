// Sky layers on polyhedron faces: figures on the stars' gnomonic projection, clipped at the
// face, meeting across shared edges; each label once over the model; views mirror lines, not text.
#include "polyhedron/face_command.h"
#include "polyhedron/face_sky.h"
#include "sky/label_box.h"
#include "stars/angles.h"

#include "sky_labels_once.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace polyhedron;

namespace {

const std::string kStars = ORBWEAVE_DATA_DIR "/bright-stars.csv";
const std::string kSky = ORBWEAVE_DATA_DIR "/sky";

constexpr double kOnStarCm = 0.01;  ///< a figure's vertex on its star's dot
constexpr double kSeamCm = 0.005;   ///< a line's two ends on a shared edge
constexpr double kOnCutCm = 1e-6;   ///< a clipped end on the cut, rounding
constexpr double kMirrorCm = 1e-6;  ///< a point and its mirror image

const stars::StarCatalogue& catalogue()
{
    static const stars::StarCatalogue c = stars::ReadStarFile(kStars);
    return c;
}

PolyhedronModel model(const std::string& name)
{
    PolyhedronModel m;
    m.loadVertexFile(std::string(ORBWEAVE_DATA_DIR) + "/models/" + name + "-vertices.csv");
    m.loadFaceFile(std::string(ORBWEAVE_DATA_DIR) + "/models/" + name + "-faces.csv");
    return m;
}

sky::SkyRequest layers(bool all)
{
    sky::SkyLayerOptions o;
    o.figures = true;
    if (all) {
        o.names = o.boundaries = o.ecliptic = true;
        o.gridStep = 15;
        o.starNameLimit = 1.5;
    }
    return {o, std::make_shared<const sky::SkyData>(sky::loadSkyData(kSky, o))};
}

FaceParameters faceParameters(const PolyhedronModel& m, int face, double rangeDeg, bool inside)
{
    FaceParameters p;
    p.phi0 = m.faces[static_cast<std::size_t>(face)].Phi * stars::DegreeFactor;
    p.lambda0 = m.faces[static_cast<std::size_t>(face)].Lambda * stars::DegreeFactor;
    p.projectionRange = rangeDeg * stars::DegreeFactor;
    p.sphereRadius = 10;
    p.faintestMagnitude = 7;
    p.commonRatio = 2.5;
    p.magnification = 10;
    p.insideView = inside ? 1 : 0;
    return p;
}

/// Face `face` with its corner marks (whose centres give the cut polygon) and the sky layers.
scene::Scene faceScene(const PolyhedronModel& m, int face, double rangeDeg, bool inside, const sky::SkyRequest& sky)
{
    const FaceParameters p = faceParameters(m, face, rangeDeg, inside);
    return buildFaceScene(p, FaceOutline{face, true, false}, m, catalogue(), kStars,
                          canvas::snapSide(canvasSide(p)), FaceSky{sky, face});
}

template <typename Item, typename F>
void forEach(const scene::Scene& s, F f)
{
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const Item* i = scene::itemIf<Item>(&item))
                f(*i);
}

std::vector<scene::Point> corners(const scene::Scene& s)
{
    std::vector<scene::Point> c;
    forEach<scene::Dot>(s, [&](const scene::Dot& d) {
        if (d.role == scene::Role::FaceCorner)
            c.push_back(d.centre);
    });
    return c;
}

/// Signed distance of `q` from edge j (corner j to j + 1) of the convex polygon, positive outside.
double outsideEdge(const std::vector<scene::Point>& c, std::size_t j, scene::Point q)
{
    double area = 0.0;
    for (std::size_t i = 0; i < c.size(); ++i)
        area += c[i].x * c[(i + 1) % c.size()].y - c[(i + 1) % c.size()].x * c[i].y;
    const scene::Point a = c[j], b = c[(j + 1) % c.size()];
    const double cross = (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
    return (area > 0 ? -cross : cross) / std::hypot(b.x - a.x, b.y - a.y);
}

double outside(const std::vector<scene::Point>& c, scene::Point q)
{
    double worst = -1e9;
    for (std::size_t j = 0; j < c.size(); ++j)
        worst = std::max(worst, outsideEdge(c, j, q));
    return worst;
}

} // namespace

TEST(FaceSky, FigureVerticesLandOnTheirStars)
{
    struct Row { const char* star; double lambda, phi; };
    const Row rows[] = {{"Betelgeuse", 88.7929, 7.4071}, {"Rigel", 78.6345, -8.2016},
                        {"Polaris", 37.9545, 89.2641}, {"Acrux", 186.6496, -63.0991}};
    const PolyhedronModel m = model("truncated-icosahedron");
    const sky::SkyRequest sky = layers(false);
    for (bool inside : {true, false})
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.star) + (inside ? ", inside" : ", outside"));
            const FaceParameters p0 = faceParameters(m, 1, 30, inside);
            const int face = static_cast<int>(faceSkyGlobe(p0, m).ownerOf({r.lambda, r.phi})) + 1;
            const scene::Scene s = faceScene(m, face, 30, inside, sky);
            std::optional<scene::Point> dot;
            forEach<scene::Dot>(s, [&](const scene::Dot& d) {
                const stars::Star& star = catalogue().stars[static_cast<std::size_t>(std::max<std::int64_t>(0, d.index))];
                if (d.role == scene::Role::Star && std::fabs(star.Lambda - r.lambda) < 0.002
                    && std::fabs(star.Phi - r.phi) < 0.002)
                    dot = d.centre;
            });
            ASSERT_TRUE(dot);
            double nearest = 1e9;
            forEach<scene::Path>(s, [&](const scene::Path& path) {
                for (const auto& run : path.runs)
                    for (const scene::Point& q : run)
                        nearest = std::min(nearest, std::hypot(q.x - dot->x, q.y - dot->y));
            });
            EXPECT_LT(nearest, kOnStarCm);
        }
}

TEST(FaceSky, LinesStayOnTheFaceAndMeetAcrossSharedEdges)
{
    // The cube's faces all touch the sphere's circumscribed cube: its shared edges are one line in space.
    const PolyhedronModel m = model("cube");
    const sky::SkyRequest sky = layers(true);
    // Per edge (its two vertex numbers, lower first), the distances from the lower vertex at which lines end on it.
    std::map<std::pair<int, int>, std::vector<std::vector<double>>> ends;
    for (int f = 1; f <= m.FaceCount(); ++f) {
        SCOPED_TRACE("face " + std::to_string(f));
        const scene::Scene s = faceScene(m, f, 55, true, sky);
        const std::vector<scene::Point> c = corners(s);
        ASSERT_EQ(c.size(), 4u);
        const Face& face = m.faces[static_cast<std::size_t>(f)];
        std::map<std::pair<int, int>, std::vector<double>> here;
        forEach<scene::Path>(s, [&](const scene::Path& path) {
            if (path.role < scene::Role::GridLine)
                return;
            for (const auto& run : path.runs) {
                for (const scene::Point& q : run)
                    EXPECT_LT(outside(c, q), kOnCutCm) << scene::roleName(path.role);
                if (path.role != scene::Role::ConstellationLine)
                    continue;
                for (const scene::Point& q : {run.front(), run.back()})
                    for (std::size_t j = 0; j < c.size(); ++j)
                        if (std::fabs(outsideEdge(c, j, q)) < kOnCutCm) {
                            int a = face.Corners[j], b = face.Corners[(j + 1) % c.size()];
                            scene::Point from = c[j];
                            if (a > b) {
                                std::swap(a, b);
                                from = c[(j + 1) % c.size()];
                            }
                            here[{a, b}].push_back(std::hypot(q.x - from.x, q.y - from.y));
                        }
            }
        });
        for (auto& [edge, distances] : here)
            ends[edge].push_back(std::move(distances));
    }
    std::size_t compared = 0;
    for (const auto& [edge, sides] : ends) {
        SCOPED_TRACE("edge " + std::to_string(edge.first) + "-" + std::to_string(edge.second));
        ASSERT_EQ(sides.size(), 2u);
        ASSERT_EQ(sides[0].size(), sides[1].size());
        for (double d : sides[0]) {
            double nearest = 1e9;
            for (double e : sides[1])
                nearest = std::min(nearest, std::fabs(d - e));
            EXPECT_LT(nearest, kSeamCm);
            ++compared;
        }
    }
    EXPECT_GT(compared, 20u);
}

TEST(FaceSky, EachLabelOnceOverTheModelInsideItsFace)
{
    const PolyhedronModel m = model("truncated-icosahedron");
    const sky::SkyRequest sky = layers(true);
    LabelsOnce labels;
    for (int f = 1; f <= m.FaceCount(); ++f) {
        const scene::Scene s = faceScene(m, f, 30, true, sky);
        const std::vector<scene::Point> c = corners(s);
        forEach<scene::Text>(s, [&](const scene::Text& t) {
            labels.count(t);
            for (const scene::Point& q : sky::labelBox(t))
                EXPECT_LT(outside(c, {q.x, q.y}), 0.0) << "face " << f << ": " << t.text;
        });
    }
    labels.expectEachOnce(*sky.data);
}

TEST(FaceSky, OutsideViewMirrorsPositionsButNotText)
{
    const PolyhedronModel m = model("truncated-icosahedron");
    const sky::SkyRequest sky = layers(true);
    for (int f : {1, 9, 20}) {
        SCOPED_TRACE("face " + std::to_string(f));
        const scene::Scene in = faceScene(m, f, 30, true, sky), out = faceScene(m, f, 30, false, sky);
        std::vector<scene::Point> inPoints, outPoints;
        forEach<scene::Path>(in, [&](const scene::Path& p) {
            for (const auto& run : p.runs)
                inPoints.insert(inPoints.end(), run.begin(), run.end());
        });
        forEach<scene::Path>(out, [&](const scene::Path& p) {
            for (const auto& run : p.runs)
                outPoints.insert(outPoints.end(), run.begin(), run.end());
        });
        ASSERT_EQ(inPoints.size(), outPoints.size());
        for (std::size_t i = 0; i < inPoints.size(); ++i) {
            EXPECT_NEAR(outPoints[i].x, in.width - inPoints[i].x, kMirrorCm);
            EXPECT_NEAR(outPoints[i].y, inPoints[i].y, kMirrorCm);
        }
        std::vector<scene::Text> inTexts, outTexts;
        forEach<scene::Text>(in, [&](const scene::Text& t) { inTexts.push_back(t); });
        forEach<scene::Text>(out, [&](const scene::Text& t) { outTexts.push_back(t); });
        ASSERT_EQ(inTexts.size(), outTexts.size());
        ASSERT_FALSE(inTexts.empty());
        for (std::size_t i = 0; i < inTexts.size(); ++i) {
            SCOPED_TRACE(inTexts[i].text);
            EXPECT_EQ(outTexts[i].text, inTexts[i].text);
            // Still a rotation, reading left to right: the mirror of a turn by θ, unflipped, is a turn by −θ.
            EXPECT_NEAR(std::remainder(outTexts[i].rotationDeg + inTexts[i].rotationDeg, 360.0), 0.0, 1e-6);
            // Names are placed first, centred on their point: nothing lopsided (a star's name to
            // its right in both views) moves them, so they mirror exactly.
            if (inTexts[i].role == scene::Role::ConstellationName) {
                EXPECT_NEAR(outTexts[i].at.x, in.width - inTexts[i].at.x, kMirrorCm);
                EXPECT_NEAR(outTexts[i].at.y, inTexts[i].at.y, kMirrorCm);
            }
        }
    }
}
