#include "export/renderers.h"

#include <charconv>
#include <cstdio>

namespace exporter {

namespace {

/// Shortest text that reads back as the same single-precision value: the canvas's own numbers.
std::string num(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
    return std::string(buf, r.ptr);
}

std::string colour(canvas::Rgb c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r & 0xff, c.g & 0xff, c.b & 0xff);
    return buf;
}

struct SvgWriter
{
    std::string& out;

    void operator()(const Dot& d) const
    {
        const double r = std::max(d.radius, kMinPrintRadius);
        out += "<circle cx=\"" + num(d.centre.x) + "\" cy=\"" + num(d.centre.y) + "\" r=\"" + num(r)
               + "\" fill=\"" + colour(d.fill) + "\"";
        if (d.fore != d.fill)
            out += " stroke=\"" + colour(d.fore) + "\" stroke-width=\"" + num(kPrintLineWidth) + "\"";
        out += "/>\n";
    }
    void operator()(const Segment& s) const { (*this)(Polyline{{s.from, s.to}, s.color}); }
    void operator()(const Polyline& l) const
    {
        out += "<polyline fill=\"none\" stroke=\"" + colour(l.color) + "\" stroke-width=\"" + num(kPrintLineWidth)
               + "\" points=\"";
        for (std::size_t i = 0; i < l.points.size(); ++i) {
            if (i)
                out += ' ';
            out += num(l.points[i].x) + "," + num(l.points[i].y);
        }
        out += "\"/>\n";
    }
};

} // namespace

std::string svgDocument(const DisplayList& list)
{
    std::string out;
    out.reserve(64 * list.items.size() + 256);
    const std::string w = num(list.width), h = num(list.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "cm\" height=\"" + h + "cm\" viewBox=\"0 0 "
           + w + " " + h + "\">\n";
    out += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    const SvgWriter writer{out};
    for (const Item& item : list.items)
        std::visit(writer, item);
    out += "</svg>\n";
    return out;
}

} // namespace exporter
