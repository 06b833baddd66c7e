#include "export/template_look.h"

#include "render/template_drawing.h"
#include "stars/star_colour.h"

#include <cmath>

namespace exporter {

namespace {

int towards(int from, int to, double share) { return static_cast<int>(std::lround(from + (to - from) * share)); }

canvas::Rgb rgb(const stars::Srgb& c) { return {c.r, c.g, c.b}; }

struct Lighten
{
    void operator()(scene::Dot& d) const
    {
        d.outline = lightened(d.outline);
        d.fill = lightened(d.fill);
    }
    void operator()(scene::Path& p) const
    {
        p.stroke.color = lightened(p.stroke.color);
        if (p.fill)
            p.fill = lightened(*p.fill);
    }
    void operator()(scene::Text& t) const { t.color = lightened(t.color); }
};

/// The dark ground of every cut outline of `s`, reaching `bleedCm` beyond it.
scene::Layer groundOf(const scene::Scene& s, double bleedCm)
{
    scene::Layer ground{std::string(scene::layers::kGround), {}, scene::LayerKind::Print};
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            const auto* cut = scene::itemIf<scene::Path>(&item);
            if (!cut || cut->role != scene::Role::CutOutline)
                continue;
            scene::Path fill;
            fill.role = scene::Role::PieceFill;
            fill.index = cut->index;
            fill.runs = cut->runs;
            fill.closed = true;
            // A stroke twice the bleed wide, centred on the outline, reaches the bleed beyond it.
            fill.stroke = {kDarkGround, 2.0 * bleedCm, {}};
            fill.fill = kDarkGround;
            ground.items.emplace_back(std::move(fill));
        }
    return ground;
}

} // namespace

TemplateLook templateLook(const ExportOptions& o, double bleedCm)
{
    if (o.style == Style::Dark && o.format == Format::Bmp)
        refuseOption("--style", "dark",
                     "a bitmap is the window's drawing, with no cut outline to print the dark ground to; "
                     "use --format svg or pdf.");
    return {o.colourStars, o.style, bleedCm};
}

canvas::Rgb lightened(canvas::Rgb c)
{
    return {towards(c.r, 255, kLightening), towards(c.g, 255, kLightening), towards(c.b, 255, kLightening)};
}

canvas::Rgb starDotColour(std::optional<double> bv, const TemplateLook& look)
{
    const bool dark = look.style == Style::Dark;
    if (!look.colourStars || !bv)
        return dark ? canvas::kWhite : canvas::kBlack;
    const canvas::Rgb c = rgb(stars::starColour(*bv));
    if (dark)
        return c;
    return {towards(c.r, 0, 1.0 - kTintOnWhite), towards(c.g, 0, 1.0 - kTintOnWhite), towards(c.b, 0, 1.0 - kTintOnWhite)};
}

void applyLook(scene::Scene& s, const stars::StarCatalogue& catalogue, const TemplateLook& look)
{
    if (!changes(look))
        return;
    const bool dark = look.style == Style::Dark;
    for (scene::Layer& layer : s.layers) {
        if (layer.kind != scene::LayerKind::Print)
            continue;
        for (scene::Item& item : layer.items) {
            auto* d = std::get_if<scene::Dot>(&item);
            if (d && d->role == scene::Role::Star) {
                const auto bv = d->index >= 0 ? catalogue.colourIndexOf(static_cast<std::size_t>(d->index))
                                              : std::nullopt;
                d->fill = d->outline = starDotColour(bv, look);
            } else if (dark) {
                std::visit(Lighten{}, item);
            }
        }
    }
    if (dark)
        s.layers.insert(s.layers.begin(), groundOf(s, look.bleedCm));
}

} // namespace exporter
