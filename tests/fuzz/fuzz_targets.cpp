#include "fuzz_targets.h"

#include "polyhedron/face_command.h"
#include "polyhedron/polyhedron_model.h"
#include "stars/angles.h"
#include "stars/star_catalogue.h"
#include "text/input_error.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

constexpr std::string_view kLabel = "fuzz.csv";

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

void requireSafeText(std::string_view message)
{
    for (std::size_t i = 0; i < message.size();) {
        const auto c = static_cast<unsigned char>(message[i]);
        require(c >= 0x20 && c != 0x7F, "no control byte in a message");
        const std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        require(length != 0 && i + length <= message.size(), "a message is whole UTF-8");
        for (std::size_t k = 1; k < length; ++k)
            require((static_cast<unsigned char>(message[i + k]) & 0xC0) == 0x80, "a message is whole UTF-8");
        require(!(c == 0xC2 && static_cast<unsigned char>(message[i + 1]) < 0xA0), "no C1 control in a message");
        i += length;
    }
}

namespace {

/// A message names the file and can go to a terminal as it stands: valid UTF-8, no control bytes.
void requireSafeMessage(std::string_view message)
{
    require(message.substr(0, kLabel.size()) == kLabel, "the message starts with the file name");
    requireSafeText(message);
}

template <typename Read>
void readOrRefuse(Read read)
{
    try {
        read();
    } catch (const text::InputError& e) {
        requireSafeMessage(e.what());
    }
}

} // namespace

void starFile(std::string_view bytes)
{
    readOrRefuse([&] {
        const stars::StarCatalogue catalogue = stars::parseStarFile(bytes, kLabel);
        require(catalogue.StarCount() >= 0, "StarCount is not negative");
        for (const auto& s : catalogue.stars) {
            require(std::isfinite(s.Lambda) && std::isfinite(s.Vmag), "finite longitude and magnitude");
            require(s.Phi >= -90.0 && s.Phi <= 90.0, "latitude within the poles");
        }
        require(catalogue.colourIndices.empty() || catalogue.colourIndices.size() == catalogue.stars.size(),
                "a colour index a star, or none");
        for (const auto& bv : catalogue.colourIndices)
            require(!bv || std::isfinite(*bv), "finite colour indices");
    });
}

void vertexFile(std::string_view bytes)
{
    readOrRefuse([&] {
        const auto table = polyhedron::parseVertexFile(bytes, kLabel);
        require(!table.empty() && table.size() <= polyhedron::kMaxVertices + 1u, "vertex table within its limit");
        require(table[0].Phi == 0.0 && table[0].Lambda == 0.0, "vertex 0 all zero");
        for (const auto& v : table)
            require(std::isfinite(v.Phi) && std::isfinite(v.Lambda), "finite vertices");
    });
}

void faceFile(std::string_view bytes)
{
    readOrRefuse([&] {
        const auto table = polyhedron::parseFaceFile(bytes, kLabel);
        require(!table.empty() && table.size() <= polyhedron::kMaxFaces + 1u, "face table within its limit");
        require(table[0].CornerCount == 0, "face 0 has no corners");
        for (const auto& f : table) {
            require(f.CornerCount >= 0 && f.CornerCount <= polyhedron::kMaxCorners, "corner count 0 to 6");
            require(std::isfinite(f.Phi) && std::isfinite(f.Lambda), "finite face centres");
        }
    });
}

void faceOutline(std::string_view bytes)
{
    const auto split = bytes.find("---\n");
    if (split == std::string_view::npos)
        return;
    polyhedron::PolyhedronModel model;
    try {
        model.vertices = polyhedron::parseVertexFile(bytes.substr(0, split), kLabel);
        model.faces = polyhedron::parseFaceFile(bytes.substr(split + 4), kLabel);
    } catch (const text::InputError&) {
        return; // the readers' own targets check their refusals
    }
    model.VertexFileName = "vertices.csv";
    model.FaceFileName = "faces.csv";
    const stars::StarCatalogue none;
    for (int f = 0; f <= model.FaceCount(); ++f) {
        polyhedron::FaceParameters p;
        p.phi0 = model.faces[static_cast<std::size_t>(f)].Phi * stars::DegreeFactor;
        p.lambda0 = model.faces[static_cast<std::size_t>(f)].Lambda * stars::DegreeFactor;
        p.projectionRange = 40 * stars::DegreeFactor;
        p.sphereRadius = 10;
        p.faintestMagnitude = 7;
        p.commonRatio = 2.5;
        p.magnification = 10;
        try {
            const scene::Scene s = polyhedron::buildFaceScene(p, polyhedron::FaceOutline{f, true, true}, model, none,
                                                              "stars.csv", polyhedron::canvasSide(p));
            for (const scene::Layer& layer : s.layers)
                for (const scene::Item& item : layer.items)
                    if (const auto* path = scene::itemIf<scene::Path>(&item))
                        for (const auto& run : path->runs)
                            for (const scene::Point& q : run)
                                require(std::isfinite(q.x) && std::isfinite(q.y), "finite outline points");
        } catch (const text::InputError& e) {
            require(std::string_view(e.what()).find('\x1b') == std::string_view::npos, "no escape byte in a message");
        }
    }
}

} // namespace fuzz
