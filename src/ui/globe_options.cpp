#include "ui/globe_options.h"

#include "gore/gore_parameters.h"

#include <QString>

#include <cstdio>

namespace ui {

namespace {

/// A box's text with the user's decimal point made ".", as the exporter reads numbers.
std::string pointed(std::string typed, char separator)
{
    if (separator != '.')
        for (char& c : typed)
            if (c == separator)
                c = '.';
    return typed;
}

std::string onOff(bool on) { return on ? "on" : "off"; }

/// A magnitude as the shortest text that reads back the same.
std::string magnitudeText(double m)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", m);
    return buffer;
}

} // namespace

exporter::ExportOptions goreTabExport(const GoreInputs& tab, const std::string& starFile,
                                      const sky::SkyLayerOptions& sky)
{
    const gore::GoreSpec entered = goreSpecOf(tab);
    exporter::ExportOptions o;
    o.subject = exporter::Subject::Gores;
    exporter::GoreOptions& g = o.gore;
    for (const gore::GoreTextField& f : gore::kGoreTextFields)
        g.*f.text = pointed(entered.*f.text, entered.decimalSeparator);
    g.k = "all";
    static_cast<gore::GoreSwitches&>(g) = entered;
    g.north = entered.hemisphere == 1;
    g.south = !g.north;
    g.northPlate = entered.northPlate;
    g.southPlate = entered.southPlate == 1;
    o.stars = starFile;
    o.sky = sky;
    return o;
}

exporter::ExportOptions faceTabExport(const FaceInputs& tab, const std::string& vertexFile,
                                      const std::string& faceFile, const std::string& starFile,
                                      const sky::SkyLayerOptions& sky)
{
    const polyhedron::FaceSpec entered = faceSpecOf(tab);
    exporter::ExportOptions o;
    o.subject = exporter::Subject::Faces;
    exporter::FaceOptions& f = o.face;
    for (const polyhedron::FaceTextField& field : polyhedron::kFaceTextFields)
        f.*field.text = pointed(entered.*field.text, entered.decimalSeparator);
    f.face = "all";
    f.inside = entered.insideView != 0;
    f.corners = entered.corners;
    f.edges = entered.edges;
    if (!vertexFile.empty() && !faceFile.empty()) {
        f.vertices = vertexFile;
        f.faces = faceFile;
    }
    o.stars = starFile;
    o.sky = sky;
    return o;
}

std::string layersArgument(const std::set<scene::LayerKind>& kinds)
{
    std::string list;
    for (const scene::LayerKind k :
         {scene::LayerKind::Print, scene::LayerKind::Cut, scene::LayerKind::Score, scene::LayerKind::Marks})
        if (kinds.count(k))
            list += (list.empty() ? "" : ",") + std::string(scene::kindName(k));
    return list;
}

std::vector<std::string> exportArguments(const exporter::ExportOptions& o)
{
    using exporter::Format;
    std::vector<std::string> a;
    const auto add = [&a](const std::string& name, const std::string& value) {
        a.push_back(name);
        a.push_back(value);
    };
    if (o.subject == exporter::Subject::Gores) {
        const exporter::GoreOptions& g = o.gore;
        a.push_back("gores");
        for (const gore::GoreTextField& f : gore::kGoreTextFields)
            add(f.option, g.*f.text);
        for (const gore::GoreSwitchField& f : gore::kGoreSwitchFields)
            add(f.option, onOff(g.*f.on));
        add("--hemisphere", g.north && g.south ? "both" : g.south ? "south" : "north");
        add("--plates", g.northPlate && g.southPlate ? "both" : g.northPlate ? "north" : g.southPlate ? "south" : "none");
        if (o.kit.wholeGores && o.format != Format::Bmp)
            a.push_back("--whole-gores");
    } else {
        const exporter::FaceOptions& f = o.face;
        a.push_back("faces");
        for (const polyhedron::FaceTextField& field : polyhedron::kFaceTextFields)
            add(field.option, f.*field.text);
        a.push_back(f.inside ? "--inside" : "--outside");
        if (f.corners)
            a.push_back("--corners");
        if (f.edges)
            a.push_back("--edges");
        if (!f.vertices.empty() || !f.faces.empty()) {
            add("--vertices", f.vertices);
            add("--faces", f.faces);
        } else {
            add("--model", f.model);
        }
    }
    if (!o.stars.empty())
        add("--stars", o.stars);
    add("--format", o.format == Format::Pdf ? "pdf" : o.format == Format::Svg ? "svg" : "bmp");
    if (!o.output.empty())
        add("--output", o.output);
    if (o.format == Format::Bmp)
        add("--dpi", o.dpi);
    if (o.paper && o.format == Format::Pdf)
        add("--paper", QString::fromStdString(o.paper->name).toLower().toStdString());

    const sky::SkyLayerOptions& s = o.sky;
    // The language first (it turns the names on), then exactly the constellation layers asked for.
    add("--names", sky::languageCode(s.language));
    add("--constellations", "none");
    std::string constellations;
    if (s.figures)
        constellations += "lines";
    if (s.names)
        constellations += std::string(constellations.empty() ? "" : ",") + "names";
    if (s.boundaries)
        constellations += std::string(constellations.empty() ? "" : ",") + "bounds";
    if (!constellations.empty())
        add("--constellations", constellations);
    add("--grid", s.gridStep ? std::to_string(s.gridStep) : "none");
    add("--ecliptic", onOff(s.ecliptic));
    add("--galactic", onOff(s.galactic));
    add("--star-names", s.starNameLimit ? magnitudeText(*s.starNameLimit) : "none");

    add("--colour-stars", onOff(o.colourStars));
    if (o.format != Format::Bmp) {
        add("--style", o.style == exporter::Style::Dark ? "dark" : "light");
        add("--tabs", onOff(o.kit.tabs));
        add("--tab-width", o.kit.tabWidth);
        add("--bleed", o.kit.bleed);
        add("--layers", layersArgument(o.kit.layers));
        if (o.paper && o.format == Format::Pdf)
            add("--pack", onOff(o.kit.pack));
    }
    a.push_back("--quiet");
    return a;
}

} // namespace ui
