#include "globe/sky_globe.h"

#include "sky/boundary_edge.h"
#include "sky/coordinate_grid.h"
#include "sky/ecliptic.h"
#include "sky/galactic.h"

#include <string>

namespace globe {

namespace {

/// The points of a path of great-circle arcs through `vertices`, each vertex once.
std::vector<sky::Vector3> arcsThrough(const std::vector<sky::SkyPoint>& vertices)
{
    std::vector<sky::Vector3> points;
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
        std::vector<sky::Vector3> arc = sampleOnSphere(sky::greatCircleArc(vertices[i], vertices[i + 1]));
        points.insert(points.end(), arc.begin() + (i == 0 ? 0 : 1), arc.end());
    }
    return points;
}

std::string gridLineName(const sky::GridLine& line)
{
    const int value = static_cast<int>(line.valueDeg);
    return line.kind == sky::GridLine::Kind::Meridian ? std::to_string(value / 15) + "h" : std::to_string(value) + "°";
}

} // namespace

void appendSkyLines(GlobeModel& model, const sky::SkyRequest& request)
{
    if (!request.wanted())
        return;
    const sky::SkyLayerOptions& layers = request.layers;
    const sky::SkyData& data = *request.data;
    if (layers.gridStep != 0)
        for (const sky::GridLine& line : sky::coordinateGrid(layers.gridStep))
            model.lines.push_back({LineKind::Grid, gridLineName(line), sampleOnSphere(line.curve)});
    if (layers.ecliptic)
        model.lines.push_back({LineKind::Ecliptic, "ecliptic", sampleOnSphere(sky::eclipticCurve())});
    if (layers.galactic)
        model.lines.push_back({LineKind::Galactic, "galactic equator", sampleOnSphere(sky::galacticEquatorCurve())});
    if (layers.boundaries)
        for (const sky::BoundaryEdge& edge : data.boundaries) {
            const std::string name = edge.second.empty() ? edge.first : edge.first + "|" + edge.second;
            model.lines.push_back({LineKind::Boundary, name, sampleOnSphere(sky::boundaryEdge(edge.from, edge.to))});
        }
    if (layers.figures)
        for (const sky::ConstellationPath& path : data.figures)
            if (path.points.size() >= 2)
                model.lines.push_back({LineKind::Figure, path.constellation + " " + std::to_string(path.number),
                                       arcsThrough(path.points)});
    if (layers.names)
        for (const sky::ConstellationName& n : data.names) {
            const std::string& text = sky::constellationNameIn(n, layers.language);
            model.labels.push_back({LabelKind::ConstellationName, text.empty() ? n.iauName : text, sky::toVector(n.label)});
        }
    if (layers.starNameLimit)
        for (const sky::StarName& s : data.starNames) {
            if (!(s.magnitude <= *layers.starNameLimit))
                continue;
            const bool japanese = layers.language == sky::Language::Japanese && !s.japanese.empty();
            const std::string& text = japanese ? s.japanese : s.name;
            model.labels.push_back({LabelKind::StarName, text.empty() ? s.japanese : text, sky::toVector(s.position)});
        }
}

} // namespace globe
