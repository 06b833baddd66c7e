#pragma once

#include "canvas/drawing_canvas.h"
#include "scene/point.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace scene {

/// What an item stands for on the globe or the sheet.
enum class Role {
    Star,              ///< a catalogue star; `index` is its 0-based place in the star file
    GoreEdge,          ///< the two curved edges of a gore, pole to pole
    Equator,           ///< the equator line across a gore
    EqualLatitudeLine, ///< the line of equal latitude on a gore
    PlateOutline,      ///< the cutting line of a polar cap plate
    FaceCorner,        ///< a corner mark of a polyhedron face; `index` is the corner from 0
    FaceEdge,          ///< an edge of a polyhedron face; `index` is the edge in drawing order from 0
    Label,             ///< a caption printed on the template
    CutOutline,        ///< a piece's whole outline to cut along, glue tabs included: one closed run
    TabFold,           ///< the fold line of a glue tab; `index` is the tab of its piece from 0
    PieceLabel,        ///< the name of a piece printed inside it ("3/8 N 5h15m", "N", a face number)
    EdgeLabel,         ///< the seam an edge is glued along, printed inside it ("5·12")
    GridLine,          ///< a meridian or parallel of the coordinate grid; `index` is its λ or φ in whole degrees
    GridLabel,         ///< an hour (`index` 0…23) or declination label (`index` the degrees) of the grid
    Ecliptic,          ///< the ecliptic (`index` -1) or its tick at `index` degrees of ecliptic longitude
    EclipticLabel,     ///< the ecliptic longitude of a tick; `index` is its degrees
    Boundary,          ///< an IAU constellation boundary edge; `index` is the edge from 0
    ConstellationLine, ///< a constellation stick figure line; `index` is its polyline in the figure file from 0
    ConstellationName, ///< a constellation name; `index` is its record in the name file from 0
    StarName,          ///< a star's proper name; `index` is its Hipparcos number
    GalacticEquator,   ///< the galactic equator
    GalacticLabel,     ///< the galactic longitude of a point of the galactic equator; `index` is its degrees
    PieceFill,         ///< the ground a piece is printed on, out to its cut outline and the bleed beyond it
};

/// How a line is stroked. A width of 0 is a hairline: one device pixel in the window,
/// the finest line the printer makes on paper.
struct Stroke
{
    canvas::Rgb color = canvas::kBlack;
    double width = 0.0;        ///< centimetres; 0 for a hairline
    std::vector<double> dash;  ///< on/off lengths in centimetres; empty for a solid line
};

/// A colour as a dot keeps it, a byte a channel (0 to 255, as every colour drawn), read and
/// given as a canvas::Rgb: a scene holds millions of dots.
struct DotColour
{
    std::uint8_t r = 0, g = 0, b = 0;

    constexpr DotColour() = default;
    constexpr DotColour(canvas::Rgb c)
        : r(static_cast<std::uint8_t>(c.r)), g(static_cast<std::uint8_t>(c.g)), b(static_cast<std::uint8_t>(c.b))
    {
    }
    constexpr operator canvas::Rgb() const { return {r, g, b}; }
    friend bool operator==(const DotColour&, const DotColour&) = default;
    friend bool operator==(const DotColour& a, const canvas::Rgb& b) { return canvas::Rgb(a) == b; }
};

/// A filled circle: a star or a corner mark.
struct Dot
{
    Role role = Role::Star;
    std::int32_t index = -1; ///< see Role; -1 when it has none (a catalogue counts its stars in 31 bits)
    Point centre;
    double radius = 0.0;     ///< centimetres, as computed; renderers may enforce a printable minimum
    DotColour outline = canvas::kBlack, fill = canvas::kBlack;
    std::int32_t clip = -1;  ///< index into Scene::clips: the dot shows only inside that outline; -1 whole
};

/// Smallest dot radius on paper, centimetres: half a 96-dpi pixel, the size the window gives any
/// dot below one pixel, so faint stars and corner marks stay visible in print.
inline constexpr double kMinPrintRadius = 2.54 / 96.0 / 2.0;

/// One line drawn as one or more runs of points (an outline's two edges are two runs).
/// `dotRadius` above 0 says the window draws it as a chain of dots of that radius, one
/// dot a point, the runs in step (point i of every run before point i + 1).
struct Path
{
    Role role = Role::GoreEdge;
    std::int64_t index = -1;
    std::vector<std::vector<Point>> runs;
    bool closed = false;     ///< each run returns to its first point
    Stroke stroke;
    double dotRadius = 0.0;  ///< centimetres; 0: drawn as lines in the window too
    std::optional<canvas::Rgb> fill; ///< the area inside the closed runs (nonzero rule); none: not filled
};

/// Where a text's reference point sits on it.
enum class Anchor { Start, Middle, End };

/// A text on the template. Text is never mirrored, whatever the view.
struct Text
{
    Role role = Role::Label;
    Point at;                ///< reference point: baseline at `anchor`
    double sizePt = 8.0;     ///< font size in points
    double rotationDeg = 0;  ///< clockwise on paper
    Anchor anchor = Anchor::Start;
    std::string family;      ///< font family; empty for the renderer's default
    std::string text;        ///< UTF-8
    canvas::Rgb color = canvas::kBlack;
    std::int64_t index = -1; ///< see Role; -1 when it has none
};

/// A path or a text as an item holds it: out of line, so that an item, most often a star's dot,
/// is only as large as a dot. It reads as the value it holds (it converts to it, `*` and `->`),
/// is made from one, and copies deep. Once moved from it holds nothing and may only be assigned
/// to or destroyed.
template <class T>
class Boxed
{
public:
    Boxed() : m_value(std::make_unique<T>()) {}
    Boxed(T value) : m_value(std::make_unique<T>(std::move(value))) {} // made from a T where a T would do
    Boxed(const Boxed& o) : m_value(o.m_value ? std::make_unique<T>(*o.m_value) : nullptr) {}
    Boxed(Boxed&&) noexcept = default;
    Boxed& operator=(const Boxed& o) { return *this = Boxed(o); }
    Boxed& operator=(Boxed&&) noexcept = default;
    ~Boxed() = default;

    operator T&() { return *m_value; }
    operator const T&() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return m_value.get(); }
    const T* operator->() const { return m_value.get(); }

private:
    std::unique_ptr<T> m_value;
};

using Item = std::variant<Dot, Boxed<Path>, Boxed<Text>>;
static_assert(sizeof(Item) <= sizeof(Dot) + alignof(Dot), "a scene of stars is as large as its dots");

/// The `T` (Dot, Path or Text) `item` holds, or nullptr when it holds another: std::get_if for items.
template <class T>
const T* itemIf(const Item* item)
{
    if constexpr (std::is_same_v<T, Dot>) {
        return std::get_if<Dot>(item);
    } else {
        const Boxed<T>* boxed = std::get_if<Boxed<T>>(item);
        return boxed ? &**boxed : nullptr;
    }
}
template <class T>
T* itemIf(Item* item)
{
    return const_cast<T*>(itemIf<T>(static_cast<const Item*>(item)));
}
/// The `T` `item` holds; throws std::bad_variant_access when it holds another.
template <class T>
const T& itemAs(const Item& item)
{
    if (const T* value = itemIf<T>(&item))
        return *value;
    throw std::bad_variant_access();
}
template <class T>
T& itemAs(Item& item)
{
    return const_cast<T&>(itemAs<T>(static_cast<const Item&>(item)));
}

/// What a layer is for on paper: printed, cut by hand or machine, folded, or sheet marks.
/// A cutter file holds only Cut and Score layers.
enum class LayerKind { Print, Cut, Score, Marks };

/// A named group of items drawn together, in order.
struct Layer
{
    std::string name;
    std::vector<Item> items;
    LayerKind kind = LayerKind::Print;
};

/// Names of the layers the templates have; a renderer draws layers in the scene's order.
namespace layers {
inline constexpr std::string_view kStars = "stars";
inline constexpr std::string_view kCut = "cut";       ///< outlines to cut along
inline constexpr std::string_view kGuides = "guides"; ///< equator, equal-latitude line
inline constexpr std::string_view kOutline = "outline"; ///< a face's corner marks and edges
inline constexpr std::string_view kScore = "score";   ///< fold lines of glue tabs
inline constexpr std::string_view kLabels = "labels"; ///< piece and edge labels
inline constexpr std::string_view kGrid = "grid";                 ///< hour meridians, parallels, their labels
inline constexpr std::string_view kEcliptic = "ecliptic";         ///< the ecliptic, its ticks and labels
inline constexpr std::string_view kBoundaries = "boundaries";     ///< IAU constellation boundaries
inline constexpr std::string_view kConstellationLines = "constellation-lines";
inline constexpr std::string_view kConstellationNames = "constellation-names";
inline constexpr std::string_view kStarNames = "star-names";
inline constexpr std::string_view kGalactic = "galactic";         ///< the galactic equator and its labels
inline constexpr std::string_view kGround = "ground";             ///< the pieces' printed ground (dark style)
} // namespace layers

/// One template: its size in centimetres and its layers in drawing order.
struct Scene
{
    double width = 0.0, height = 0.0;
    std::vector<Layer> layers;
    std::vector<std::vector<Point>> clips; ///< closed outlines that clipped dots keep within (Dot::clip)

    /// The layer named `name`, added at the end (of `kind`) when there is none yet.
    Layer& layer(std::string_view name, LayerKind kind = LayerKind::Print);
    /// The layer named `name`, or nullptr.
    const Layer* find(std::string_view name) const;
    /// Number of dots of `role` over all layers.
    std::size_t count(Role role) const;
};

/// Stable name of a layer kind: "print", "cut", "score", "marks".
std::string_view kindName(LayerKind kind);

/// Stable name of a role, used as class names in SVG and in messages.
std::string_view roleName(Role role);

} // namespace scene
