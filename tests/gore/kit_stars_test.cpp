#include "gore/gore_projection.h"
#include "gore/gore_tiling.h"
#include "gore/kit_stars.h"
#include "kit/piece_scene.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

using namespace gore;

namespace {

/// `count` stars spread over the sky by a fixed sequence, magnitudes 2 to 12 (half of them drawn).
stars::StarCatalogue spreadStars(std::size_t count)
{
    stars::StarCatalogue c;
    std::uint64_t x = 12345;
    const auto next = [&x] {
        x = x * 6364136223846793005u + 1442695040888963407u;
        return static_cast<double>(x >> 11) / 9007199254740992.0;
    };
    for (std::size_t i = 0; i < count; ++i)
        c.stars.push_back({360 * next(), 180 * next() - 90, 10 * next() + 2});
    return c;
}

bool samePlacements(const KitStars& a, const KitStars& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t piece = 0; piece < a.size(); ++piece) {
        if (a[piece].size() != b[piece].size())
            return false;
        for (std::size_t i = 0; i < a[piece].size(); ++i) {
            const StarPlacement &s = a[piece][i], &t = b[piece][i];
            if (s.target != t.target || s.offset.x != t.offset.x || s.offset.y != t.offset.y
                || s.radius != t.radius || s.index != t.index || s.clipped != t.clipped)
                return false;
        }
    }
    return true;
}

} // namespace

TEST(KitStars, ThreadsShareOutAsOnePassDoes)
{
    GoreParameters p;
    p.northPlate = true;
    p.southPlate = 1;
    const GoreTiling t = makeGoreTiling(p, false);
    stars::StarCatalogue catalogue = spreadStars(160'000);
    const KitStars one = distributeKitStars(p, t, catalogue, "stars.csv", 1);
    ASSERT_TRUE(std::any_of(one.begin(), one.end(), [](const auto& piece) {
        return std::any_of(piece.begin(), piece.end(), [](const StarPlacement& s) { return s.clipped; });
    })) << "no dot crosses a cut: the continuations go untested";
    for (const unsigned threads : {2u, 3u}) {
        SCOPED_TRACE(threads);
        EXPECT_TRUE(samePlacements(distributeKitStars(p, t, catalogue, "stars.csv", threads), one));
    }
    // Two stars too bright to size, in different stretches: the first in the file is refused.
    catalogue.stars[150'000].Vmag = -1e6;
    catalogue.stars[60'000].Vmag = -1e6;
    for (const unsigned threads : {1u, 3u}) {
        SCOPED_TRACE(threads);
        try {
            distributeKitStars(p, t, catalogue, "stars.csv", threads);
            ADD_FAILURE() << "not refused";
        } catch (const text::InputError& e) {
            EXPECT_NE(std::string(e.what()).find("60001"), std::string::npos) << e.what();
        }
    }
}

TEST(KitStars, ADotCarriedOverACutLiesWhereItsNewPiecePrintsTheStar)
{
    // Carried rigidly over the cut, a dot's centre lands where the piece beyond prints the star,
    // but for the bend of the sky over the dot's width: across seams, the equator and the plates'
    // cuts, split and whole gores.
    for (const bool whole : {false, true}) {
        SCOPED_TRACE(whole ? "whole gores" : "split gores");
        GoreParameters p;
        p.northPlate = true;
        p.southPlate = 1;
        p.magnification = 40; // dots of up to a few millimetres
        const GoreTiling t = makeGoreTiling(p, whole);
        const stars::StarCatalogue catalogue = spreadStars(20'000);
        const KitStars pieces = distributeKitStars(p, t, catalogue, "stars.csv", 1);
        std::size_t carried = 0;
        double worst = 0.0;
        for (std::size_t index = 0; index < pieces.size(); ++index) {
            const std::size_t n = static_cast<std::size_t>(t.n);
            for (const StarPlacement& placed : pieces[index]) {
                const stars::Star& star = catalogue.stars[placed.index];
                if (!placed.clipped || ownerOf(t, star.Lambda, star.Phi).kind != KitPiece::Kind::Gore
                    || pieceIndex(t, ownerOf(t, star.Lambda, star.Phi)) == index)
                    continue;
                scene::Point expected;
                if (index >= 2 * n)
                    expected = kitPlateOffset(t, star.Lambda, star.Phi, index == 2 * n + 1);
                else {
                    const double dl = sectorOffset(t, static_cast<int>(index % n) + 1, star.Lambda);
                    expected = {latitudeCoordinate(star.Phi, dl, t.epsilon) * t.R, acrossValue(star.Phi, dl) * t.R};
                }
                ++carried;
                worst = std::max(worst, std::hypot(placed.offset.x - expected.x, placed.offset.y - expected.y)
                                            / kit::printedRadius(placed.radius));
            }
        }
        EXPECT_GT(carried, 100u);
        EXPECT_LT(worst, 1.0 / 3) << "off by this share of the dot's radius";
    }
}
