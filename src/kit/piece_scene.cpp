#include "kit/piece_scene.h"

#include "kit/outline_index.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kit {

namespace {

/// Height of a label's letters above its baseline, in cm a point of font size.
constexpr double kCapHeightPerPoint = 0.7 * 2.54 / 72.0;
/// Gap between an edge and its label, cm.
constexpr double kEdgeLabelGap = 0.12;

scene::Text label(scene::Role role, Point at, const std::string& text, double sizePt, double rotationDeg)
{
    scene::Text t;
    t.role = role;
    t.at = at;
    t.sizePt = sizePt;
    t.rotationDeg = rotationDeg;
    t.anchor = scene::Anchor::Middle;
    t.text = text;
    t.color = kLabelColour;
    return t;
}

struct Mover
{
    double dx, dy;
    void move(Point& p) const { p.x += dx, p.y += dy; }
    void operator()(scene::Dot& d) const { move(d.centre); }
    void operator()(scene::Path& p) const
    {
        for (auto& run : p.runs)
            for (Point& q : run)
                move(q);
    }
    void operator()(scene::Text& t) const { move(t.at); }
};

} // namespace

void addPiece(scene::Scene& s, const TabbedOutline& outline)
{
    scene::Path cut;
    cut.role = scene::Role::CutOutline;
    cut.runs = {outline.cut};
    cut.closed = true;
    cut.stroke.color = kCutColour;
    s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.emplace_back(std::move(cut));
    if (outline.folds.empty())
        return;
    scene::Layer& score = s.layer(scene::layers::kScore, scene::LayerKind::Score);
    for (std::size_t i = 0; i < outline.folds.size(); ++i) {
        scene::Path fold;
        fold.role = scene::Role::TabFold;
        fold.index = static_cast<std::int64_t>(i);
        fold.runs = {outline.folds[i]};
        fold.stroke.color = kScoreColour;
        fold.stroke.dash = {kScoreDash, kScoreDash};
        score.items.emplace_back(std::move(fold));
    }
}

void keepStarsOnPiece(scene::Scene& s, const Polygon& piece)
{
    const OutlineIndex outline(piece);
    std::int32_t clip = -1;
    for (scene::Layer& layer : s.layers)
        std::erase_if(layer.items, [&](scene::Item& item) {
            auto* d = std::get_if<scene::Dot>(&item);
            if (!d || d->role != scene::Role::Star)
                return false;
            if (outline.within(d->centre, printedRadius(d->radius))) {
                if (clip < 0)
                    clip = addClip(s, piece);
                d->clip = clip;
                return false;
            }
            return !contains(piece, d->centre);
        });
}

std::int32_t addClip(scene::Scene& s, const Polygon& outline)
{
    s.clips.push_back(outline);
    return static_cast<std::int32_t>(s.clips.size() - 1);
}

double printedRadius(double radius) { return std::max(radius, scene::kMinPrintRadius); }

void addPieceLabel(scene::Scene& s, Point at, const std::string& text, scene::Anchor anchor)
{
    scene::Text t = label(scene::Role::PieceLabel, at, text, kPieceLabelSize, 0.0);
    t.anchor = anchor;
    s.layer(scene::layers::kLabels).items.emplace_back(std::move(t));
}

void addEdgeLabel(scene::Scene& s, Point a, Point b, Point inside, const std::string& text)
{
    const Point d = b - a;
    const double length = scene::length(d);
    if (!(length > 0))
        return;
    Point in{-d.y / length, d.x / length};
    const Point mid = (a + b) / 2;
    if (dot(inside - mid, in) < 0)
        in = -in;
    // Upright on paper: the text runs left to right within ±90° of the x axis.
    double angle = std::atan2(d.y, d.x) * 180.0 / std::numbers::pi;
    if (angle > 90.0)
        angle -= 180.0;
    else if (angle <= -90.0)
        angle += 180.0;
    // The letters grow from the baseline towards the text's "up"; keep them clear of the edge.
    const double r = angle * std::numbers::pi / 180.0;
    const Point up{std::sin(r), -std::cos(r)};
    const bool growsInwards = dot(up, in) > 0;
    const double offset = kEdgeLabelGap + (growsInwards ? 0.0 : kEdgeLabelSize * kCapHeightPerPoint);
    s.layer(scene::layers::kLabels)
        .items.emplace_back(label(scene::Role::EdgeLabel, mid + offset * in, text,
                                  kEdgeLabelSize, angle));
}

std::vector<Point> cutPoints(const scene::Scene& s)
{
    std::vector<Point> points;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* p = scene::itemIf<scene::Path>(&item); p && p->role == scene::Role::CutOutline)
                for (const auto& run : p->runs)
                    points.insert(points.end(), run.begin(), run.end());
    return points;
}

void fitAroundPieces(scene::Scene& s, double margin)
{
    const std::vector<Point> points = cutPoints(s);
    if (points.empty())
        return;
    const Box need = grown(boundingBox(points), margin);
    const double dx = std::max(0.0, -need.left), dy = std::max(0.0, -need.top);
    const double width = std::max(s.width + dx, need.right + dx);
    const double height = std::max(s.height + dy, need.bottom + dy);
    if (dx > 0 || dy > 0) {
        const Mover mover{dx, dy};
        for (scene::Layer& layer : s.layers)
            for (scene::Item& item : layer.items)
                std::visit(mover, item);
        for (auto& clip : s.clips)
            for (Point& q : clip)
                mover.move(q);
    }
    s.width = width;
    s.height = height;
}

} // namespace kit
