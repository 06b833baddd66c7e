#include "export/export_options.h"

#include "appdata/version.h"
#include "gore/gore_parameters.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <cmath>
#include <functional>
#include <map>

namespace exporter {

namespace {

/// `typed` in double quotes for a message, control bytes and bytes that are not UTF-8 escaped.
std::string inQuotes(const std::string& typed) { return "\"" + text::escapedForMessage(typed) + "\""; }

bool onOff(const std::string& option, const std::string& value)
{
    if (value == "on")
        return true;
    if (value == "off")
        return false;
    throw UsageError("option " + option + ": " + inQuotes(value) + " is neither on nor off");
}

[[noreturn]] void badChoice(const std::string& option, const std::string& value, const std::string& choices)
{
    throw UsageError("option " + option + ": " + inQuotes(value) + " is not one of " + choices);
}

/// --constellations: a comma-separated list of lines, names, bounds to turn on, or none to turn all three off.
void setConstellations(sky::SkyLayerOptions& sky, const std::string& value)
{
    if (value == "none") {
        sky.figures = sky.names = sky.boundaries = false;
        return;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        const std::string part = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (part == "lines")
            sky.figures = true;
        else if (part == "names")
            sky.names = true;
        else if (part == "bounds")
            sky.boundaries = true;
        else
            throw UsageError("option --constellations: " + inQuotes(part) + " is not one of lines, names, bounds (or none)");
        if (comma == std::string::npos)
            return;
        start = comma + 1;
    }
}

/// --sky all: every layer, keeping a grid step and a star-name limit already chosen; none: no layer.
void setSky(sky::SkyLayerOptions& sky, const std::string& value)
{
    if (value == "none") {
        const sky::Language language = sky.language;
        sky = {};
        sky.language = language;
        return;
    }
    if (value != "all")
        badChoice("--sky", value, "all, none");
    sky.figures = sky.names = sky.boundaries = sky.ecliptic = true;
    if (sky.gridStep == 0)
        sky.gridStep = 10;
    if (!sky.starNameLimit)
        sky.starNameLimit = sky::kDefaultStarNameLimit;
}

/// The layer kinds of a comma-separated list such as "cut,score".
std::set<scene::LayerKind> layerKinds(const std::string& list)
{
    using scene::LayerKind;
    std::set<LayerKind> kinds;
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        const std::string name = list.substr(from, comma - from);
        bool known = false;
        for (const LayerKind k : {LayerKind::Print, LayerKind::Cut, LayerKind::Score, LayerKind::Marks})
            if (name == scene::kindName(k)) {
                kinds.insert(k);
                known = true;
            }
        if (!known)
            badChoice("--layers", name, "print, cut, score, marks (separated by commas)");
        from = comma + 1;
    }
    return kinds;
}

using Setter = std::function<void(ExportOptions&, const std::string&)>;

struct OptionRule
{
    bool takesValue = true;
    bool gores = true, faces = true; ///< which subjects accept it
    Setter set;
};

/// Adds the option of a parameter of `subject`; an option named alike on both tabs is stored per subject.
void addParameter(std::map<std::string, OptionRule>& table, const std::string& option, Subject subject, Setter set)
{
    OptionRule& rule = table.try_emplace(option, OptionRule{true, false, false, {}}).first->second;
    (subject == Subject::Gores ? rule.gores : rule.faces) = true;
    rule.set = [other = std::move(rule.set), set = std::move(set), subject](ExportOptions& o, const std::string& v) {
        if (o.subject == subject)
            set(o, v);
        else
            other(o, v);
    };
}

const std::map<std::string, OptionRule>& optionTable()
{
    static const std::map<std::string, OptionRule> table = [] {
        std::map<std::string, OptionRule> t = {
        // Both subjects.
        {"--stars", {true, true, true, [](ExportOptions& o, const std::string& v) {
             if (v.empty())
                 throw UsageError("option --stars: the file name is empty (leave the option out for the bundled catalogue)");
             o.stars = v;
         }}},
        {"--format",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              if (v == "bmp")
                  o.format = Format::Bmp;
              else if (v == "svg")
                  o.format = Format::Svg;
              else if (v == "pdf")
                  o.format = Format::Pdf;
              else
                  badChoice("--format", v, "bmp, svg, pdf");
          }}},
        {"--output", {true, true, true, [](ExportOptions& o, const std::string& v) {
             if (v.empty())
                 throw UsageError("option --output: the name is empty (leave the option out for the default)");
             o.output = v;
         }}},
        {"--dpi", {true, true, true, [](ExportOptions& o, const std::string& v) { o.dpi = v; }}},
        {"--paper",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              o.paper = paperNamed(v);
              if (!o.paper)
                  badChoice("--paper", v, "a4, a3, letter");
          }}},
        // Sky layers, both subjects.
        {"--constellations", {true, true, true, [](ExportOptions& o, const std::string& v) { setConstellations(o.sky, v); }}},
        {"--names",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              o.sky.names = v != "none";
              if (const auto language = sky::languageNamed(v))
                  o.sky.language = *language;
              else if (v != "none")
                  badChoice("--names", v, sky::languageCodeList() + ", none");
          }}},
        {"--grid",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              if (v == "10" || v == "15")
                  o.sky.gridStep = std::stoi(v);
              else if (v == "none")
                  o.sky.gridStep = 0;
              else
                  badChoice("--grid", v, "10, 15, none");
          }}},
        {"--ecliptic", {true, true, true, [](ExportOptions& o, const std::string& v) { o.sky.ecliptic = onOff("--ecliptic", v); }}},
        {"--galactic", {true, true, true, [](ExportOptions& o, const std::string& v) { o.sky.galactic = onOff("--galactic", v); }}},
        {"--colour-stars", {true, true, true, [](ExportOptions& o, const std::string& v) { o.colourStars = onOff("--colour-stars", v); }}},
        {"--style",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              if (v == "light")
                  o.style = Style::Light;
              else if (v == "dark")
                  o.style = Style::Dark;
              else
                  badChoice("--style", v, "light, dark");
          }}},
        {"--star-names",
         {true, true, true,
          [](ExportOptions& o, const std::string& v) {
              if (v == "none") {
                  o.sky.starNameLimit.reset();
                  return;
              }
              const auto limit = text::parseDouble(v);
              if (!limit || !std::isfinite(*limit))
                  throw UsageError("option --star-names: " + inQuotes(v) + " is not a magnitude (such as 1.5) nor none");
              o.sky.starNameLimit = *limit;
          }}},
        {"--sky", {true, true, true, [](ExportOptions& o, const std::string& v) { setSky(o.sky, v); }}},
        // Kits (svg and pdf).
        {"--tabs", {true, true, true, [](ExportOptions& o, const std::string& v) {
             o.kit.tabs = onOff("--tabs", v);
             o.kit.given.insert("--tabs");
         }}},
        {"--tab-width", {true, true, true, [](ExportOptions& o, const std::string& v) {
             o.kit.tabWidth = v;
             o.kit.given.insert("--tab-width");
         }}},
        {"--pack", {true, true, true, [](ExportOptions& o, const std::string& v) {
             o.kit.pack = onOff("--pack", v);
             o.kit.given.insert("--pack");
         }}},
        {"--bleed", {true, true, true, [](ExportOptions& o, const std::string& v) {
             o.kit.bleed = v;
             o.kit.given.insert("--bleed");
         }}},
        {"--layers", {true, true, true, [](ExportOptions& o, const std::string& v) {
             o.kit.layers = layerKinds(v);
             o.kit.given.insert("--layers");
         }}},
        {"--quiet", {false, true, true, [](ExportOptions& o, const std::string&) { o.quiet = true; }}},
        {"--help", {false, true, true, [](ExportOptions& o, const std::string&) { o.help = true; }}},
        {"--version", {false, true, true, [](ExportOptions& o, const std::string&) { o.version = true; }}},
        // Gores (their boxes are added from their description below).
        {"--hemisphere",
         {true, true, false,
          [](ExportOptions& o, const std::string& v) {
              if (v == "north")
                  o.gore.north = true, o.gore.south = false;
              else if (v == "south")
                  o.gore.north = false, o.gore.south = true;
              else if (v == "both")
                  o.gore.north = o.gore.south = true;
              else
                  badChoice("--hemisphere", v, "north, south, both");
          }}},
        {"--plates",
         {true, true, false,
          [](ExportOptions& o, const std::string& v) {
              if (v == "none")
                  o.gore.northPlate = o.gore.southPlate = false;
              else if (v == "north")
                  o.gore.northPlate = true, o.gore.southPlate = false;
              else if (v == "south")
                  o.gore.northPlate = false, o.gore.southPlate = true;
              else if (v == "both")
                  o.gore.northPlate = o.gore.southPlate = true;
              else
                  badChoice("--plates", v, "none, north, south, both");
          }}},
        {"--whole-gores", {false, true, false, [](ExportOptions& o, const std::string&) {
             o.kit.wholeGores = true;
             o.kit.given.insert("--whole-gores");
         }}},
        // Faces.
        {"--model", {true, false, true, [](ExportOptions& o, const std::string& v) { o.face.model = v; }}},
        {"--vertices", {true, false, true, [](ExportOptions& o, const std::string& v) { o.face.vertices = v; }}},
        {"--faces", {true, false, true, [](ExportOptions& o, const std::string& v) { o.face.faces = v; }}},
        {"--inside", {false, false, true, [](ExportOptions& o, const std::string&) { o.face.inside = true; }}},
        {"--outside", {false, false, true, [](ExportOptions& o, const std::string&) { o.face.inside = false; }}},
        {"--corners", {false, false, true, [](ExportOptions& o, const std::string&) { o.face.corners = true; }}},
        {"--edges", {false, false, true, [](ExportOptions& o, const std::string&) { o.face.edges = true; }}},
    };
        for (const gore::GoreTextField& f : gore::kGoreTextFields)
            addParameter(t, f.option, Subject::Gores,
                         [text = f.text](ExportOptions& o, const std::string& v) { o.gore.*text = v; });
        for (const gore::GoreSwitchField& f : gore::kGoreSwitchFields)
            addParameter(t, f.option, Subject::Gores,
                         [f](ExportOptions& o, const std::string& v) { o.gore.*f.on = onOff(f.option, v); });
        for (const polyhedron::FaceTextField& f : polyhedron::kFaceTextFields)
            addParameter(t, f.option, Subject::Faces,
                         [text = f.text](ExportOptions& o, const std::string& v) { o.face.*text = v; });
        return t;
    }();
    return table;
}

/// The one-letter spellings of the common options.
const std::map<char, std::string> kShortOptions = {
    {'o', "--output"}, {'q', "--quiet"}, {'h', "--help"}, {'V', "--version"}};

/// One argument split into the long option it names and, when it carries one, its value.
struct OptionWord
{
    std::string name;    ///< the long name, "--output"; the argument itself when unknown
    std::string spelled; ///< as typed, for messages: "-o", "--output"
    std::optional<std::string> value;
};

OptionWord splitOption(const std::string& arg)
{
    OptionWord w{arg, arg, std::nullopt};
    if (arg.rfind("--", 0) == 0) {
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            w.name = w.spelled = arg.substr(0, eq);
            w.value = arg.substr(eq + 1);
        }
    } else if (arg.size() >= 2 && arg[0] == '-') {
        w.spelled = arg.substr(0, 2);
        const auto it = kShortOptions.find(arg[1]);
        w.name = it == kShortOptions.end() ? w.spelled : it->second;
        if (arg.size() > 2)
            w.value = arg.substr(2);
    }
    return w;
}

} // namespace

ExportOptions parseExportOptions(const std::vector<std::string>& args)
{
    ExportOptions o;
    if (args.empty())
        throw UsageError("say what to export: gores or faces (see --help)");
    std::size_t i = 0;
    if (const OptionWord first = splitOption(args[0]); !first.value) {
        if (first.name == "--help" || first.name == "--version") {
            (first.name == "--help" ? o.help : o.version) = true;
            return o;
        }
    }
    if (args[0] == "gores")
        o.subject = Subject::Gores;
    else if (args[0] == "faces")
        o.subject = Subject::Faces;
    else
        throw UsageError(inQuotes(args[0]) + " is not something to export: say gores or faces");
    const std::string subjectName = args[0];
    std::set<std::string> given;
    for (i = 1; i < args.size(); ++i) {
        const OptionWord word = splitOption(args[i]);
        const std::string name = text::escapedForMessage(word.spelled);
        const auto& table = optionTable();
        const auto it = table.find(word.name);
        if (it == table.end())
            throw UsageError("unknown option " + inQuotes(word.spelled) + " for " + subjectName + " (see --help)");
        const OptionRule& rule = it->second;
        if ((o.subject == Subject::Gores && !rule.gores) || (o.subject == Subject::Faces && !rule.faces))
            throw UsageError("option " + name + " belongs to " + (rule.gores ? "gores" : "faces") + ", not to "
                             + subjectName);
        std::string value;
        if (rule.takesValue) {
            if (word.value) {
                value = *word.value;
            } else {
                if (i + 1 >= args.size())
                    throw UsageError("option " + name + " needs a value");
                value = args[++i];
            }
        } else if (word.value) {
            throw UsageError("option " + name + " takes no value");
        }
        rule.set(o, value);
        given.insert(word.name);
    }
    if (given.count("--model") && (given.count("--vertices") || given.count("--faces")))
        throw UsageError("option --model: give either a bundled model or your own files with --vertices and "
                         "--faces, not both");
    return o;
}

std::string exportUsage()
{
    return R"(orbweave-export: draws whole sets of star-sphere templates and writes them for printing.

Usage:
  orbweave-export gores [options]     gores (and polar plates) by longitude
  orbweave-export faces [options]     faces of a polyhedron, gnomonic projection
  orbweave-export --help | --version

Every option is also spelt --option=value; -o, -q, -h and -V are the short forms of
--output, --quiet, --help and --version.

Gore options (the gore tab's boxes; defaults as in the window):
  --n 8                   number of gores
  --k 1                   the gore to draw, or "all"
  --faintest 8.5          faintest magnitude (stars at or above it are left out)
  --ratio 2.5             common ratio of the star size rule
  --magnification 10      magnification of the star size rule
  --radius 13             sphere radius, cm
  --epsilon on|off        epsilon correction (on)
  --line on|off           equal-latitude line (off)
  --line-latitude 70      its latitude, degrees
  --boundary 70           boundary latitude of the polar plates, degrees
  --hemisphere north|south|both   (north)
  --plates none|north|south|both  polar plates (none); with --k all each plate
                          holds the whole cap; a plate is cut as the n-gon the
                          gores' tops make, and the gores end at the boundary

Face options (the polyhedron tab's boxes):
  --range 30              projection range, degrees
  --radius 10             sphere radius, cm
  --faintest 7.0          faintest magnitude
  --ratio 2.5  --magnification 10
  --inside | --outside    seen from inside (default) or outside the sphere
  --corners  --edges      draw the face's corner marks, its edges
  --face 1                the face to draw, or "all"
  --model truncated-icosahedron   a model of the data folder, or
  --vertices FILE --faces FILE    model files of your own

Output:
  --stars FILE|bright|deep  star file, or a bundled catalogue: bright (the
                          default, bright-stars.csv, 9,096 stars to V 7.96) or
                          deep (deep-stars.csv, 83,392 stars to V 9, with B-V);
                          write ./deep for a file of that name
  --colour-stars on|off   each star dot tinted by its B-V (off); needs a star
                          file that gives B-V (deep does); others stay as they are
  --style light|dark      light: black on white (the default); dark (svg, pdf):
                          each piece on a dark blue ground out to its cut
                          outline and the bleed, stars white or tinted, lines
                          and labels light; cut and score lines unchanged
  --format bmp|svg|pdf    (pdf) pdf: one file, vector, real size;
                          bmp, svg: one file per template into a folder;
                          a face's print SVG is named as the window's file
                          with -print before .svg (SurN1_…cm内-print.svg)
  -o, --output PATH       pdf file or bmp/svg folder (default: current folder;
                          orbweave-gores.pdf / orbweave-faces.pdf)
  --dpi 96                bitmap resolution; at 96 the bitmap is the window's
  --paper a4|a3|letter    print on sheets (pdf): pieces packed several to a sheet,
                          larger templates tiled with 1 cm overlap; every sheet
                          has crop marks, a label, a 10 cm scale bar and a
                          5 cm calibration square

Kits (svg and pdf; a bitmap is the window's drawing):
  --tabs on|off           glue tabs, one a seam (on)
  --tab-width 7           their width, mm
  --whole-gores           each gore pole to pole in one piece (gores)
  --pack on|off           several pieces to a sheet, turned where that fits
                          better (on; with --paper)
  --bleed 2               room kept round each piece, mm (0 to 10)
  --layers print,cut,score,marks  what is written: print (stars, lines,
                          labels), cut (each piece's outline with its tabs,
                          red), score (tab folds, blue dashes), marks (sheet
                          marks); a cutter file takes --layers cut,score
  -q, --quiet             no progress on standard error (on a terminal progress
                          is one line rewritten in place, else a line per step)

Other:
  -h, --help              this text
  -V, --version           the version and licence

Sky layers (both subjects; by default only the stars are drawn; J2000 like the stars):
  --constellations lines,names,bounds   stick figures, names, IAU boundaries (any
                          of them, comma-separated; none turns all three off)
  --names ja|en|la|none   language of the names (en); a language also turns the
                          constellation names on, none turns them off; also
                          ar cs de el es et fa fi fr he hi it ko ru sw tr zh
                          (there star names are the English ones)
  --grid 10|15|none       hour meridians and parallels every 10 or 15 degrees,
                          with hour and declination labels (none)
  --ecliptic on|off       the ecliptic, ticked every 10 degrees, labelled every 30 (off)
  --galactic on|off       the galactic equator, labelled every 30 degrees of
                          galactic longitude (off; not part of --sky all)
  --star-names 1.5|none   proper names of stars of this magnitude or brighter (none)
  --sky all|none          every sky layer but the galactic equator (grid 10,
                          star names to 1.5 unless chosen),
                          or none of them

Exit status: 0 done, 1 input refused or output not written, 2 command line not understood,
129, 130, 143 stopped by SIGHUP, SIGINT, SIGTERM (nothing of the export is kept).
)";
}

std::string exportVersionText()
{
    return std::string("orbweave-export (Orbweave) ") + appdata::kVersion + R"(
License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";
}

} // namespace exporter
