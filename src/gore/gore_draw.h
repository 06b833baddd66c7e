#pragma once

#include "gore/gore_command.h"
#include "gore/gore_layout.h"
#include "gore/gore_parameters.h"
#include "gore/gore_tiling.h"
#include "gore/polar_plate.h"
#include "sky/sky_data.h"
#include "stars/star_catalogue.h"
#include "stars/star_index.h"
#include "stars/star_size_rule.h"
#include "text/message.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gore {

/// Which canvas a star goes to.
enum class StarTarget : std::uint8_t { Gore, Plate, SouthPlate };

/// Where one star is drawn: on the gore, dx = φ′·R from the stars' equator and dy = a·R from
/// the centre line; on a plate, the offset from its pole. Radius in centimetres.
struct StarPlacement
{
    StarTarget target = StarTarget::Gore;
    bool clipped = false;  ///< the dot crosses the piece's cut: printed only within it
    std::uint32_t index = 0; ///< the star's place in the catalogue, from 0 (a catalogue counts its stars in 31 bits)
    scene::Point offset;
    double radius = 0.0;
};
static_assert(sizeof(StarPlacement) <= 32, "a placement per drawn star: kept small");

/// Everything one Draw puts on its canvases, computed and checked before any window is touched.
struct GoreDrawPlan
{
    GoreParameters params;
    GoreLayout layout;              ///< before sizing: W, H, E and x0 come from the canvas
    PlateLayout plate;
    std::vector<StarPlacement> stars; ///< in file order
    std::vector<scene::Point> equalLatitude; ///< empty when the line is not asked for
    sky::SkyRequest sky;               ///< sky layers under the stars; none unless the caller asks
    std::optional<GoreTiling> tiling;  ///< set for a piece of a kit: its outline is the image of its sky
};

/// Placement of `star` on gore k or on the plate: no value when it lies outside the longitude
/// window, is not brighter than the faintest magnitude, or (not being a plate star) the
/// hemisphere is neither 0 nor 1. Throws text::InputError from the star size rule.
std::optional<StarPlacement> placeStar(const GoreParameters& p, const GoreLayout& layout, const PlateLayout& plate,
                                       const stars::Star& star);

/// The dot radii of the magnitudes met so far, one a slot by the magnitude's bits: a catalogue
/// gives many stars each magnitude, and the size rule's power is the dearest step of placing one.
class RadiusMemo
{
public:
    explicit RadiusMemo(const GoreParameters& p) : m_p(p) {}
    /// stars::StarSizeRule of `Vmag` with the memo's parameters.
    std::optional<double> operator()(double Vmag)
    {
        const auto bits = std::bit_cast<std::uint64_t>(Vmag);
        Slot& slot = m_slots[(bits * 0x9e3779b97f4a7c15u) >> (64 - kSlotBits)];
        if (!slot.used || slot.bits != bits)
            slot = {bits, stars::StarSizeRule(m_p.faintestMagnitude, m_p.commonRatio, m_p.magnification, Vmag), true};
        return slot.radius;
    }

private:
    static constexpr int kSlotBits = 12;
    struct Slot
    {
        std::uint64_t bits = 0;
        std::optional<double> radius;
        bool used = false;
    };
    const GoreParameters& m_p;
    std::vector<Slot> m_slots = std::vector<Slot>(std::size_t(1) << kSlotBits);
};

/// "stars.csv: star 12 (λ …, φ …, Vmag …)": the star of place `number` (from 1) of `file` in a message.
text::Message describeStar(const std::string& file, std::size_t number, const stars::Star& s);

/// Refuses `placed`, star `i` (from 0) of `starFileName`, when its dot is too large for a canvas
/// (naming the magnification) or its place is no finite number a canvas can take.
void checkPlacement(const GoreParameters& p, const std::string& starFileName, std::size_t i, const stars::Star& star,
                    const StarPlacement& placed);

/// The plan of one Draw. Throws text::InputError naming `starFileName` and the star when a star's
/// size cannot be computed or its place is no finite number a canvas can take, and naming the
/// box when the equal-latitude line cannot be placed.
GoreDrawPlan planGoreDraw(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                          const std::string& starFileName);

/// As above, visiting only the stars `index` finds near gore k's longitude window: the same plan,
/// the same refusals. `index` holds `catalogue`'s stars brighter than p.faintestMagnitude.
GoreDrawPlan planGoreDraw(const GoreParameters& p, const stars::StarCatalogue& catalogue,
                          const stars::LongitudeIndex& index, const std::string& starFileName);

/// The plan of one piece of the kit tiled by `tiling`, gore k of `p` (or a plate), with the
/// `stars` the kit shares out to it (distributeKitStars); refuses an equal-latitude line as above.
GoreDrawPlan planKitPiece(const GoreParameters& p, const GoreTiling& tiling, std::vector<StarPlacement> stars);

/// Draws `plan` through `windows` in the Draw's order: size the gore canvas, labels, read the
/// size back, show and clear, size again, prepare the plate, stars, outline, equator, line.
void drawGore(const GoreDrawPlan& plan, GoreWindows& windows, char decimalSeparator = '.');

} // namespace gore
