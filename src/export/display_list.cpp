#include "export/display_list.h"

#include <cmath>

namespace exporter {

using canvas::CanvasCall;
using Kind = CanvasCall::Kind;

namespace {

bool insideWithMargin(const Point& p, double w, double h, double margin)
{
    return p.x >= -margin && p.y >= -margin && p.x <= w + margin && p.y <= h + margin;
}

bool touchesCanvas(const Dot& d, double w, double h)
{
    return d.centre.x + d.radius >= 0 && d.centre.y + d.radius >= 0 && d.centre.x - d.radius <= w
           && d.centre.y - d.radius <= h;
}

/// Splits one interleaved strand of chain dots into polylines on the canvas.
void addStrand(const std::vector<Point>& strand, canvas::Rgb color, double w, double h, std::vector<Item>& out)
{
    Polyline current{{}, color};
    auto flush = [&] {
        if (current.points.size() >= 2)
            out.push_back(current);
        current.points.clear();
    };
    for (const Point& p : strand) {
        if (!insideWithMargin(p, w, h, kChainBreak)) {
            flush();
            continue;
        }
        if (!current.points.empty()) {
            const Point& q = current.points.back();
            if (std::hypot(p.x - q.x, p.y - q.y) > kChainBreak)
                flush();
        }
        current.points.push_back(p);
    }
    flush();
}

double pathLength(const std::vector<Point>& dots, std::size_t stride)
{
    double sum = 0.0;
    for (std::size_t i = stride; i < dots.size(); ++i)
        sum += std::hypot(dots[i].x - dots[i - stride].x, dots[i].y - dots[i - stride].y);
    return sum;
}

/// A run of chain dots is either one strand (a circle) or two strands drawn a dot of
/// each per step (the gore's two edges, the two halves of the equal-latitude line):
/// whichever reading gives the shorter path is the one meant.
void addChain(const std::vector<Point>& dots, canvas::Rgb color, double w, double h, std::vector<Item>& out)
{
    if (pathLength(dots, 2) >= pathLength(dots, 1)) {
        std::vector<Point> strand = dots;
        const Point& a = strand.front();
        const Point& b = strand.back();
        if (std::hypot(a.x - b.x, a.y - b.y) < kChainClose)
            strand.push_back(a);
        addStrand(strand, color, w, h, out);
        return;
    }
    std::vector<Point> even, odd;
    for (std::size_t j = 0; j < dots.size(); ++j)
        (j % 2 == 0 ? even : odd).push_back(dots[j]);
    addStrand(even, color, w, h, out);
    addStrand(odd, color, w, h, out);
}

bool isChainDot(const CanvasCall& c, float radius)
{
    return c.kind == Kind::Circle && c.c == radius;
}

} // namespace

DisplayList makeDisplayList(const canvas::RecordingCanvas& canvas, canvas::Rgb fore, canvas::Rgb fill)
{
    DisplayList list;
    list.width = canvas.width();
    list.height = canvas.height();
    const double w = list.width, h = list.height;

    const auto& calls = canvas.calls();
    std::size_t start = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Kind::Cls)
            start = i + 1;
    // Colour calls before the last Cls still hold after it.
    for (std::size_t i = 0; i < start; ++i) {
        if (calls[i].kind == Kind::ForeColor)
            fore = *calls[i].color;
        else if (calls[i].kind == Kind::FillColor)
            fill = *calls[i].color;
    }

    for (std::size_t i = start; i < calls.size(); ++i) {
        const CanvasCall& c = calls[i];
        switch (c.kind) {
        case Kind::ForeColor:
            fore = *c.color;
            break;
        case Kind::FillColor:
            fill = *c.color;
            break;
        case Kind::Line:
            list.items.push_back(Segment{{c.a, c.b}, {c.c, c.d}, c.color.value_or(fore)});
            break;
        case Kind::Circle: {
            std::size_t end = i;
            if (c.c <= kChainDotRadius) {
                while (end + 1 < calls.size() && isChainDot(calls[end + 1], c.c))
                    ++end;
            }
            if (end + 1 - i >= kMinChainDots) {
                std::vector<Point> dots;
                for (std::size_t j = i; j <= end; ++j)
                    dots.push_back({calls[j].a, calls[j].b});
                addChain(dots, fore, w, h, list.items);
                i = end;
                break;
            }
            const Dot d{{c.a, c.b}, c.c, fore, fill};
            if (touchesCanvas(d, w, h))
                list.items.push_back(d);
            break;
        }
        case Kind::SetWidth:
        case Kind::SetHeight:
        case Kind::Cls:
        case Kind::Save:
            break;
        }
    }
    return list;
}

void replay(const canvas::RecordingCanvas& from, canvas::DrawingCanvas& to)
{
    for (const CanvasCall& c : from.calls()) {
        switch (c.kind) {
        case Kind::SetWidth:
            to.setWidth(c.a);
            break;
        case Kind::SetHeight:
            to.setHeight(c.a);
            break;
        case Kind::Cls:
            to.Cls();
            break;
        case Kind::ForeColor:
            to.setForeColor(*c.color);
            break;
        case Kind::FillColor:
            to.setFillColor(*c.color);
            break;
        case Kind::Line:
            to.Line(c.a, c.b, c.c, c.d, c.color);
            break;
        case Kind::Circle:
            to.Circle(c.a, c.b, c.c);
            break;
        case Kind::Save:
            break;
        }
    }
}

} // namespace exporter
