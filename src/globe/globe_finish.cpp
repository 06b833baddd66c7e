#include "globe/globe_finish.h"

namespace globe {

namespace {

bool same(const sky::Vector3& a, const sky::Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

} // namespace

void finishGlobe(GlobeModel& model, const stars::StarCatalogue& catalogue, const GlobeFinish& finish)
{
    model.darkGround = finish.dark;
    model.colourIndices.clear();
    if (!finish.colourStars || catalogue.colourIndices.empty())
        return;
    model.colourIndices.reserve(model.stars.size());
    std::size_t next = 0;
    for (const GlobeStar& star : model.stars) {
        // The builders compute each direction from the catalogue star exactly so.
        while (next < catalogue.stars.size()
               && !(catalogue.stars[next].Vmag == star.magnitude
                    && same(sky::toVector({catalogue.stars[next].Lambda, catalogue.stars[next].Phi}), star.direction)))
            ++next;
        if (next == catalogue.stars.size()) {
            model.colourIndices.clear(); // not this catalogue's stars: plain dots
            return;
        }
        model.colourIndices.push_back(catalogue.colourIndexOf(next++));
    }
}

} // namespace globe
