#include "sky/sky_layers.h"

#include "sky/coordinate_grid.h"
#include "sky/ecliptic.h"
#include "sky/galactic.h"
#include "sky/label_box.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace sky {

namespace {

using scene::Role;

constexpr canvas::Rgb kGridColour{150, 162, 180};
constexpr canvas::Rgb kGridLabelColour{100, 112, 135};
constexpr canvas::Rgb kEclipticColour{205, 130, 20};
constexpr canvas::Rgb kGalacticColour{150, 80, 170};
constexpr canvas::Rgb kBoundaryColour{110, 150, 110};
constexpr canvas::Rgb kFigureColour{70, 120, 190};
constexpr canvas::Rgb kNameColour{25, 65, 140};
constexpr canvas::Rgb kStarNameColour{70, 70, 70};

/// Constellation names by rank (1 large and bright … 3 small and faint), points.
constexpr double kNameSizePt[3] = {9.0, 8.0, 7.0};
constexpr double kGridLabelPt = 6.0;
constexpr double kEclipticLabelPt = 6.0;
constexpr double kGalacticLabelPt = 6.0;
/// Galactic longitudes labelled on the galactic equator, degrees apart.
constexpr int kGalacticLabelStepDeg = 30;
constexpr double kStarNamePt = 6.0;
/// Sizes a label tries, as fractions of its own (0: the smallest size), before it tries its next point.
constexpr double kShrink[] = {1.0, 0.85, 0.72, 0.0};
/// Smallest label size, points.
constexpr double kMinLabelPt = 5.0;
/// How far a label moves per try, and how far at most away from the cut line nearest to it, cm.
constexpr double kMoveStepCm = 0.025;
constexpr double kInwardCm = 1.0;
/// How far a label moves north or south of its place to clear another, cm.
constexpr double kAsideCm = 0.5;
/// Least room between two labels, cm.
constexpr double kLabelGapCm = 0.04;
/// Half lengths of the ecliptic ticks on paper, cm: plain and labelled.
constexpr double kTickCm = 0.1;
constexpr double kLabelledTickCm = 0.18;

std::vector<std::vector<scene::Point>> clippedRuns(const std::vector<Polyline>& lines, const ClipOutline& outline)
{
    std::vector<std::vector<scene::Point>> runs;
    for (const Polyline& line : lines)
        for (const Polyline& piece : clipPolyline(outline, line)) {
            std::vector<scene::Point> run;
            run.reserve(piece.size());
            for (const scene::Point& p : piece)
                run.push_back({p.x, p.y});
            runs.push_back(std::move(run));
        }
    return runs;
}

void addPath(scene::Layer& layer, Role role, std::int64_t index, std::vector<std::vector<scene::Point>> runs,
             const scene::Stroke& stroke)
{
    if (runs.empty())
        return;
    scene::Path path;
    path.role = role;
    path.index = index;
    path.runs = std::move(runs);
    path.stroke = stroke;
    layer.items.emplace_back(std::move(path));
}

/// A label to place: the text (its position and rotation still open) and where it belongs.
struct LabelRequest
{
    scene::Text text;
    SkyPoint anchor;
    double alongCm = 0.0; ///< reference point from the anchor along the reading direction, cm
    double upCm = 0.0;    ///< … and towards north, cm
    double upEm = 0.0;    ///< … and towards north, ems
    std::optional<double> starMagnitude; ///< the label clears this star's dot along the reading direction
    std::vector<SkyPoint> fallbacks;     ///< other points to try, in order, when it fits nowhere near its anchor
};

/// Rotation in degrees, clockwise on paper, that sets a text upright with north up at `a`.
std::optional<double> uprightRotation(const Projection& project, SkyPoint a)
{
    constexpr double kDelta = 0.01;
    const auto north = project(a.lambda, std::min(90.0, a.phi + kDelta));
    const auto south = project(a.lambda, std::max(-90.0, a.phi - kDelta));
    if (!north || !south)
        return std::nullopt;
    const double dx = north->x - south->x, dy = north->y - south->y;
    if (dx == 0.0 && dy == 0.0)
        return std::nullopt;
    return std::atan2(dx, -dy) / kRadiansPerDegree;
}

/// The point of `outline` nearest to `p`.
scene::Point nearestOnOutline(const ClipOutline& outline, scene::Point p)
{
    scene::Point best = outline.corners.front();
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0, n = outline.corners.size(); i < n; ++i) {
        const scene::Point a = outline.corners[i], b = outline.corners[(i + 1) % n];
        const scene::Point d = b - a;
        const double l2 = dot(d, d);
        const double s = l2 > 0.0 ? std::clamp(dot(p - a, d) / l2, 0.0, 1.0) : 0.0;
        const scene::Point q = a + d * s;
        const double distance = length(p - q);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = q;
        }
    }
    return best;
}

/// Places labels on this piece: those whose anchor it carries.
class LabelPlacer
{
public:
    LabelPlacer(const SkyPiece& here, std::size_t index, const SkyGlobe& globe)
        : m_here(here), m_index(index), m_globe(globe)
    {
    }

    /// Keeps the labels placed from now on clear of `text`, already on the template.
    void keepClearOf(const scene::Text& text) { m_taken.push_back(labelBox(text, kLabelGapCm / 2)); }

    /// The label, when its anchor lies on this piece and it fits there: at its anchor, moved
    /// inward, smaller, or at one of its other points on this piece.
    std::optional<scene::Text> place(const LabelRequest& r)
    {
        auto t = search(r);
        if (t)
            m_taken.push_back(labelBox(*t, kLabelGapCm / 2));
        return t;
    }

private:
    std::optional<scene::Text> search(const LabelRequest& r) const
    {
        if (m_globe.ownerOf(r.anchor) != m_index)
            return std::nullopt;
        std::vector<SkyPoint> candidates{r.anchor};
        for (const SkyPoint& f : r.fallbacks)
            if (m_globe.ownerOf(f) == m_index)
                candidates.push_back(f);
        for (const SkyPoint& c : candidates) {
            double lastSize = 0.0;
            for (const double shrink : kShrink) {
                const double size = std::max(kMinLabelPt, r.text.sizePt * shrink);
                if (size == lastSize)
                    continue;
                lastSize = size;
                if (auto t = fit(m_here, r, c, size))
                    return t;
            }
        }
        return std::nullopt;
    }

    /// Whether `t` lies clear of the cut and of the labels already placed.
    bool fits(const SkyPiece& p, const scene::Text& t) const
    {
        if (!boxInside(p.outline, labelBox(t, kLabelClearanceCm)))
            return false;
        const auto box = labelBox(t, kLabelGapCm / 2);
        return std::none_of(m_taken.begin(), m_taken.end(),
                            [&box](const std::array<scene::Point, 4>& taken) { return boxesOverlap(box, taken); });
    }

    /// The label at `anchor` on `p` at `sizePt`, moved until it fits: north and south of its
    /// place, then away from the cut line nearest to it, then towards the piece's centre.
    std::optional<scene::Text> fit(const SkyPiece& p, const LabelRequest& r, SkyPoint anchor, double sizePt) const
    {
        const auto at = p.project(anchor.lambda, anchor.phi);
        const auto rotation = uprightRotation(p.project, anchor);
        if (!at || !rotation)
            return std::nullopt;
        const double angle = *rotation * kRadiansPerDegree;
        const scene::Point u{std::cos(angle), std::sin(angle)}, v{std::sin(angle), -std::cos(angle)};
        const double em = sizePt * kCmPerPoint;
        const double along = r.alongCm + (r.starMagnitude ? p.dotRadius(*r.starMagnitude) : 0.0);
        const scene::Point base = *at + u * along + v * (r.upCm + r.upEm * em);
        scene::Text t = r.text;
        t.sizePt = sizePt;
        t.rotationDeg = *rotation;
        const auto placeAt = [&t](scene::Point q) { t.at = {q.x, q.y}; };
        placeAt(base);
        if (fits(p, t))
            return t;
        for (int i = 1; i * kMoveStepCm <= kAsideCm; ++i)
            for (const double side : {1.0, -1.0}) {
                placeAt(base + v * (side * i * kMoveStepCm));
                if (fits(p, t))
                    return t;
            }

        placeAt(base);
        const auto box = labelBox(t);
        scene::Point centre{0.0, 0.0};
        for (const scene::Point& c : box)
            centre = centre + c * 0.25;
        const scene::Point nearest = nearestOnOutline(p.outline, centre);
        const scene::Point away = contains(p.outline, centre) ? centre - nearest : nearest - centre;
        if (const double l = length(away); l > 0.0)
            for (int i = 1; i * kMoveStepCm <= kInwardCm; ++i) {
                placeAt(base + away * (i * kMoveStepCm / l));
                if (fits(p, t))
                    return t;
            }
        // Towards the centre: a box whose centre lies farther from it than every corner of the
        // outline cannot be inside, so the steps start where the box reaches the piece. A label
        // pushed far off by a huge star dot so tries as many places as one beside it.
        const scene::Point inward = p.centre - centre;
        const double l = length(inward);
        if (!(l > 0.0) || !std::isfinite(l))
            return std::nullopt;
        double reach = 0.0;
        for (const scene::Point& c : p.outline.corners)
            reach = std::max(reach, length(c - p.centre));
        const double first = std::max(1.0, std::floor((l - reach) / kMoveStepCm));
        const auto steps = static_cast<std::int64_t>(std::ceil(2.0 * reach / kMoveStepCm)) + 2;
        for (std::int64_t j = 0; j < steps; ++j) {
            const double i = first + static_cast<double>(j);
            if (!((i - 1) * kMoveStepCm < l))
                break;
            placeAt(base + inward * (std::min(l, i * kMoveStepCm) / l));
            if (fits(p, t))
                return t;
        }
        return std::nullopt;
    }

    const SkyPiece& m_here;
    std::size_t m_index;
    const SkyGlobe& m_globe;
    std::vector<std::array<scene::Point, 4>> m_taken; ///< boxes of the labels placed so far
};

/// A label of `role` and `index` saying `text`, to be placed at `at` (its position and rotation still open).
LabelRequest labelRequest(Role role, std::int64_t index, std::string text, const char* family, double sizePt,
                          scene::Anchor anchor, canvas::Rgb colour, SkyPoint at)
{
    LabelRequest r;
    r.text.role = role;
    r.text.index = index;
    r.text.text = std::move(text);
    r.text.family = family;
    r.text.sizePt = sizePt;
    r.text.anchor = anchor;
    r.text.color = colour;
    r.anchor = at;
    return r;
}

/// Which labels are placed first, and so keep their places when two would meet.
enum class LabelPriority { ConstellationName, Hour, StarName, Ecliptic, Galactic, Declination };

/// A label waiting for its turn, and the layer it goes into.
struct QueuedLabel
{
    LabelPriority priority;
    std::string_view layer;
    LabelRequest request;
};

/// Middle of a text's box above its baseline, ems: a name centred on its point.
constexpr double kCentreEm = (kAscentEm - kDescentEm) / 2;

/// The sampled, clipped runs of `curve` on `here`; none when `reach` cannot meet the piece.
std::vector<std::vector<scene::Point>> lines(const SkyPiece& here, const SkyCurve& curve, const SkyCap& reach)
{
    if (!capsMeet(here.reach, reach))
        return {};
    return clippedRuns(sampleCurve(curve, here.project), here.outline);
}

/// `caps[i]`, or the whole sky when there is none.
SkyCap reachOf(const std::vector<SkyCap>& caps, std::size_t i) { return i < caps.size() ? caps[i] : SkyCap{}; }

scene::Layer newLayer(std::string_view name) { return scene::Layer{std::string(name), {}, scene::LayerKind::Print}; }

scene::Layer gridLayer(const SkyPiece& here, int step, std::vector<QueuedLabel>& labels)
{
    scene::Layer grid = newLayer(scene::layers::kGrid);
    const scene::Stroke stroke{kGridColour, 0.0, {0.08, 0.05}};
    for (const GridLine& line : coordinateGrid(step)) {
        // A meridian keeps within 80° of its point on the equator; a parallel is a circle round a pole.
        const SkyCap reach = line.kind == GridLine::Kind::Meridian
                                 ? SkyCap{{line.valueDeg, 0.0}, 80.5}
                                 : SkyCap{{0.0, line.valueDeg < 0.0 ? -90.0 : 90.0}, 90.5 - std::fabs(line.valueDeg)};
        addPath(grid, Role::GridLine, std::lround(line.valueDeg), lines(here, line.curve, reach), stroke);
    }
    const std::vector<GridLabel> hours = hourLabels();
    for (std::size_t h = 0; h < hours.size(); ++h) {
        LabelRequest r = labelRequest(Role::GridLabel, static_cast<std::int64_t>(h), hours[h].text, kLatinFamily,
                                      kGridLabelPt, scene::Anchor::Middle, kGridLabelColour, hours[h].anchor);
        r.upCm = 0.1;
        labels.push_back({LabelPriority::Hour, scene::layers::kGrid, std::move(r)});
    }
    for (const GridLabel& label : declinationLabels(step, 0.0)) {
        if (label.anchor.phi == 0.0)
            continue; // the equator carries the hours
        LabelRequest r = labelRequest(Role::GridLabel, std::lround(label.anchor.phi), label.text, kLatinFamily,
                                      kGridLabelPt, scene::Anchor::Middle, kGridLabelColour, label.anchor);
        r.upCm = 0.06;
        labels.push_back({LabelPriority::Declination, scene::layers::kGrid, std::move(r)});
    }
    return grid;
}

scene::Layer eclipticLayer(const SkyPiece& here, std::vector<QueuedLabel>& labels)
{
    scene::Layer ecliptic = newLayer(scene::layers::kEcliptic);
    const scene::Stroke stroke{kEclipticColour, 0.015, {}};
    addPath(ecliptic, Role::Ecliptic, -1, lines(here, eclipticCurve(), SkyCap{}), stroke);
    for (const EclipticMark& mark : eclipticMarks()) {
        const double half = (mark.labelled ? kLabelledTickCm : kTickCm) / here.sphereRadius / kRadiansPerDegree;
        const auto degrees = std::lround(mark.longitudeDeg);
        addPath(ecliptic, Role::Ecliptic, degrees,
                lines(here, eclipticTick(mark, half), SkyCap{mark.position, half + 0.1}), stroke);
        if (!mark.labelled)
            continue;
        LabelRequest r = labelRequest(Role::EclipticLabel, degrees, std::to_string(degrees) + "\u00B0", kLatinFamily,
                                      kEclipticLabelPt, scene::Anchor::Middle, kEclipticColour, mark.position);
        r.upCm = kLabelledTickCm + 0.04;
        labels.push_back({LabelPriority::Ecliptic, scene::layers::kEcliptic, std::move(r)});
    }
    return ecliptic;
}

scene::Layer galacticLayer(const SkyPiece& here, std::vector<QueuedLabel>& labels)
{
    scene::Layer galactic = newLayer(scene::layers::kGalactic);
    addPath(galactic, Role::GalacticEquator, -1, lines(here, galacticEquatorCurve(), SkyCap{}),
            scene::Stroke{kGalacticColour, 0.015, {0.15, 0.05}});
    for (int l = 0; l < 360; l += kGalacticLabelStepDeg) {
        LabelRequest r = labelRequest(Role::GalacticLabel, l, "l " + std::to_string(l) + "\u00B0", kLatinFamily,
                                      kGalacticLabelPt, scene::Anchor::Middle, kGalacticColour,
                                      galacticToEquatorial(l));
        r.upCm = 0.08;
        labels.push_back({LabelPriority::Galactic, scene::layers::kGalactic, std::move(r)});
    }
    return galactic;
}

scene::Layer boundaryLayer(const SkyPiece& here, const SkyData& d)
{
    scene::Layer bounds = newLayer(scene::layers::kBoundaries);
    const scene::Stroke stroke{kBoundaryColour, 0.0, {0.02, 0.04}};
    for (std::size_t i = 0; i < d.boundaries.size(); ++i)
        addPath(bounds, Role::Boundary, static_cast<std::int64_t>(i),
                lines(here, boundaryEdge(d.boundaries[i].from, d.boundaries[i].to), reachOf(d.boundaryReach, i)),
                stroke);
    return bounds;
}

scene::Layer figureLayer(const SkyPiece& here, const SkyData& d)
{
    scene::Layer figures = newLayer(scene::layers::kConstellationLines);
    const scene::Stroke stroke{kFigureColour, 0.02, {}};
    for (std::size_t i = 0; i < d.figures.size(); ++i)
        if (capsMeet(here.reach, reachOf(d.figureReach, i)))
            addPath(figures, Role::ConstellationLine, static_cast<std::int64_t>(i),
                    clippedRuns(samplePath(d.figures[i].points, here.project), here.outline), stroke);
    return figures;
}

void queueNames(const SkyData& d, Language language, std::vector<QueuedLabel>& labels)
{
    const char* family = nameFamily(language);
    for (std::size_t i = 0; i < d.names.size(); ++i) {
        const ConstellationName& n = d.names[i];
        LabelRequest r = labelRequest(Role::ConstellationName, static_cast<std::int64_t>(i),
                                      constellationNameIn(n, language), family,
                                      kNameSizePt[std::clamp(n.rank, 1, 3) - 1], scene::Anchor::Middle, kNameColour,
                                      n.label);
        r.upEm = -kCentreEm;
        // Where the name fits nowhere near its point, it moves to its figure's stars, nearest first.
        std::vector<std::pair<double, SkyPoint>> stars;
        for (const ConstellationPath& figure : d.figures)
            if (figure.constellation == n.constellation)
                for (const SkyPoint& star : figure.points)
                    stars.emplace_back(angularDistance(n.label, star), star);
        std::stable_sort(stars.begin(), stars.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& star : stars)
            r.fallbacks.push_back(star.second);
        labels.push_back({LabelPriority::ConstellationName, scene::layers::kConstellationNames, std::move(r)});
    }
}

void queueStarNames(const SkyData& d, double limit, Language language, std::vector<QueuedLabel>& labels)
{
    for (const StarName& s : d.starNames) {
        if (!(s.magnitude <= limit))
            continue;
        const bool japanese = language == Language::Japanese && !s.japanese.empty();
        LabelRequest r = labelRequest(Role::StarName, s.hip, japanese ? s.japanese : s.name,
                                      japanese ? kJapaneseFamily : kLatinFamily, kStarNamePt, scene::Anchor::Start,
                                      kStarNameColour, s.position);
        r.alongCm = 0.06;
        r.upEm = -kCentreEm;
        r.starMagnitude = s.magnitude;
        labels.push_back({LabelPriority::StarName, scene::layers::kStarNames, std::move(r)});
    }
}

} // namespace

void appendSkyLayers(scene::Scene& scene, const SkyPiece& here, std::size_t index, const SkyGlobe& globe,
                     const SkyRequest& request)
{
    if (!request.wanted())
        return;
    const SkyLayerOptions& o = request.layers;
    const SkyData& d = *request.data;
    std::vector<scene::Layer> added;
    std::vector<QueuedLabel> labels;
    if (o.gridStep != 0)
        added.push_back(gridLayer(here, o.gridStep, labels));
    if (o.ecliptic)
        added.push_back(eclipticLayer(here, labels));
    if (o.galactic)
        added.push_back(galacticLayer(here, labels));
    if (o.boundaries)
        added.push_back(boundaryLayer(here, d));
    if (o.figures)
        added.push_back(figureLayer(here, d));
    if (o.names) {
        added.push_back(newLayer(scene::layers::kConstellationNames));
        queueNames(d, o.language, labels);
    }
    if (o.starNameLimit) {
        added.push_back(newLayer(scene::layers::kStarNames));
        queueStarNames(d, *o.starNameLimit, o.language, labels);
    }

    // Labels go in by priority, each clear of those before it and of the template's own.
    std::stable_sort(labels.begin(), labels.end(),
                     [](const QueuedLabel& a, const QueuedLabel& b) { return a.priority < b.priority; });
    LabelPlacer placer(here, index, globe);
    for (const scene::Layer& layer : scene.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* text = scene::itemIf<scene::Text>(&item))
                placer.keepClearOf(*text);
    for (const QueuedLabel& q : labels)
        if (auto t = placer.place(q.request))
            std::find_if(added.begin(), added.end(), [&q](const scene::Layer& l) { return l.name == q.layer; })
                ->items.emplace_back(std::move(*t));

    std::erase_if(added, [](const scene::Layer& l) { return l.items.empty(); });
    scene.layers.insert(scene.layers.begin(), std::make_move_iterator(added.begin()),
                        std::make_move_iterator(added.end()));
}

} // namespace sky
