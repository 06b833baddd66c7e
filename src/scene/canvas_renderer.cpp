#include "scene/canvas_renderer.h"

#include <algorithm>
#include <optional>

namespace scene {

namespace {

float single(double v) { return static_cast<float>(v); }

struct CanvasPainter
{
    canvas::DrawingCanvas& c;

    void operator()(const Dot& d) const
    {
        const bool plain = d.fill == canvas::kBlack && d.outline == canvas::kBlack;
        if (!plain) {
            c.setFillColor(d.fill);
            c.setForeColor(d.outline);
        }
        c.Circle(single(d.centre.x), single(d.centre.y), single(d.radius));
        if (!plain) {
            c.setFillColor(canvas::kBlack);
            c.setForeColor(canvas::kBlack);
        }
    }

    void operator()(const Path& p) const
    {
        if (p.dotRadius > 0.0) {
            std::size_t longest = 0;
            for (const auto& run : p.runs)
                longest = std::max(longest, run.size());
            for (std::size_t i = 0; i < longest; ++i)
                for (const auto& run : p.runs)
                    if (i < run.size())
                        c.Circle(single(run[i].x), single(run[i].y), single(p.dotRadius));
            return;
        }
        const std::optional<canvas::Rgb> colour =
            p.stroke.color == canvas::kBlack ? std::nullopt : std::optional<canvas::Rgb>(p.stroke.color);
        for (const auto& run : p.runs) {
            for (std::size_t i = 1; i < run.size(); ++i)
                c.Line(single(run[i - 1].x), single(run[i - 1].y), single(run[i].x), single(run[i].y), colour);
            if (p.closed && run.size() > 2)
                c.Line(single(run.back().x), single(run.back().y), single(run.front().x), single(run.front().y),
                       colour);
        }
    }

    void operator()(const Text&) const {}
};

} // namespace

void drawLayer(const Layer& layer, canvas::DrawingCanvas& canvas)
{
    const CanvasPainter painter{canvas};
    for (const Item& item : layer.items)
        std::visit(painter, item);
}

void drawScene(const Scene& scene, canvas::DrawingCanvas& canvas)
{
    for (const Layer& layer : scene.layers)
        drawLayer(layer, canvas);
}

} // namespace scene
