#include "globe/globe_finish.h"

#include <gtest/gtest.h>

using namespace globe;

namespace {

stars::StarCatalogue threeStars()
{
    stars::StarCatalogue c;
    c.stars = {{10, 20, 3}, {30, -40, 9}, {200, 60, 1}};
    c.colourIndices = {0.5, 1.2, std::nullopt};
    return c;
}

GlobeStar starOf(const stars::Star& s) { return {sky::toVector({s.Lambda, s.Phi}), 0.01, s.Vmag}; }

} // namespace

TEST(GlobeFinish, StarsTakeTheColourIndicesOfTheirCatalogueStars)
{
    const stars::StarCatalogue c = threeStars();
    stars::StarCatalogue other = c;
    other.stars[2].Phi = 61; // not a star of the model
    stars::StarCatalogue plain = c;
    plain.colourIndices.clear();
    struct Row { const char* name; const stars::StarCatalogue& catalogue; bool colour; std::vector<std::optional<double>> expected; };
    const Row rows[] = {
        {"the second left out as too faint", c, true, {0.5, std::nullopt}},
        {"not tinted", c, false, {}},
        {"a plain file", plain, true, {}},
        {"another catalogue", other, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GlobeModel m;
        m.stars = {starOf(c.stars[0]), starOf(c.stars[2])};
        finishGlobe(m, row.catalogue, {row.colour, true});
        EXPECT_EQ(m.colourIndices, row.expected);
        EXPECT_TRUE(m.darkGround);
    }
}
