#include "gore/gore_outline.h"

#include "gore/gore_projection.h"
#include "stars/angles.h"

#include <cassert>
#include <cmath>

namespace gore {

namespace {

using scene::Point;
using stars::DegreeFactor;
using stars::PiValue;

/// Largest step of latitude, radians, between the sampled points of an edge: as the window's.
constexpr double kEdgeStep = 0.001;

/// One edge of `piece` from latitude `from` to `to`: +1 below the centre line, −1 above.
std::vector<Point> edge(const GorePiece& piece, double side, double from, double to)
{
    const GoreLayout& g = piece.layout;
    const double steps = std::max(1.0, std::ceil(std::fabs(to - from) / kEdgeStep));
    std::vector<Point> points;
    for (double i = 0; i <= steps; ++i) {
        // The last point exactly at `to` (from + (to − from)·1 may miss it by a unit in the last
        // place), so that an end at the equator or at the cut is straight and meets its neighbour's.
        const double lat = i == steps ? to : from + (to - from) * i / steps;
        const double along = piece.epsilonEdges ? latitudeCoordinate(lat / DegreeFactor, piece.halfWedge, true) : lat;
        points.push_back({g.equatorX + g.R * along, g.H / 2 + side * g.fullWidth * 0.5 * std::cos(lat)});
    }
    return points;
}

bool atPole(double latitude) { return std::fabs(latitude) >= PiValue / 2; }

} // namespace

GorePiece gorePiece(const GoreDrawPlan& plan, double W, double H, bool whole)
{
    const GoreParameters& p = plan.params;
    const double cap = std::min(plan.tiling ? plan.tiling->cornerLatitude : plan.plate.boundary, PiValue / 2);
    const double north = p.northPlate ? cap : PiValue / 2;
    const double south = p.southPlate == 1 ? -cap : -PiValue / 2;
    const bool epsilonEdges = plan.tiling && plan.tiling->epsilon;
    const double halfWedge = 180.0 / p.n;
    if (whole)
        return {placeWholeOnCanvas(plan.layout, W, H), south, north, epsilonEdges, halfWedge};
    assert(p.hemisphere == 0 || p.hemisphere == 1);
    const GoreLayout g = placeOnCanvas(plan.layout, p.hemisphere, W, H);
    return p.hemisphere == 1 ? GorePiece{g, 0.0, north, epsilonEdges, halfWedge}
                             : GorePiece{g, south, 0.0, epsilonEdges, halfWedge};
}

std::vector<kit::OutlineEdge> goreOutlineEdges(const GorePiece& piece, const GoreTabs& tabs)
{
    std::vector<kit::OutlineEdge> edges;
    // The edge's tab keeps to where the gore is at least two tabs wide.
    const double hw = piece.layout.fullWidth * 0.5;
    const double reach = tabs.width > 0 && tabs.edge ? std::acos(std::min(1.0, tabs.width / hw)) : 0.0;
    const double from = std::max(piece.south, -reach), to = std::min(piece.north, reach);
    if (from < to) {
        if (piece.south < from)
            edges.push_back({edge(piece, 1, piece.south, from), false});
        edges.push_back({edge(piece, 1, from, to), true});
        if (to < piece.north)
            edges.push_back({edge(piece, 1, to, piece.north), false});
    } else {
        edges.push_back({edge(piece, 1, piece.south, piece.north), false});
    }
    const auto end = [&](double lat, bool tab, double fromSide) {
        if (!atPole(lat))
            edges.push_back({{edge(piece, fromSide, lat, lat).front(), edge(piece, -fromSide, lat, lat).front()},
                             tab && tabs.width > 0});
    };
    end(piece.north, tabs.northEnd, 1);
    edges.push_back({edge(piece, -1, piece.north, piece.south), false});
    end(piece.south, tabs.southEnd, -1);
    return edges;
}

std::vector<scene::Point> goreCutOutline(const GoreDrawPlan& plan, double W, double H, bool whole)
{
    return kit::pieceOf(goreOutlineEdges(gorePiece(plan, W, H, whole), {}));
}

std::vector<scene::Point> plateCutOutline(const GoreDrawPlan& plan, double W, double H)
{
    const scene::Point pole = plateCentre(W, H);
    std::vector<Point> outline;
    for (const scene::Point& corner : plateCorners(plan.plate))
        outline.push_back({pole.x + corner.x, pole.y + corner.y});
    return outline;
}

std::string goreLabel(const GoreParameters& p, const GoreLayout& layout, bool whole)
{
    const long minutes = std::lround(layout.centralLongitude / 15.0 * 60.0);
    const std::string half = whole ? "NS" : p.hemisphere == 1 ? "N" : "S";
    std::string mm = std::to_string(minutes % 60);
    if (mm.size() < 2)
        mm = "0" + mm;
    return std::to_string(p.k) + "/" + std::to_string(p.n) + " " + half + " " + std::to_string(minutes / 60) + "h"
           + mm + "m";
}

} // namespace gore
