#pragma once

#include "gore/gore_draw.h"
#include "kit/glue_tab.h"
#include "scene/scene.h"

#include <vector>

namespace gore {

/// A gore as a piece to cut out: where it lies on its template and the latitudes it spans.
struct GorePiece
{
    GoreLayout layout;  ///< placed on the template
    double south = 0.0; ///< its southern end, radians: −π/2 (the pole), −B (cut for the southern plate) or 0
    double north = 0.0; ///< its northern end: 0 (the equator), B (cut for the northern plate) or π/2
    bool epsilonEdges = false; ///< edges at the ε-corrected place of the seam meridians (a kit's, with ε on)
    double halfWedge = 22.5;   ///< 180°/n: the seams' offset from the central meridian, degrees
};

/// Which stretches of a gore's outline carry glue tabs, and how wide, cm.
struct GoreTabs
{
    double width = 0.0;    ///< 0: no tabs at all
    bool edge = false;     ///< along the edge at larger longitudes, glued under the next gore
    bool northEnd = false; ///< across the northern cut (the plate rests on it) or the equator
    bool southEnd = false; ///< across the southern cut or the equator
};

/// The piece of `plan` on a `W` × `H` template: the northern (hemisphere 1) or southern
/// (hemisphere 0) half as the window lays it out, or with `whole` the gore pole to pole with
/// the equator across the middle. An end lies at ±B where that end's plate is drawn (northPlate,
/// southPlate = 1), else at the pole. A piece of a kit (plan.tiling set) is the image of its sky:
/// its edges are the seam meridians as its stars are placed (ε-corrected when ε is on), its ends
/// the plate cut, which meets the seams at ±φc.
GorePiece gorePiece(const GoreDrawPlan& plan, double W, double H, bool whole = false);

/// The outline of `piece` in stretches: the edge at larger longitudes (below the centre line)
/// from south to north, the northern end, the other edge back, the southern end. An end at a
/// pole is a point and has no stretch. The edges are sampled every 0.001 rad of latitude (at
/// latitude φ an edge lies at φ′(φ, ±180°/n) along the meridian when `piece.epsilonEdges`);
/// the edge's tab stops where the gore grows narrower than two tabs, near a pole.
std::vector<kit::OutlineEdge> goreOutlineEdges(const GorePiece& piece, const GoreTabs& tabs);

/// The closed cut outline of the piece of `plan` on a `W` × `H` template (see gorePiece),
/// without tabs: its two edges up to ±B where a plate is drawn, with the straight cuts there.
std::vector<scene::Point> goreCutOutline(const GoreDrawPlan& plan, double W, double H, bool whole = false);

/// The plate's cut outline on a `W` × `H` template: the regular n-gon round the pole at its
/// centre (plateCorners), for the northern and the southern plate alike.
std::vector<scene::Point> plateCutOutline(const GoreDrawPlan& plan, double W, double H);

/// The label of gore k of n: "k/n N" (or S, or NS for a whole gore) and the right ascension of
/// its central meridian in hours and minutes, "3/8 N 3h45m".
std::string goreLabel(const GoreParameters& p, const GoreLayout& layout, bool whole);

} // namespace gore
