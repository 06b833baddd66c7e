#include "stars/angles.h"
#include "stars/star_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

using namespace stars;

namespace {

constexpr double kFaintest = 8.5;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

/// Stars spread over the sphere, magnitudes −1.5 … 10, then the awkward ones: longitudes outside
/// 0…360 and far beyond, the poles, magnitudes at and around the faintest.
StarCatalogue testCatalogue(std::size_t randomStars)
{
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    StarCatalogue c;
    for (std::size_t i = 0; i < randomStars; ++i)
        c.stars.push_back({360.0 * unit(random), std::asin(2.0 * unit(random) - 1.0) * 180.0 / std::numbers::pi,
                           -1.5 + 11.5 * unit(random)});
    const double lambdas[] = {-10.0, -4.0, -3.0000001, -3.0, 0.0, 44.999999, 45.0, 359.9999, 360.0,
                              362.9999, 363.0, 364.0, 725.0, -725.0, 1e6, -1e6, 1e7, 1e20, kInf, kNaN};
    for (const double lambda : lambdas)
        for (const double phi : {-90.0, -45.0, 0.0, 60.0, 90.0})
            c.stars.push_back({lambda, phi, 1.0});
    for (const double vmag : {kFaintest, std::nextafter(kFaintest, 0.0), 9.0, kNaN, -kInf})
        c.stars.push_back({10.0, 10.0, vmag});
    return c;
}

bool bright(const Star& s) { return kFaintest - s.Vmag > 0; }

/// Angle in radians between a star and (phi0, lambda0), from unit vectors: independent of the
/// spherical cosine formula the drawing uses.
double separation(const Star& s, double phi0, double lambda0)
{
    const double phi = s.Phi * DegreeFactor, lambda = s.Lambda * DegreeFactor;
    const double a[3] = {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
    const double b[3] = {std::cos(phi0) * std::cos(lambda0), std::cos(phi0) * std::sin(lambda0), std::sin(phi0)};
    const double cross = std::hypot(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
    return std::atan2(cross, a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
}

/// Checks `found` is ascending, holds only bright stars, and holds every star `wanted` names.
template <typename Wanted>
void expectSupersetInFileOrder(const StarCatalogue& c, const std::vector<std::uint32_t>& found, Wanted&& wanted)
{
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end()) << "a star twice";
    for (const std::uint32_t i : found)
        EXPECT_TRUE(bright(c.stars.at(i))) << "star " << i << " is not brighter than the faintest";
    std::size_t missing = 0;
    for (std::uint32_t i = 0; i < c.stars.size(); ++i)
        if (bright(c.stars[i]) && wanted(c.stars[i]) && !std::binary_search(found.begin(), found.end(), i)) {
            if (++missing <= 5)
                ADD_FAILURE() << "star " << i << " (" << c.stars[i].Lambda << ", " << c.stars[i].Phi << ") left out";
        }
    EXPECT_EQ(missing, 0u);
}

} // namespace

TEST(StarIndex, LongitudeRangesFindEveryBrightStarWithinThem)
{
    // Enough stars for several strips to be merged by the radix sort, not only by std::sort.
    const StarCatalogue c = testCatalogue(40000);
    const LongitudeIndex index = longitudeIndex(c, kFaintest);
    struct Range { double from, to; };
    const Range ranges[] = {{-3, 48}, {42, 93}, {312, 363}, {-3, 4}, {356, 363}, {-3, 363}, {100, 100},
                            {-1000, -500}, {500, 1000}, {-1e30, 1e30}, {kNaN, 10}, {20, 10}};
    for (const Range& r : ranges) {
        SCOPED_TRACE(std::to_string(r.from) + " … " + std::to_string(r.to));
        const auto found = starsInLongitudes(index, r.from, r.to);
        expectSupersetInFileOrder(c, found, [&](const Star& s) {
            return std::isnan(r.from) || std::isnan(r.to) || (s.Lambda >= r.from && s.Lambda <= r.to);
        });
        // A gore's strip, not the whole sky: far fewer stars than the index holds.
        if (r.to - r.from < 60) {
            EXPECT_LT(found.size(), index.cells.places.size() / 4);
        }
    }
}

TEST(StarIndex, LongitudesNoStripTakesAreFoundByEveryRange)
{
    const StarCatalogue c = testCatalogue(0);
    const LongitudeIndex index = longitudeIndex(c, kFaintest);
    const auto found = starsInLongitudes(index, 100, 101);
    for (const double lambda : {725.0, -725.0, 1e20, kInf, kNaN}) {
        SCOPED_TRACE(lambda);
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](std::uint32_t i) {
            return c.stars[i].Lambda == lambda || (std::isnan(lambda) && std::isnan(c.stars[i].Lambda));
        }));
    }
}

TEST(StarIndex, CapsFindEveryBrightStarWithinThem)
{
    const StarCatalogue c = testCatalogue(40000);
    const SkyIndex index = skyIndex(c, kFaintest);
    constexpr double kDeg = std::numbers::pi / 180.0;
    struct Cap { double phi0, lambda0, radius; };
    const Cap caps[] = {
        {0, 0, 30 * kDeg},          // across longitude 0
        {26.5 * kDeg, 72 * kDeg, 30 * kDeg},
        {85 * kDeg, 200 * kDeg, 30 * kDeg}, // over the north pole
        {-90 * kDeg, 0, 10 * kDeg},  // on the south pole
        {10 * kDeg, -400 * kDeg, 20 * kDeg}, // a tangent longitude beyond a turn
        {100 * kDeg, 30 * kDeg, 30 * kDeg},  // a latitude past the pole
        {-40 * kDeg, 359 * kDeg, 89.9 * kDeg},
        {0, 180 * kDeg, 1e-9},
    };
    for (const Cap& cap : caps) {
        SCOPED_TRACE(std::to_string(cap.phi0 / kDeg) + ", " + std::to_string(cap.lambda0 / kDeg) + " r "
                     + std::to_string(cap.radius / kDeg));
        const auto found = starsNear(index, cap.phi0, cap.lambda0, cap.radius);
        expectSupersetInFileOrder(c, found, [&](const Star& s) {
            // Longitudes too large to place, and no number at all, are found by every cap.
            return !(std::fabs(s.Lambda) <= 1e6) || separation(s, cap.phi0, cap.lambda0) <= cap.radius;
        });
        if (cap.radius < 31 * kDeg) {
            EXPECT_LT(found.size(), index.cells.places.size() / 4);
        }
    }
}

TEST(StarIndex, OnlyStarsBrighterThanTheFaintestAreIndexed)
{
    const StarCatalogue c = testCatalogue(1000);
    for (const double faintest : {kFaintest, -100.0, kNaN, 100.0}) {
        SCOPED_TRACE(faintest);
        std::size_t expected = 0;
        for (const Star& s : c.stars)
            expected += faintest - s.Vmag > 0 ? 1 : 0;
        EXPECT_EQ(longitudeIndex(c, faintest).cells.places.size(), expected);
        EXPECT_EQ(skyIndex(c, faintest).cells.places.size(), expected);
    }
}
