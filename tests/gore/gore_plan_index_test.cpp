// A gore planned from the longitude index takes exactly the stars, and meets exactly the
// refusals, of the plan that visits every star of the catalogue.

#include "gore/gore_draw.h"
#include "stars/star_size_rule.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace gore;

namespace {

/// Stars all over the sphere and beyond 0…360°, then stars just inside and just outside the
/// 3° grace of every gore window of 3, 8 and 360 gores.
stars::StarCatalogue windowEdgeCatalogue()
{
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> lambda(-10.0, 370.0), phi(-90.0, 90.0), vmag(-1.5, 10.0);
    stars::StarCatalogue c;
    for (int i = 0; i < 20000; ++i)
        c.stars.push_back({lambda(random), phi(random), vmag(random)});
    for (const int n : {3, 8, 360})
        for (int k = 0; k <= n; ++k) {
            const double edge = 360.0 / n * k;
            for (const double grace : {-3.0, 3.0})
                for (const double beside : {-1e-9, 0.0, 1e-9})
                    c.stars.push_back({edge + grace + beside, 20.0, 1.0});
        }
    for (const double phi : {-90.0, -89.99, 89.99, 90.0})
        c.stars.push_back({10.0, phi, 0.0});
    return c;
}

GoreParameters params(std::int16_t n, std::int16_t k, int hemisphere, bool epsilon, bool plates)
{
    GoreParameters p;
    p.n = n;
    p.k = k;
    p.hemisphere = hemisphere;
    p.epsilonCorrection = epsilon;
    p.northPlate = plates;
    p.southPlate = plates ? 1 : 0;
    return p;
}

std::string refusal(const GoreParameters& p, const stars::StarCatalogue& c, const stars::LongitudeIndex* index)
{
    try {
        index ? planGoreDraw(p, c, *index, "stars.csv") : planGoreDraw(p, c, "stars.csv");
    } catch (const text::InputError& e) {
        return e.what();
    }
    return "(drawn)";
}

} // namespace

TEST(GorePlanIndex, TakesTheStarsOfTheWholeCatalogue)
{
    const stars::StarCatalogue c = windowEdgeCatalogue();
    struct Row { std::int16_t n, k; int hemisphere; bool epsilon, plates; double faintest; };
    const Row rows[] = {
        {8, 1, 1, true, true, 8.5},  {8, 8, 0, true, true, 8.5},   {8, 4, 1, false, false, 8.5},
        {3, 1, 1, true, true, 10.0}, {3, 3, 0, false, true, 10.0}, {360, 1, 1, true, false, 8.5},
        {360, 180, 0, true, true, 8.5}, {360, 360, 1, false, true, 8.5}, {8, 2, 2, true, true, 8.5},
        {8, 5, 1, true, true, -100.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("n " + std::to_string(r.n) + " k " + std::to_string(r.k) + " half " + std::to_string(r.hemisphere)
                     + " faintest " + std::to_string(r.faintest));
        GoreParameters p = params(r.n, r.k, r.hemisphere, r.epsilon, r.plates);
        p.faintestMagnitude = r.faintest;
        const GoreDrawPlan all = planGoreDraw(p, c, "stars.csv");
        const GoreDrawPlan indexed = planGoreDraw(p, c, stars::longitudeIndex(c, r.faintest), "stars.csv");
        ASSERT_EQ(indexed.stars.size(), all.stars.size());
        for (std::size_t i = 0; i < all.stars.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(indexed.stars[i].index, all.stars[i].index);
            EXPECT_EQ(indexed.stars[i].target, all.stars[i].target);
            EXPECT_EQ(indexed.stars[i].offset.x, all.stars[i].offset.x);
            EXPECT_EQ(indexed.stars[i].offset.y, all.stars[i].offset.y);
            EXPECT_EQ(indexed.stars[i].radius, all.stars[i].radius);
            // Each star's own magnitude's radius, though thousands of magnitudes share the plan's memo.
            EXPECT_EQ(all.stars[i].radius, stars::StarSizeRule(p.faintestMagnitude, p.commonRatio, p.magnification,
                                                               c.stars[all.stars[i].index].Vmag));
        }
        if (r.faintest > 0 && r.hemisphere <= 1) {
            EXPECT_GT(all.stars.size(), 20u);
        }
    }
}

TEST(GorePlanIndex, RefusesTheSameStarFirst)
{
    // Star 1 lies outside gore 1's window, star 2 is too faint, star 3 is the first the gore
    // takes: each refusal must name star 3, as visiting every star does.
    stars::StarCatalogue c;
    c.stars = {{200.0, 10.0, 1.0}, {20.0, 10.0, 9.0}, {20.0, 10.0, 1.5}, {30.0, 10.0, 1.0}};
    struct Row { const char* what; double ratio, magnification; const char* expected; };
    const Row rows[] = {
        {"negative ratio, fractional exponent", -2.5, 10.0, "star 3"},
        {"dot beyond any canvas", 2.5, 1e300, "star 3"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        GoreParameters p = params(8, 1, 1, true, false);
        p.commonRatio = r.ratio;
        p.magnification = r.magnification;
        const stars::LongitudeIndex index = stars::longitudeIndex(c, p.faintestMagnitude);
        const std::string expected = refusal(p, c, nullptr);
        EXPECT_NE(expected.find(r.expected), std::string::npos) << expected;
        EXPECT_EQ(refusal(p, c, &index), expected);
    }
}
