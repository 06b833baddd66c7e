#include "sky/sky_piece.h"

#include <cmath>

namespace sky {

SkyPiece makeSkyPiece(Projection project, std::vector<Point2> outline, double sphereRadius,
                      std::function<double(double)> dotRadius)
{
    SkyPiece piece;
    piece.project = std::move(project);
    // Centroid of the polygon's area (the corners' mean would lean towards a densely sampled edge).
    double area = 0.0, cx = 0.0, cy = 0.0;
    for (std::size_t i = 0, n = outline.size(); i < n; ++i) {
        const Point2 a = outline[i], b = outline[(i + 1) % n];
        const double w = a.x * b.y - b.x * a.y;
        area += w;
        cx += (a.x + b.x) * w;
        cy += (a.y + b.y) * w;
    }
    if (std::fabs(area) > 0.0)
        piece.centre = {cx / (3.0 * area), cy / (3.0 * area)};
    else if (!outline.empty())
        piece.centre = outline.front();
    piece.outline = makeClipOutline(std::move(outline));
    piece.sphereRadius = sphereRadius;
    piece.dotRadius = dotRadius ? std::move(dotRadius) : [](double) { return 0.0; };
    return piece;
}

SkyGlobe singlePieceGlobe(const SkyPiece& piece)
{
    return {1, [](SkyPoint) -> std::size_t { return 0; }, [piece](std::size_t) { return piece; }};
}

} // namespace sky
