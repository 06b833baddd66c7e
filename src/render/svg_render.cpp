#include "render/renderers.h"

#include "text/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace exporter {

namespace {

/// Centimetres in one typographic point.
constexpr double kCmPerPoint = 2.54 / 72.0;

/// Appends the shortest text that reads back as the same single-precision value: the canvas's own numbers.
void putNum(std::string& out, double v)
{
    char buf[32];
    out.append(buf, text::putShortest(buf, static_cast<float>(v)));
}

std::string num(double v)
{
    std::string s;
    putNum(s, v);
    return s;
}

/// Appends `c` as "#rrggbb", lower-case hex digits.
void putColour(std::string& out, canvas::Rgb c)
{
    constexpr char kHex[] = "0123456789abcdef";
    const char text[7] = {'#', kHex[(c.r >> 4) & 0xf], kHex[c.r & 0xf], kHex[(c.g >> 4) & 0xf],
                          kHex[c.g & 0xf],          kHex[(c.b >> 4) & 0xf], kHex[c.b & 0xf]};
    out.append(text, sizeof text);
}

/// Appends a whole number in decimal.
void putInt(std::string& out, std::int64_t v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

/// Appends `s` with the characters XML gives a meaning escaped, fit for text and attribute values;
/// control characters XML cannot hold are left out.
void putEscaped(std::string& out, std::string_view s)
{
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

/// Appends the id of the scene's clip `index` in the document.
void putClipId(std::string& out, std::int32_t index)
{
    out += "piece-clip-";
    putInt(out, index);
}

/// Appends "x,y".
void putPoint(std::string& out, const scene::Point& p)
{
    putNum(out, p.x);
    out += ',';
    putNum(out, p.y);
}

/// Room for a dot's line: its text, five numbers of at most 32 characters each and the name of
/// its role (one longer than kRoleRoom is put in apart).
constexpr std::size_t kRoleRoom = 64;
constexpr std::size_t kDotLine = 160 + 5 * 32 + kRoleRoom;

/// A line written into room known to be enough.
struct Line
{
    char* start;
    char* at = start;

    void put(std::string_view s)
    {
        std::memcpy(at, s.data(), s.size());
        at += s.size();
    }
    void num(double v) { at = text::putShortest(at, static_cast<float>(v)); }
    void integer(std::int64_t v) { at = std::to_chars(at, at + 24, v).ptr; }
    void colour(canvas::Rgb c)
    {
        constexpr char kHex[] = "0123456789abcdef";
        const char text[7] = {'#', kHex[(c.r >> 4) & 0xf], kHex[c.r & 0xf], kHex[(c.g >> 4) & 0xf],
                              kHex[c.g & 0xf],          kHex[(c.b >> 4) & 0xf], kHex[c.b & 0xf]};
        std::memcpy(at, text, sizeof text);
        at += sizeof text;
    }
};

/// The texts of the radii written last. A catalogue's magnitudes, given to a hundredth, come in
/// a few thousand values and so do its dots' radii: each is turned into text about once.
class RadiusTexts
{
public:
    /// Writes at `at` (32 characters of room) the shortest text of `v` as single precision.
    char* put(char* at, double v)
    {
        const float f = static_cast<float>(v);
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(f);
        Known& known = m_known[(bits * 2654435761u) >> (32 - kBits)];
        if (known.length == 0 || known.bits != bits) {
            const char* end = std::to_chars(known.text, known.text + sizeof known.text, f).ptr;
            known.length = static_cast<std::uint8_t>(end - known.text);
            known.bits = bits;
        }
        std::memcpy(at, known.text, sizeof known.text);
        return at + known.length;
    }

private:
    static constexpr int kBits = 12;
    struct Known
    {
        std::uint32_t bits = 0;
        std::uint8_t length = 0; ///< 0 while nothing is known here
        char text[27];           ///< the longest text of a single-precision value takes 15
    };
    std::vector<Known> m_known = std::vector<Known>(std::size_t{1} << kBits);
};

struct SvgWriter
{
    std::string& out;
    RadiusTexts& radii;

    void classOf(scene::Role role) const
    {
        out += " class=\"";
        out += scene::roleName(role);
        out += '"';
    }

    /// A dot is its line put together in one go: most of a document is dots.
    void operator()(const scene::Dot& d) const
    {
        char line[kDotLine];
        Line l{line};
        l.put("<circle cx=\"");
        l.num(d.centre.x);
        l.put("\" cy=\"");
        l.num(d.centre.y);
        l.put("\" r=\"");
        l.at = radii.put(l.at, std::max(d.radius, kMinPrintRadius));
        l.put("\" fill=\"");
        l.colour(d.fill);
        l.put("\"");
        if (d.outline != d.fill) {
            l.put(" stroke=\"");
            l.colour(d.outline);
            l.put("\" stroke-width=\"");
            l.num(kPrintLineWidth);
            l.put("\"");
        }
        if (d.clip >= 0) {
            l.put(" clip-path=\"url(#piece-clip-");
            l.integer(d.clip);
            l.put(")\"");
        }
        l.put(" class=\"");
        const std::string_view role = scene::roleName(d.role);
        if (role.size() <= kRoleRoom) {
            l.put(role);
        } else {
            out.append(line, static_cast<std::size_t>(l.at - line));
            out += role;
            l.at = line;
        }
        l.put("\"");
        if (d.role == scene::Role::Star && d.index >= 0) {
            l.put(" data-star=\"");
            l.integer(std::int64_t{d.index} + 1);
            l.put("\"");
        }
        l.put("/>\n");
        out.append(line, static_cast<std::size_t>(l.at - line));
    }

    /// A dotted path is a line drawn as dots in the window; on paper it is the line. One open
    /// run is a polyline; anything else a path, a subpath a run, closed runs ending in Z.
    void operator()(const scene::Path& p) const
    {
        std::size_t runs = 0;
        bool closes = false;
        for (const auto& run : p.runs) {
            if (run.size() < 2)
                continue;
            ++runs;
            closes = closes || (p.closed && run.size() > 2);
        }
        if (runs == 0)
            return;
        const bool polyline = runs == 1 && !closes;
        out += polyline ? "<polyline" : "<path";
        out += " fill=\"";
        if (p.fill)
            putColour(out, *p.fill);
        else
            out += "none";
        out += "\" stroke=\"";
        putColour(out, p.stroke.color);
        out += "\" stroke-width=\"";
        putNum(out, p.stroke.width > 0.0 ? p.stroke.width : kPrintLineWidth);
        out += '"';
        if (p.fill)
            out += " stroke-linejoin=\"round\"";
        if (!p.stroke.dash.empty()) {
            out += " stroke-dasharray=\"";
            for (std::size_t i = 0; i < p.stroke.dash.size(); ++i) {
                if (i)
                    out += ' ';
                putNum(out, p.stroke.dash[i]);
            }
            out += '"';
        }
        out += polyline ? " points=\"" : " d=\"";
        bool first = true;
        for (const auto& run : p.runs) {
            if (run.size() < 2)
                continue;
            if (!polyline) {
                if (!first)
                    out += ' ';
                out += 'M';
            }
            first = false;
            for (std::size_t i = 0; i < run.size(); ++i) {
                if (i)
                    out += ' ';
                putPoint(out, run[i]);
            }
            if (p.closed && run.size() > 2)
                out += 'Z';
        }
        out += '"';
        classOf(p.role);
        out += "/>\n";
    }

    void operator()(const scene::Text& t) const
    {
        out += "<text x=\"";
        putNum(out, t.at.x);
        out += "\" y=\"";
        putNum(out, t.at.y);
        out += "\" font-size=\"";
        putNum(out, t.sizePt * kCmPerPoint);
        out += '"';
        if (!t.family.empty()) {
            out += " font-family=\"";
            putEscaped(out, t.family);
            out += '"';
        }
        if (t.anchor != scene::Anchor::Start) {
            out += " text-anchor=\"";
            out += anchorName(t.anchor);
            out += '"';
        }
        out += " fill=\"";
        putColour(out, t.color);
        out += '"';
        if (t.rotationDeg != 0.0) {
            out += " transform=\"rotate(";
            putNum(out, t.rotationDeg);
            out += ' ';
            putNum(out, t.at.x);
            out += ' ';
            putNum(out, t.at.y);
            out += ")\"";
        }
        classOf(t.role);
        out += '>';
        putEscaped(out, t.text);
        out += "</text>\n";
    }
};

} // namespace

std::string svgDocument(const scene::Scene& scene, const std::string& title)
{
    return svgDocument(scene, title, allLayerKinds());
}

namespace {

/// Bytes of a document written out at a time.
constexpr std::size_t kSvgChunk = std::size_t{1} << 20;

/// The document of `scene`'s layers of `kinds` into `out`; with `flush`, handed over whenever
/// `out` holds a chunk and emptied, the last of it left in `out`.
void svgInto(std::string& out, const scene::Scene& scene, const std::string& title,
             const std::set<scene::LayerKind>& kinds, const std::function<void(std::string_view)>& flush)
{
    const auto kept = [&](const scene::Layer& layer) { return kinds.count(layer.kind) > 0; };
    if (flush) {
        out.reserve(kSvgChunk + 4096);
    } else {
        std::size_t items = 0;
        for (const scene::Layer& layer : scene.layers)
            if (kept(layer))
                items += layer.items.size();
        // Room for the longest star line (a clipped dot with its data-star number), so that a large
        // document is never copied to grow: room not written to takes no memory.
        out.reserve(136 * items + 4096);
    }
    const std::string w = num(scene.width), h = num(scene.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "cm\" height=\"" + h + "cm\" viewBox=\"0 0 " + w
           + " " + h + "\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">\n";
    if (!title.empty()) {
        out += "<title>";
        putEscaped(out, title);
        out += "</title>\n";
    }
    // The clips the dots written use (a cutter's file, without stars, has none).
    std::vector<bool> used(scene.clips.size(), false);
    for (const scene::Layer& layer : scene.layers) {
        if (!kept(layer))
            continue;
        for (const scene::Item& item : layer.items)
            if (const auto* d = std::get_if<scene::Dot>(&item); d && d->clip >= 0)
                used[static_cast<std::size_t>(d->clip)] = true;
    }
    if (std::find(used.begin(), used.end(), true) != used.end()) {
        out += "<defs>\n";
        for (std::size_t i = 0; i < scene.clips.size(); ++i)
            if (used[i]) {
                out += "<clipPath id=\"";
                putClipId(out, static_cast<std::int32_t>(i));
                out += "\"><path d=\"";
                for (std::size_t j = 0; j < scene.clips[i].size(); ++j) {
                    out += j ? " L" : "M";
                    putPoint(out, scene.clips[i][j]);
                }
                out += "Z\"/></clipPath>\n";
            }
        out += "</defs>\n";
    }
    RadiusTexts radii;
    const SvgWriter writer{out, radii};
    for (const scene::Layer& layer : scene.layers) {
        if (!kept(layer))
            continue;
        out += "<g id=\"";
        putEscaped(out, layer.name);
        out += "\" inkscape:groupmode=\"layer\" inkscape:label=\"";
        putEscaped(out, layer.name);
        out += "\" class=\"";
        out += scene::kindName(layer.kind);
        out += "\">\n";
        for (const scene::Item& item : layer.items) {
            std::visit(writer, item);
            if (flush && out.size() >= kSvgChunk) {
                flush(out);
                out.clear();
            }
        }
        out += "</g>\n";
    }
    out += "</svg>\n";
}

} // namespace

std::string svgDocument(const scene::Scene& scene, const std::string& title, const std::set<scene::LayerKind>& kinds)
{
    std::string out;
    svgInto(out, scene, title, kinds, {});
    return out;
}

void writeSvgDocument(const scene::Scene& scene, const std::string& title, const std::set<scene::LayerKind>& kinds,
                      const std::function<void(std::string_view)>& write)
{
    std::string out;
    svgInto(out, scene, title, kinds, write);
    write(out);
}

} // namespace exporter
