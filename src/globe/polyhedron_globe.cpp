#include "globe/polyhedron_globe.h"

#include "globe/sky_globe.h"
#include "polyhedron/face_seams.h"
#include "text/input_error.h"
#include "text/number_text.h"

#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace globe {

namespace {

void refuseCorner(const polyhedron::PolyhedronModel& model, int face, int corner, int vertex)
{
    using text::Message;
    using text::MessageId;
    const Message file =
        model.FaceFileName.empty() ? Message(MessageId::TheFaceTable) : Message::verbatim(model.FaceFileName);
    throw text::InputError(
        text::Input::ModelFile, std::to_string(vertex),
        Message(MessageId::CornerVertexMissing, {file, corner + 1, face, vertex, model.VertexCount()}),
        Message(MessageId::VertexNotInTable, {vertex}));
}

sky::SkyPoint vertexPoint(const polyhedron::Vertex& v) { return {v.Lambda, v.Phi}; }

} // namespace

std::vector<PolyhedronEdge> polyhedronEdges(const polyhedron::PolyhedronModel& model)
{
    std::vector<PolyhedronEdge> edges;
    std::map<std::pair<int, int>, std::size_t> seen;
    for (int f = 1; f <= model.FaceCount(); ++f) {
        const polyhedron::Face& face = model.faces[static_cast<std::size_t>(f)];
        const int corners = face.CornerCount;
        for (int j = 0; j < corners; ++j) {
            const int a = face.Corners[static_cast<std::size_t>(j)];
            const int b = face.Corners[static_cast<std::size_t>((j + 1) % corners)];
            for (const auto& [corner, vertex] : {std::pair{j, a}, std::pair{(j + 1) % corners, b}})
                if (vertex < 1 || vertex > model.VertexCount())
                    refuseCorner(model, f, corner, vertex);
            if (a == b)
                continue;
            const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
            const auto found = seen.find(key);
            if (found == seen.end()) {
                seen.emplace(key, edges.size());
                edges.push_back({key.first, key.second, f, 0});
            } else if (edges[found->second].otherFace == 0 && edges[found->second].face != f) {
                edges[found->second].otherFace = f;
            }
        }
    }
    return edges;
}

GlobeModel polyhedronGlobe(const stars::StarCatalogue& catalogue, const polyhedron::PolyhedronModel& model,
                           const polyhedron::FaceParameters& p, const sky::SkyRequest& sky)
{
    if (!(p.sphereRadius > 0.0)) {
        const std::string r = text::formatGeneral(p.sphereRadius);
        text::refuse(text::Input::SphereRadius, "恒星球半径", r,
                     text::Message(text::MessageId::RadiusNotPositiveCm, {r}));
    }
    if (!(p.magnification >= 0.0)) {
        const std::string m = text::formatGeneral(p.magnification);
        text::refuse(text::Input::Magnification, "倍率", m,
                     text::Message(text::MessageId::NegativeStarSizes, {m}));
    }
    const std::vector<PolyhedronEdge> edges = polyhedronEdges(model);

    GlobeModel globe;
    globe.stars.reserve(catalogue.stars.size());
    for (const stars::Star& s : catalogue.stars) {
        const double M = p.faintestMagnitude - s.Vmag;
        if (!(M > 0.0))
            continue;
        const double r = polyhedron::faceDotRadius(M, p.commonRatio, p.magnification);
        if (!std::isfinite(r)) {
            const std::string q = text::formatGeneral(p.commonRatio), m = text::formatGeneral(s.Vmag);
            text::refuse(text::Input::CommonRatio, "公比", q,
                         text::Message(text::MessageId::StarDotTooLargeRatio, {m}));
        }
        if (r > 0.0)
            globe.stars.push_back({sky::toVector({s.Lambda, s.Phi}), r / p.sphereRadius, s.Vmag});
    }
    for (const PolyhedronEdge& e : edges) {
        const sky::SkyPoint a = vertexPoint(model.vertices[static_cast<std::size_t>(e.from)]);
        const sky::SkyPoint b = vertexPoint(model.vertices[static_cast<std::size_t>(e.to)]);
        const std::string name = e.otherFace != 0 ? polyhedron::seamLabel(e.face, e.otherFace) : std::to_string(e.face);
        globe.lines.push_back({LineKind::FaceEdge, "edge " + name, sampleOnSphere(sky::greatCircleArc(a, b), kOutlineStepDeg)});
    }
    appendSkyLines(globe, sky);
    return globe;
}

} // namespace globe
