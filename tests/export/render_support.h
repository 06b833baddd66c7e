#pragma once

#include "scene/scene.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace render_test {

/// `count` stars of `radius` cm, `columns` a row, `step` cm apart, the first 1 cm in from the
/// top-left corner, in a scene with a 1 cm border around them.
inline scene::Scene starGrid(int count, double radius, int columns = 25, double step = 0.3)
{
    scene::Scene s;
    const int rows = (count + columns - 1) / columns;
    s.width = 2 + (columns - 1) * step;
    s.height = 2 + (rows - 1) * step;
    scene::Layer& stars = s.layer(scene::layers::kStars);
    for (int i = 0; i < count; ++i) {
        scene::Dot d;
        d.index = i;
        d.centre = {1 + (i % columns) * step, 1 + (i / columns) * step};
        d.radius = radius;
        stars.items.emplace_back(std::in_place_type<scene::Dot>, d);
    }
    return s;
}

/// The dots of `s`, in order.
inline std::vector<scene::Dot> dotsOf(const scene::Scene& s)
{
    std::vector<scene::Dot> out;
    for (const scene::Layer& l : s.layers)
        for (const scene::Item& item : l.items)
            if (const auto* d = std::get_if<scene::Dot>(&item))
                out.push_back(*d);
    return out;
}

/// A grey picture, 0 black to 255 white.
struct Grey
{
    int width = 0, height = 0;
    std::vector<unsigned char> px;
    int at(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height ? 255 : px[std::size_t(y) * width + x]; }
    /// Darkest value in the (2r + 1)² square around (x, y).
    int darkestNear(int x, int y, int r = 1) const
    {
        int v = 255;
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                v = std::min(v, at(x + dx, y + dy));
        return v;
    }
};

inline Grey greyOf(const QImage& image)
{
    Grey g{image.width(), image.height(), {}};
    g.px.reserve(std::size_t(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.px.push_back(static_cast<unsigned char>(qGray(image.pixel(x, y))));
    return g;
}

/// Page `page` (from 1) of `pdf` rasterised by pdftoppm (poppler-utils) at `dpi`, anti-aliased.
inline Grey renderPdfPage(const std::string& pdf, int page, int dpi)
{
    const std::string base = pdf + ".page" + std::to_string(page);
    const std::string cmd = "pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " + std::to_string(page)
                            + " -l " + std::to_string(page) + " '" + pdf + "' '" + base + "'";
    Grey g;
    if (std::system(cmd.c_str()) != 0) {
        ADD_FAILURE() << "pdftoppm (poppler-utils) could not render " << pdf;
        return g;
    }
    std::ifstream in(base + ".pgm", std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), {}};
    int maxValue = 0, consumed = 0;
    if (std::sscanf(data.c_str(), "P5 %d %d %d%n", &g.width, &g.height, &maxValue, &consumed) != 3 || maxValue != 255
        || data.size() < std::size_t(consumed) + 1 + std::size_t(g.width) * g.height) {
        ADD_FAILURE() << "unreadable page from pdftoppm";
        return Grey{};
    }
    const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + consumed + 1;
    g.px.assign(p, p + std::size_t(g.width) * g.height);
    return g;
}

} // namespace render_test
