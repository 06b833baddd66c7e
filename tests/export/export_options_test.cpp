#include "export/export_options.h"

#include <gtest/gtest.h>

using namespace exporter;

namespace {

ExportOptions parse(std::vector<std::string> args) { return parseExportOptions(args); }

} // namespace

TEST(ExportOptions, GoreDefaultsAreTheWindowsStartTexts)
{
    const ExportOptions o = parse({"gores"});
    EXPECT_EQ(o.subject, Subject::Gores);
    EXPECT_EQ(o.gore.n, "8");
    EXPECT_EQ(o.gore.k, "1");
    EXPECT_EQ(o.gore.faintest, "8.5");
    EXPECT_EQ(o.gore.ratio, "2.5");
    EXPECT_EQ(o.gore.magnification, "10");
    EXPECT_EQ(o.gore.radius, "13");
    EXPECT_TRUE(o.gore.epsilon);
    EXPECT_FALSE(o.gore.line);
    EXPECT_EQ(o.gore.lineLatitude, "70");
    EXPECT_EQ(o.gore.boundary, "70");
    EXPECT_TRUE(o.gore.north);
    EXPECT_FALSE(o.gore.south);
    EXPECT_FALSE(o.gore.northPlate);
    EXPECT_FALSE(o.gore.southPlate);
    EXPECT_TRUE(o.stars.empty());
    EXPECT_EQ(o.dpi, "96");
    EXPECT_FALSE(o.paper.has_value());
}

TEST(ExportOptions, FaceDefaultsAreTheWindowsStartTexts)
{
    const ExportOptions o = parse({"faces"});
    EXPECT_EQ(o.subject, Subject::Faces);
    EXPECT_EQ(o.face.range, "30");
    EXPECT_EQ(o.face.radius, "10");
    EXPECT_EQ(o.face.faintest, "7.0");
    EXPECT_EQ(o.face.ratio, "2.5");
    EXPECT_EQ(o.face.magnification, "10");
    EXPECT_TRUE(o.face.inside);
    EXPECT_FALSE(o.face.corners);
    EXPECT_FALSE(o.face.edges);
    EXPECT_EQ(o.face.face, "1");
    EXPECT_EQ(o.face.model, "truncated-icosahedron");
}

TEST(ExportOptions, ValuesAreKeptAsTyped)
{
    const ExportOptions o = parse({"gores", "--n", "8.0", "--k=all", "--radius", " 80 ", "--hemisphere", "both",
                                   "--plates", "south", "--epsilon", "off", "--line", "on", "--format", "svg",
                                   "--paper", "letter", "--faintest", "6"});
    EXPECT_EQ(o.gore.n, "8.0");
    EXPECT_EQ(o.gore.k, "all");
    EXPECT_EQ(o.gore.radius, " 80 ");
    EXPECT_TRUE(o.gore.north && o.gore.south);
    EXPECT_FALSE(o.gore.northPlate);
    EXPECT_TRUE(o.gore.southPlate);
    EXPECT_FALSE(o.gore.epsilon);
    EXPECT_TRUE(o.gore.line);
    EXPECT_EQ(o.format, Format::Svg);
    ASSERT_TRUE(o.paper.has_value());
    EXPECT_DOUBLE_EQ(o.paper->width, 21.59);
    EXPECT_EQ(o.gore.faintest, "6");
    EXPECT_EQ(o.face.faintest, "7.0"); // the other tab keeps its own
}

TEST(ExportOptions, FaceSwitches)
{
    const ExportOptions o = parse({"faces", "--outside", "--corners", "--edges", "--face", "all", "--magnification",
                                   "20", "--vertices", "v.csv", "--faces", "f.csv"});
    EXPECT_FALSE(o.face.inside);
    EXPECT_TRUE(o.face.corners && o.face.edges);
    EXPECT_EQ(o.face.face, "all");
    EXPECT_EQ(o.face.magnification, "20");
    EXPECT_EQ(o.gore.magnification, "10");
    EXPECT_EQ(o.face.vertices, "v.csv");
    EXPECT_EQ(o.face.faces, "f.csv");
}

TEST(ExportOptions, RefusesWhatItCannotUnderstandNamingTheOption)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string mustMention;
    };
    const Case cases[] = {
        {{}, "gores or faces"},
        {{"spheres"}, "spheres"},
        {{"gores", "--bogus"}, "--bogus"},
        {{"gores", "--n"}, "--n"},
        {{"gores", "--epsilon", "yes"}, "--epsilon"},
        {{"gores", "--hemisphere", "east"}, "east"},
        {{"gores", "--plates", "all"}, "--plates"},
        {{"gores", "--format", "png"}, "png"},
        {{"gores", "--paper", "a5"}, "a5"},
        {{"gores", "--range", "30"}, "--range"},
        {{"faces", "--hemisphere", "north"}, "--hemisphere"},
        {{"faces", "--edges=on"}, "--edges"},
        {{"gores", "--constellations", "lines,stars"}, "stars"},
        {{"faces", "--names", "cz"}, "--names"},
        {{"faces", "--names", "DE"}, "ja, en, la, ar, cs, de, el, es, et, fa, fi, fr, he, hi, it, ko, ru, sw, tr, zh, none"},
        {{"gores", "--grid", "12"}, "--grid"},
        {{"gores", "--ecliptic", "yes"}, "--ecliptic"},
        {{"gores", "--star-names", "bright"}, "--star-names"},
        {{"faces", "--sky", "some"}, "--sky"},
        {{"gores", "--galactic", "yes"}, "--galactic"},
        {{"faces", "--colour-stars", "bv"}, "--colour-stars"},
        {{"gores", "--style", "blue"}, "--style"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        try {
            parse(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.mustMention), std::string::npos) << e.what();
        }
    }
}

TEST(ExportOptions, EverySpellingOfAnOptionMeansTheSame)
{
    const std::vector<std::vector<std::string>> spellings = {
        {"gores", "--output", "globe.pdf", "--quiet", "--k", "all", "--stars", "a=b.csv"},
        {"gores", "--output=globe.pdf", "--quiet", "--k=all", "--stars=a=b.csv"},
        {"gores", "-o", "globe.pdf", "-q", "--k", "all", "--stars", "a=b.csv"},
        {"gores", "-oglobe.pdf", "-q", "--k=all", "--stars=a=b.csv"},
    };
    for (const auto& args : spellings) {
        SCOPED_TRACE(args[1]);
        const ExportOptions o = parse(args);
        EXPECT_EQ(o.output, "globe.pdf");
        EXPECT_TRUE(o.quiet);
        EXPECT_EQ(o.gore.k, "all");
        EXPECT_EQ(o.stars, "a=b.csv");
        EXPECT_FALSE(o.help || o.version);
    }
}

TEST(ExportOptions, HelpAndVersionStandAloneOrAfterTheSubject)
{
    struct Case
    {
        std::vector<std::string> args;
        bool help, version;
    };
    const Case cases[] = {
        {{"-h"}, true, false},         {{"--help"}, true, false},          {{"gores", "-h"}, true, false},
        {{"-V"}, false, true},         {{"--version"}, false, true},       {{"faces", "-V"}, false, true},
        {{"gores", "--version"}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const ExportOptions o = parse(c.args);
        EXPECT_EQ(o.help, c.help);
        EXPECT_EQ(o.version, c.version);
    }
}

TEST(ExportOptions, ShortSpellingsAreRefusedByTheNameTyped)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"gores", "-o"}, "option -o needs a value"},
        {{"gores", "-x"}, "unknown option \"-x\""},
        {{"gores", "-qV"}, "option -q takes no value"},
        {{"gores", "--quiet=yes"}, "option --quiet takes no value"},
        {{"-o", "globe.pdf"}, "\"-o\" is not something to export"},
        {{"--version=2"}, "is not something to export"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            parse(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(ExportOptions, SkyLayersAreOffUnlessAskedForAndCombine)
{
    struct Row
    {
        std::vector<std::string> args;
        bool figures, names, boundaries, ecliptic;
        int grid;
        std::optional<double> starNames;
        sky::Language language;
    };
    using L = sky::Language;
    const Row rows[] = {
        {{"gores"}, false, false, false, false, 0, {}, L::English},
        {{"faces", "--constellations", "lines,bounds"}, true, false, true, false, 0, {}, L::English},
        {{"gores", "--names", "ja", "--constellations", "lines"}, true, true, false, false, 0, {}, L::Japanese},
        {{"gores", "--constellations", "lines,names", "--names", "none"}, true, false, false, false, 0, {}, L::English},
        {{"gores", "--grid=15", "--ecliptic", "on", "--star-names", "2"}, false, false, false, true, 15, 2.0, L::English},
        {{"faces", "--sky", "all", "--names", "la"}, true, true, true, true, 10, 1.5, L::Latin},
        {{"gores", "--names", "de"}, false, true, false, false, 0, {}, L::German},
        {{"faces", "--names", "es", "--constellations", "lines"}, true, true, false, false, 0, {}, L::Spanish},
        {{"gores", "--sky", "all", "--names", "zh"}, true, true, true, true, 10, 1.5, L::Chinese},
        {{"gores", "--grid", "15", "--star-names", "0.5", "--sky", "all"}, true, true, true, true, 15, 0.5, L::English},
        {{"gores", "--sky", "all", "--grid", "none", "--constellations", "none"}, false, false, false, true, 0, 1.5,
         L::English},
    };
    for (const Row& r : rows) {
        std::string joined;
        for (const auto& a : r.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        const sky::SkyLayerOptions o = parse(r.args).sky;
        EXPECT_EQ(o.figures, r.figures);
        EXPECT_EQ(o.names, r.names);
        EXPECT_EQ(o.boundaries, r.boundaries);
        EXPECT_EQ(o.ecliptic, r.ecliptic);
        EXPECT_EQ(o.gridStep, r.grid);
        EXPECT_EQ(o.starNameLimit, r.starNames);
        EXPECT_EQ(o.language, r.language);
        EXPECT_EQ(o.any(), r.figures || r.names || r.boundaries || r.ecliptic || r.grid || r.starNames);
    }
}

TEST(ExportOptions, LookAndGalacticEquatorAreOffUnlessAskedFor)
{
    struct Row { std::vector<std::string> args; bool galactic, colour; Style style; };
    const Row rows[] = {
        {{"gores"}, false, false, Style::Light},
        {{"gores", "--sky", "all"}, false, false, Style::Light},
        {{"faces", "--galactic", "on", "--colour-stars=on", "--style", "dark"}, true, true, Style::Dark},
        {{"gores", "--galactic", "on", "--sky", "none", "--style", "dark", "--style", "light"}, false, false, Style::Light},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args.back());
        const ExportOptions o = parse(r.args);
        EXPECT_EQ(o.sky.galactic, r.galactic);
        EXPECT_EQ(o.sky.any(), r.galactic || (r.args.size() > 1 && r.args[1] == "--sky"));
        EXPECT_EQ(o.colourStars, r.colour);
        EXPECT_EQ(o.style, r.style);
    }
}
