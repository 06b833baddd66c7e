#include "scene/scene.h"

#include <algorithm>

namespace scene {

Layer& Scene::layer(std::string_view name, LayerKind kind)
{
    for (Layer& l : layers)
        if (l.name == name)
            return l;
    layers.push_back(Layer{std::string(name), {}, kind});
    return layers.back();
}

const Layer* Scene::find(std::string_view name) const
{
    for (const Layer& l : layers)
        if (l.name == name)
            return &l;
    return nullptr;
}

std::size_t Scene::count(Role role) const
{
    std::size_t n = 0;
    for (const Layer& l : layers)
        n += static_cast<std::size_t>(std::count_if(l.items.begin(), l.items.end(), [role](const Item& item) {
            const Dot* d = std::get_if<Dot>(&item);
            return d && d->role == role;
        }));
    return n;
}

std::string_view kindName(LayerKind kind)
{
    switch (kind) {
    case LayerKind::Print: return "print";
    case LayerKind::Cut: return "cut";
    case LayerKind::Score: return "score";
    case LayerKind::Marks: return "marks";
    }
    return "print";
}

std::string_view roleName(Role role)
{
    switch (role) {
    case Role::Star: return "star";
    case Role::GoreEdge: return "gore-edge";
    case Role::Equator: return "equator";
    case Role::EqualLatitudeLine: return "equal-latitude";
    case Role::PlateOutline: return "plate-outline";
    case Role::FaceCorner: return "face-corner";
    case Role::FaceEdge: return "face-edge";
    case Role::Label: return "label";
    case Role::CutOutline: return "cut-outline";
    case Role::TabFold: return "tab-fold";
    case Role::PieceLabel: return "piece-label";
    case Role::EdgeLabel: return "edge-label";
    case Role::GridLine: return "grid-line";
    case Role::GridLabel: return "grid-label";
    case Role::Ecliptic: return "ecliptic";
    case Role::EclipticLabel: return "ecliptic-label";
    case Role::Boundary: return "boundary";
    case Role::ConstellationLine: return "constellation-line";
    case Role::ConstellationName: return "constellation-name";
    case Role::StarName: return "star-name";
    case Role::GalacticEquator: return "galactic-equator";
    case Role::GalacticLabel: return "galactic-label";
    case Role::PieceFill: return "piece-fill";
    }
    return "item";
}

} // namespace scene
