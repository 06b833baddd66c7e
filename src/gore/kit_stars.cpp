#include "gore/kit_stars.h"

#include "gore/gore_outline.h"
#include "gore/gore_projection.h"
#include "kit/outline_index.h"
#include "kit/piece_scene.h"
#include "stars/angles.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"
#include "text/large_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace gore {

namespace {

using stars::DegreeFactor;
using stars::PiValue;

/// Offsets beyond which a gore's projection is no longer followed, degrees from its central meridian.
constexpr double kLargestGoreOffset = 89.0;

/// Which cut an edge of a piece's outline is, the pieces beyond it told apart: on a plate its
/// side (edge i); on a gore its end at the equator, at the northern or southern plate's cut, or
/// its long edge towards larger or smaller longitudes.
enum GoreSide : std::uint16_t { kEquatorEnd, kNorthEnd, kSouthEnd, kLargerSeam, kSmallerSeam, kGoreSides };

/// A piece's outline as a star's dot meets it, in its stars' frame: indexed, which way round it
/// runs, and which cut each of its edges is.
struct PieceOutline
{
    kit::OutlineIndex index;
    double turn = 1.0; ///< +1 when its corners run from +x towards +y, −1 the other way
    std::vector<std::uint16_t> side; ///< per edge: its GoreSide on a gore, its number on a plate
    std::size_t sides = 0;

    PieceOutline(kit::Polygon outline, const GoreTiling& t, bool plate)
        : index(std::move(outline)), turn(kit::signedArea(index.outline()) >= 0 ? 1.0 : -1.0)
    {
        const kit::Polygon& o = index.outline();
        sides = plate ? o.size() : std::size_t{kGoreSides};
        for (std::size_t i = 0; i < o.size(); ++i) {
            const kit::Point &a = o[i], &b = o[(i + 1) % o.size()];
            if (plate)
                side.push_back(static_cast<std::uint16_t>(i));
            else if (a.x == b.x) // a straight end
                side.push_back(std::fabs(a.x) < 1e-9 * t.R ? kEquatorEnd : a.x > 0 ? kNorthEnd : kSouthEnd);
            else
                side.push_back(a.y + b.y > 0 ? kLargerSeam : kSmallerSeam);
        }
        index.setGroups(side, sides);
    }

    /// The unit vector along edge `i` and the one square to it pointing out of the piece.
    std::pair<kit::Point, kit::Point> frame(std::size_t i) const
    {
        const kit::Polygon& o = index.outline();
        const kit::Point a = o[i], b = o[(i + 1) % o.size()];
        const double length = distance(a, b);
        const kit::Point along = (b - a) / length;
        return {along, {turn * along.y, -turn * along.x}};
    }
};

/// The kit's pieces as a star's dot meets them.
struct KitOutlines
{
    PieceOutline north, south, whole, plate;

    const PieceOutline& of(const KitPiece& piece) const
    {
        if (piece.kind != KitPiece::Kind::Gore)
            return plate;
        return piece.hemisphere == 1 ? north : piece.hemisphere == 0 ? south : whole;
    }
};

bool samePiece(const KitPiece& a, const KitPiece& b)
{
    return a.kind == b.kind && (a.kind != KitPiece::Kind::Gore || (a.k == b.k && a.hemisphere == b.hemisphere));
}

/// Where `piece` prints the sky point (λ, φ), degrees.
scene::Point placeOn(const GoreTiling& t, const KitPiece& piece, double lambda, double phi)
{
    if (piece.kind != KitPiece::Kind::Gore)
        return kitPlateOffset(t, lambda, phi, piece.kind == KitPiece::Kind::SouthPlate);
    const double dl = sectorOffset(t, piece.k, lambda);
    if (std::fabs(dl) > kLargestGoreOffset)
        return {std::nan(""), std::nan("")};
    return {latitudeCoordinate(phi, dl, t.epsilon) * t.R, acrossValue(phi, dl) * t.R};
}

StarTarget targetOf(const KitPiece& piece)
{
    switch (piece.kind) {
    case KitPiece::Kind::NorthPlate: return StarTarget::Plate;
    case KitPiece::Kind::SouthPlate: return StarTarget::SouthPlate;
    case KitPiece::Kind::Gore: break;
    }
    return StarTarget::Gore;
}

/// The sky point `piece` prints at `at` (its stars' frame), degrees.
sky::SkyPoint skyOf(const GoreTiling& t, const KitPiece& piece, const scene::Point& at)
{
    if (piece.kind != KitPiece::Kind::Gore)
        return kitPlateSkyPoint(t, at, piece.kind == KitPiece::Kind::SouthPlate);
    GoreLayout g;
    g.centralLongitude = sectorCentre(t, piece.k);
    return goreSkyPoint(g, at.x / t.R, at.y / t.R, t.epsilon);
}

/// The piece beyond the cut `side` of `owner` (PieceOutline::side): a gore's straight ends are the
/// equator or a plate's cut, its long edges the seams to the gores of larger or smaller
/// longitudes; side i of a plate (corners i to i + 1) is the top of gore i + 1 (of gore n − i on
/// the southern plate, which turns the other way).
std::optional<KitPiece> across(const GoreTiling& t, const KitPiece& owner, std::size_t side)
{
    const int n = t.n;
    if (owner.kind != KitPiece::Kind::Gore) {
        const bool south = owner.kind == KitPiece::Kind::SouthPlate;
        const int k = south ? n - static_cast<int>(side) : static_cast<int>(side) + 1;
        return KitPiece{KitPiece::Kind::Gore, k, t.whole ? -1 : south ? 0 : 1};
    }
    switch (side) {
    case kEquatorEnd: return KitPiece{KitPiece::Kind::Gore, owner.k, owner.hemisphere == 1 ? 0 : 1};
    case kNorthEnd:
        return t.northPlate ? std::optional<KitPiece>(KitPiece{KitPiece::Kind::NorthPlate, owner.k, 1}) : std::nullopt;
    case kSouthEnd:
        return t.southPlate ? std::optional<KitPiece>(KitPiece{KitPiece::Kind::SouthPlate, owner.k, 0}) : std::nullopt;
    case kLargerSeam: return KitPiece{KitPiece::Kind::Gore, owner.k % n + 1, owner.hemisphere};
    default: return KitPiece{KitPiece::Kind::Gore, (owner.k + n - 2) % n + 1, owner.hemisphere};
    }
}

/// Step along and across a cut, cm, by which a point just beyond it or further along it is found.
constexpr double kStep = 1e-4;

/// A cut a star's dot reaches: its stretch nearest the dot (the lowest numbered of equals), and
/// when the cut was first met.
struct Reached
{
    bool met = false;
    std::size_t first = 0;
    kit::OutlineIndex::Near near;
};

/// A piece beyond the cuts a dot reaches: the stretch nearest the dot, and when it was first met.
struct Beyond
{
    KitPiece piece;
    std::size_t first;
    kit::OutlineIndex::Near near;
};

/// What continuations works in, kept from star to star so that it is not made anew each time.
struct CarryRoom
{
    std::vector<Reached> cuts;
    std::vector<bool> open;
    std::vector<std::optional<kit::OutlineIndex::Near>> nearestOfSide;
    std::vector<Beyond> reached;
};

/// The dots continuing over the cut a star's dot crosses on its `owner` at `at` (radius `r`):
/// for each piece beyond a stretch of the cut the dot reaches, the dot as that piece shows it once
/// glued, into `out`. Where the pieces meet, their cuts are the same line of the sky, so the dot's
/// centre is carried across rigidly: as far along the seam and as far from it as on the owner, on
/// the far side.
/// Pieces `known` holds for (the dot is on them already) are left out.
template <typename Known>
void continuations(const GoreTiling& t, const KitOutlines& outlines, const KitPiece& owner, const scene::Point& at,
                   double r, Known&& known, CarryRoom& room, std::vector<std::pair<KitPiece, scene::Point>>& out)
{
    out.clear();
    const PieceOutline& mine = outlines.of(owner);
    const kit::Point centre = at;
    std::vector<Reached>& cuts = room.cuts;
    cuts.assign(mine.sides, Reached{});
    // The cuts with a piece beyond that the dot may still be carried to.
    std::vector<bool>& open = room.open;
    open.assign(mine.sides, false);
    for (std::size_t side = 0; side < open.size(); ++side) {
        const std::optional<KitPiece> beyond = across(t, owner, side);
        open[side] = beyond && !samePiece(*beyond, owner) && !known(*beyond);
    }
    if (std::none_of(open.begin(), open.end(), [](bool o) { return o; }))
        return;
    // The nearest stretch of each of those cuts, nearest cells first.
    mine.index.nearestInGroups(centre, r, room.nearestOfSide, open);
    for (std::size_t side = 0; side < cuts.size(); ++side)
        if (room.nearestOfSide[side])
            cuts[side] = {true, 0, *room.nearestOfSide[side]};
    // For each piece beyond the cuts reached, the stretch nearest the dot, in the order first met.
    std::vector<Beyond>& reached = room.reached;
    const auto gather = [&] {
        reached.clear();
        for (std::size_t side = 0; side < cuts.size(); ++side) {
            if (!cuts[side].met || !open[side])
                continue;
            const std::optional<KitPiece> beyond = across(t, owner, side);
            const Reached& cut = cuts[side];
            const auto same = std::find_if(reached.begin(), reached.end(),
                                           [&](const Beyond& b) { return samePiece(b.piece, *beyond); });
            if (same == reached.end())
                reached.push_back({*beyond, cut.first, cut.near});
            else {
                same->first = std::min(same->first, cut.first);
                if (cut.near.before(same->near))
                    same->near = cut.near;
            }
        }
    };
    gather();
    if (reached.size() > 1) {
        // Near a corner the order the pieces beyond are met in decides by which of them a dot is
        // carried on round the corner: every stretch is visited in the index's order.
        std::fill(cuts.begin(), cuts.end(), Reached{});
        std::size_t visits = 0;
        mine.index.visitNear(centre, r, [&](const kit::OutlineIndex::Near& nearby) {
            Reached& cut = cuts[mine.side[nearby.index]];
            if (!cut.met)
                cut = {true, visits, nearby};
            else if (nearby.before(cut.near))
                cut.near = nearby;
            ++visits;
        });
        gather();
    }
    std::sort(reached.begin(), reached.end(), [](const Beyond& a, const Beyond& b) { return a.first < b.first; });
    for (const Beyond& b : reached) {
        const KitPiece& other = b.piece;
        const kit::OutlineIndex::Near& nearby = b.near;
        const auto [along, outward] = mine.frame(nearby.index);
        const kit::Point s = nearby.nearest, ahead{s.x + kStep * along.x, s.y + kStep * along.y},
                         behind{s.x - kStep * outward.x, s.y - kStep * outward.y};
        // The same stretch of seam on the other piece: its point, its direction, and the side the owner lies on.
        std::optional<kit::CutFrame> there;
        if (owner.kind == KitPiece::Kind::Gore && other.kind == KitPiece::Kind::Gore) {
            // No trip through the sky between gores. A gore's halves share its frame: across the
            // equator every point is where it is. The gores on either side of a seam print the sky
            // as mirror images across their central lines (Δλ → −Δλ turns y to −y): the seam's
            // points are mirrored, and the owner's side of it, beyond the other's seam, is where
            // the mirror puts the points beyond the owner's.
            if (other.k == owner.k)
                there = kit::cutFrameThrough(s, ahead, behind);
            else
                there = kit::cutFrameThrough({s.x, -s.y}, {ahead.x, -ahead.y},
                                             {s.x + kStep * outward.x, -(s.y + kStep * outward.y)});
        } else {
            const sky::SkyPoint onSeam = skyOf(t, owner, s), further = skyOf(t, owner, ahead), inside = skyOf(t, owner, behind);
            there = kit::cutFrameThrough(placeOn(t, other, onSeam.lambda, onSeam.phi),
                                         placeOn(t, other, further.lambda, further.phi),
                                         placeOn(t, other, inside.lambda, inside.phi));
        }
        if (!there)
            continue;
        const kit::Point carried = kit::carriedOver(centre, {s, along, outward}, *there);
        if (outlines.of(other).index.within(carried, r))
            out.push_back({other, carried});
    }
}

} // namespace

kit::Polygon kitGoreOutline(const GoreParameters& p, const GoreTiling& t, int hemisphere)
{
    GoreDrawPlan plan;
    plan.params = p;
    plan.params.hemisphere = hemisphere < 0 ? 1 : hemisphere;
    plan.layout = makeGoreLayout(plan.params);
    plan.plate = kitPlateLayout(p, t);
    plan.tiling = t;
    GorePiece piece = gorePiece(plan, plan.layout.requestedWidth, 0.0, hemisphere < 0);
    piece.layout.equatorX = 0.0;
    piece.layout.H = 0.0;
    return kit::pieceOf(goreOutlineEdges(piece, {}));
}

kit::Polygon kitPlateOutline(const GoreParameters& p, const GoreTiling& t)
{
    kit::Polygon corners;
    for (const scene::Point& c : plateCorners(kitPlateLayout(p, t)))
        corners.push_back({c.x, c.y});
    return corners;
}

namespace {

/// Stars below which a catalogue is shared out on one thread: starting another costs more.
constexpr std::size_t kStarsPerThread = 50'000;

/// Shares out the stars `from` … `to` − 1 of `catalogue` into `pieces`, in file order.
void shareOut(const GoreParameters& p, const GoreTiling& t, const KitOutlines& outlines,
              const stars::StarCatalogue& catalogue, const std::string& starFileName, std::size_t from, std::size_t to,
              KitStars& pieces)
{
    RadiusMemo radiusOf(p);
    // The dots carried over cuts from the star at hand, and room to find them in.
    std::vector<std::pair<KitPiece, scene::Point>> found, frontier, next, carried;
    CarryRoom room;
    for (std::size_t i = from; i < to; ++i) {
        const stars::Star& star = catalogue.stars[i];
        if (!(p.faintestMagnitude - star.Vmag > 0))
            continue;
        std::optional<double> radius;
        try {
            radius = radiusOf(star.Vmag);
        } catch (const text::InputError& e) {
            const text::Message where = describeStar(starFileName, i + 1, star);
            throw text::InputError(e.input(), e.value(), text::Message(text::MessageId::WhereReason, {where, e.message()}),
                                   text::Message(text::MessageId::WhereReason, {where, e.reasonText()}));
        }
        if (!radius)
            continue;
        const Ownership owned = ownershipOf(t, star.Lambda, star.Phi);
        const KitPiece& owner = owned.piece;
        // On its own gore a star's φ′ is the one that decided its owner (Δλ within ±180/n needs no wrapping).
        const scene::Point at = owner.kind == KitPiece::Kind::Gore
                              ? scene::Point{owned.phiPrime * t.R, acrossValue(star.Phi, owned.deltaLambda) * t.R}
                              : placeOn(t, owner, star.Lambda, star.Phi);
        StarPlacement placed{
            .target = targetOf(owner), .index = static_cast<std::uint32_t>(i), .offset = at, .radius = *radius};
        checkPlacement(p, starFileName, i, star, placed);
        const double r = kit::printedRadius(*radius);
        placed.clipped = outlines.of(owner).index.within({placed.offset.x, placed.offset.y}, r);
        pieces[pieceIndex(t, owner)].push_back(placed);
        if (!placed.clipped)
            continue;
        // Over the cuts the dot crosses, then once more from there: a dot at a corner where four
        // pieces meet reaches the piece across the corner through either neighbour.
        found.clear();
        frontier.assign(1, {owner, placed.offset});
        // A piece the dot is already on is not looked for again.
        const auto known = [&](const KitPiece& piece) {
            return samePiece(piece, owner)
                   || std::any_of(found.begin(), found.end(), [&](const auto& f) { return samePiece(f.first, piece); });
        };
        // (A dot as wide as a gore finds every piece it reaches in the first round.)
        const int rounds = r < t.R * std::tan(PiValue / t.n) ? 2 : 1;
        for (int round = 0; round < rounds && !frontier.empty(); ++round) {
            next.clear();
            for (const auto& [from, at] : frontier) {
                continuations(t, outlines, from, at, r, known, room, carried);
                found.insert(found.end(), carried.begin(), carried.end());
                next.insert(next.end(), carried.begin(), carried.end());
            }
            std::swap(frontier, next);
        }
        std::sort(found.begin(), found.end(),
                  [&t](const auto& a, const auto& b) { return pieceIndex(t, a.first) < pieceIndex(t, b.first); });
        for (const auto& [other, at] : found)
            pieces[pieceIndex(t, other)].push_back({.target = targetOf(other),
                                                    .clipped = true,
                                                    .index = static_cast<std::uint32_t>(i),
                                                    .offset = at,
                                                    .radius = *radius});
    }
}

/// About how many dots each piece will list (a quarter more, and some): found from where every
/// 64th star of `catalogue` that is drawn falls, the dots carried over cuts guessed at a tenth.
std::vector<std::size_t> expectedPerPiece(const GoreParameters& p, const GoreTiling& t, const stars::StarCatalogue& catalogue)
{
    constexpr std::size_t kEvery = 64;
    std::vector<std::size_t> expected(2 * static_cast<std::size_t>(t.n) + 2, 0);
    for (std::size_t i = 0; i < catalogue.stars.size(); i += kEvery) {
        const stars::Star& star = catalogue.stars[i];
        if (p.faintestMagnitude - star.Vmag > 0 && std::isfinite(star.Lambda) && std::isfinite(star.Phi))
            ++expected[pieceIndex(t, ownerOf(t, star.Lambda, star.Phi))];
    }
    for (std::size_t& e : expected)
        e = e * kEvery * 5 / 4 + e * kEvery / 10 + 1024;
    return expected;
}

} // namespace

KitStars distributeKitStars(const GoreParameters& p, const GoreTiling& t, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, unsigned threads)
{
    const KitOutlines outlines{PieceOutline(kitGoreOutline(p, t, 1), t, false), PieceOutline(kitGoreOutline(p, t, 0), t, false),
                               PieceOutline(kitGoreOutline(p, t, -1), t, false), PieceOutline(kitPlateOutline(p, t), t, true)};
    const std::size_t pieceCount = 2 * static_cast<std::size_t>(t.n) + 2, count = catalogue.stars.size();
    const std::size_t parts = std::clamp<std::size_t>(count / kStarsPerThread, 1, std::max(threads, 1u));
    // Each thread shares out its stretch of the file; the stretches are then joined in file order,
    // so every piece lists its stars as one pass over the file would. The first stretch's lists
    // are made long enough for every stretch's at once, the others' for their own: nothing is
    // copied to grow, and the others are joined on at the first's ends.
    const std::vector<std::size_t> expected = expectedPerPiece(p, t, catalogue);
    std::vector<KitStars> shares(parts, KitStars(pieceCount));
    for (std::size_t part = 0; part < parts; ++part)
        for (std::size_t piece = 0; piece < pieceCount; ++piece) {
            std::vector<StarPlacement>& list = shares[part][piece];
            list.reserve(part == 0 ? expected[piece] : expected[piece] / parts);
            text::preferLargePages(list.data(), list.capacity() * sizeof(StarPlacement));
        }
    std::vector<std::exception_ptr> failures(parts);
    const auto run = [&](std::size_t part) {
        try {
            shareOut(p, t, outlines, catalogue, starFileName, count * part / parts, count * (part + 1) / parts,
                     shares[part]);
        } catch (...) {
            failures[part] = std::current_exception();
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t part = 1; part < parts; ++part) {
        try {
            workers.emplace_back(run, part);
        } catch (const std::system_error&) {
            run(part); // no thread to be had: done here
        }
    }
    run(0);
    for (std::thread& worker : workers)
        worker.join();
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    KitStars pieces = std::move(shares.front());
    for (std::size_t piece = 0; piece < pieceCount; ++piece)
        for (std::size_t part = 1; part < parts; ++part) {
            pieces[piece].insert(pieces[piece].end(), shares[part][piece].begin(), shares[part][piece].end());
            shares[part][piece] = std::vector<StarPlacement>(); // let go at once: a new vector, as {} would keep the memory
        }
    return pieces;
}

} // namespace gore
