#include "export/renderers.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace exporter {

namespace {

/// Centimetres in one typographic point.
constexpr double kCmPerPoint = 2.54 / 72.0;

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

/// `s` with the characters XML gives a meaning escaped, fit for text and attribute values;
/// control characters XML cannot hold are left out.
std::string escaped(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            continue;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string_view anchorName(scene::Anchor a)
{
    switch (a) {
    case scene::Anchor::Start: return "start";
    case scene::Anchor::Middle: return "middle";
    case scene::Anchor::End: return "end";
    }
    return "start";
}

/// The id of the scene's clip `index` in the document.
std::string clipId(std::int32_t index) { return "piece-clip-" + std::to_string(index); }

/// `points` as path data, closed.
std::string closedPathData(const std::vector<scene::Point>& points)
{
    std::string d;
    for (std::size_t i = 0; i < points.size(); ++i)
        d += (i ? " L" : "M") + num(points[i].x) + "," + num(points[i].y);
    return d + "Z";
}

struct SvgWriter
{
    std::string& out;

    void classOf(scene::Role role) const
    {
        out += " class=\"";
        out += scene::roleName(role);
        out += '"';
    }

    void operator()(const scene::Dot& d) const
    {
        out += "<circle cx=\"" + num(d.centre.x) + "\" cy=\"" + num(d.centre.y) + "\" r=\""
               + num(std::max(d.radius, kMinPrintRadius)) + "\" fill=\"" + colour(d.fill) + "\"";
        if (d.outline != d.fill)
            out += " stroke=\"" + colour(d.outline) + "\" stroke-width=\"" + num(kPrintLineWidth) + "\"";
        if (d.clip >= 0)
            out += " clip-path=\"url(#" + clipId(d.clip) + ")\"";
        classOf(d.role);
        if (d.role == scene::Role::Star && d.index >= 0)
            out += " data-star=\"" + std::to_string(d.index + 1) + "\"";
        out += "/>\n";
    }

    /// A dotted path is a line drawn as dots in the window; on paper it is the line. One open
    /// run is a polyline; anything else a path, a subpath a run, closed runs ending in Z.
    void operator()(const scene::Path& p) const
    {
        std::string points;
        std::size_t runs = 0;
        bool closes = false;
        for (const auto& run : p.runs) {
            if (run.size() < 2)
                continue;
            if (runs++)
                points += ' ';
            points += 'M';
            for (std::size_t i = 0; i < run.size(); ++i) {
                if (i)
                    points += ' ';
                points += num(run[i].x) + "," + num(run[i].y);
            }
            if (p.closed && run.size() > 2) {
                points += 'Z';
                closes = true;
            }
        }
        if (runs == 0)
            return;
        const bool polyline = runs == 1 && !closes;
        out += polyline ? "<polyline" : "<path";
        out += " fill=\"" + (p.fill ? colour(*p.fill) : std::string("none")) + "\" stroke=\"" + colour(p.stroke.color)
               + "\" stroke-width=\"" + num(p.stroke.width > 0.0 ? p.stroke.width : kPrintLineWidth) + "\"";
        if (p.fill)
            out += " stroke-linejoin=\"round\"";
        if (!p.stroke.dash.empty()) {
            out += " stroke-dasharray=\"";
            for (std::size_t i = 0; i < p.stroke.dash.size(); ++i)
                out += (i ? " " : "") + num(p.stroke.dash[i]);
            out += "\"";
        }
        out += polyline ? " points=\"" + points.substr(1) + "\"" : " d=\"" + points + "\"";
        classOf(p.role);
        out += "/>\n";
    }

    void operator()(const scene::Text& t) const
    {
        out += "<text x=\"" + num(t.at.x) + "\" y=\"" + num(t.at.y) + "\" font-size=\"" + num(t.sizePt * kCmPerPoint)
               + "\"";
        if (!t.family.empty())
            out += " font-family=\"" + escaped(t.family) + "\"";
        if (t.anchor != scene::Anchor::Start)
            out += " text-anchor=\"" + std::string(anchorName(t.anchor)) + "\"";
        out += " fill=\"" + colour(t.color) + "\"";
        if (t.rotationDeg != 0.0)
            out += " transform=\"rotate(" + num(t.rotationDeg) + " " + num(t.at.x) + " " + num(t.at.y) + ")\"";
        classOf(t.role);
        out += ">" + escaped(t.text) + "</text>\n";
    }
};

} // namespace

std::string svgDocument(const scene::Scene& scene, const std::string& title)
{
    std::string out;
    std::size_t items = 0;
    for (const scene::Layer& layer : scene.layers)
        items += layer.items.size();
    out.reserve(96 * items + 512);
    const std::string w = num(scene.width), h = num(scene.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "cm\" height=\"" + h + "cm\" viewBox=\"0 0 " + w
           + " " + h + "\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">\n";
    if (!title.empty())
        out += "<title>" + escaped(title) + "</title>\n";
    // The clips the dots written use (a cutter's file, without stars, has none).
    std::vector<bool> used(scene.clips.size(), false);
    for (const scene::Layer& layer : scene.layers)
        for (const scene::Item& item : layer.items)
            if (const auto* d = std::get_if<scene::Dot>(&item); d && d->clip >= 0)
                used[static_cast<std::size_t>(d->clip)] = true;
    if (std::find(used.begin(), used.end(), true) != used.end()) {
        out += "<defs>\n";
        for (std::size_t i = 0; i < scene.clips.size(); ++i)
            if (used[i])
                out += "<clipPath id=\"" + clipId(static_cast<std::int32_t>(i)) + "\"><path d=\""
                       + closedPathData(scene.clips[i]) + "\"/></clipPath>\n";
        out += "</defs>\n";
    }
    const SvgWriter writer{out};
    for (const scene::Layer& layer : scene.layers) {
        const std::string name = escaped(layer.name);
        out += "<g id=\"" + name + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" + name + "\" class=\""
               + std::string(scene::kindName(layer.kind)) + "\">\n";
        for (const scene::Item& item : layer.items)
            std::visit(writer, item);
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace exporter
