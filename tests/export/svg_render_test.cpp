#include "render_support.h"

#include "render/renderers.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace exporter;

namespace {

constexpr double kSvgTolerance = 1e-4; ///< centimetres: 0.001 mm
const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

struct Element
{
    QString name, layer, text; ///< `layer`: id of the enclosing layer group
    QXmlStreamAttributes attributes;
    double number(const char* a) const { return attributes.value(QLatin1String(a)).toDouble(); }
    std::string string(const char* a) const { return attributes.value(QLatin1String(a)).toString().toStdString(); }
};

/// The document read by a namespace-aware XML reader: the root, the layer groups, the items.
struct Svg
{
    Element root;
    std::vector<Element> layers, items;
};

Svg parsed(const std::string& document)
{
    Svg svg;
    QXmlStreamReader xml(QByteArray::fromStdString(document));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        Element e{xml.name().toString(), svg.layers.empty() ? QString() : svg.layers.back().string("id").c_str(), {},
                  xml.attributes()};
        if (e.name == "svg")
            svg.root = e;
        else if (e.name == "g")
            svg.layers.push_back(e);
        else {
            if (e.name == "text")
                e.text = xml.readElementText();
            svg.items.push_back(e);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

scene::Path path(std::vector<std::vector<scene::Point>> runs, bool closed = false, double dotRadius = 0.0)
{
    scene::Path p;
    p.runs = std::move(runs);
    p.closed = closed;
    p.dotRadius = dotRadius;
    return p;
}

} // namespace

TEST(SvgDocument, RealSizeWidthThenHeight)
{
    const struct { double width, height; const char *w, *h; } rows[] = {{7.5, 4.25, "7.5", "4.25"},
                                                                        {4.25, 7.5, "4.25", "7.5"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.w << " × " << row.h);
        scene::Scene s;
        s.width = row.width;
        s.height = row.height;
        const Svg svg = parsed(svgDocument(s));
        EXPECT_EQ(svg.root.string("width"), std::string(row.w) + "cm");
        EXPECT_EQ(svg.root.string("height"), std::string(row.h) + "cm");
        EXPECT_EQ(svg.root.string("viewBox"), std::string("0 0 ") + row.w + " " + row.h);
    }
}

TEST(SvgDocument, LayersAreInkscapeLayersHoldingTheirItems)
{
    scene::Scene s = render_test::starGrid(2, 0.05);
    scene::Path edge = path({{{0, 0}, {1, 1}}});
    s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, edge);
    edge.role = scene::Role::Equator;
    s.layer(scene::layers::kGuides, scene::LayerKind::Score).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, edge);
    s.layer("labels", scene::LayerKind::Marks).items.emplace_back(std::in_place_type<scene::Boxed<scene::Text>>);

    const Svg svg = parsed(svgDocument(s));
    const std::vector<std::string> names{"stars", "cut", "guides", "labels"}, kinds{"print", "cut", "score", "marks"};
    ASSERT_EQ(svg.layers.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(svg.layers[i].string("id"), names[i]);
        EXPECT_EQ(svg.layers[i].attributes.value(kInkscape, QLatin1String("groupmode")), QLatin1String("layer"));
        EXPECT_EQ(svg.layers[i].attributes.value(kInkscape, QLatin1String("label")).toString().toStdString(), names[i]);
        EXPECT_EQ(svg.layers[i].string("class"), kinds[i]);
    }
    const std::vector<std::array<std::string, 3>> items{{"circle", "stars", "star"},
                                                       {"circle", "stars", "star"},
                                                       {"polyline", "cut", "gore-edge"},
                                                       {"polyline", "guides", "equator"},
                                                       {"text", "labels", "label"}};
    ASSERT_EQ(svg.items.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(svg.items[i].name.toStdString(), items[i][0]);
        EXPECT_EQ(svg.items[i].layer.toStdString(), items[i][1]);
        EXPECT_EQ(svg.items[i].string("class"), items[i][2]);
    }
}

TEST(SvgDocument, EveryFaintStarIsACircleOfPrintableSize)
{
    for (const double radius : {0.008, 0.0033}) {
        SCOPED_TRACE(radius);
        const Svg svg = parsed(svgDocument(render_test::starGrid(500, radius)));
        ASSERT_EQ(svg.items.size(), 500u);
        for (const Element& e : svg.items)
            ASSERT_NEAR(e.number("r"), kMinPrintRadius, kSvgTolerance);
    }
}

TEST(SvgDocument, CircleCentresAreTheScenes)
{
    scene::Scene s;
    s.width = 22.42;
    s.height = 12.77;
    const std::vector<scene::Dot> dots{{scene::Role::Star, 0, {0.123456, 0.654321}, 0.0871},
                                       {scene::Role::Star, 7, {21.987654, 12.345678}, 0.0033},
                                       {scene::Role::FaceCorner, 0, {11.21, 6.385}, 0.0}};
    for (const scene::Dot& d : dots)
        s.layer(scene::layers::kStars).items.emplace_back(std::in_place_type<scene::Dot>, d);
    const Svg svg = parsed(svgDocument(s));
    ASSERT_EQ(svg.items.size(), dots.size());
    for (std::size_t i = 0; i < dots.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(svg.items[i].number("cx"), dots[i].centre.x, kSvgTolerance);
        EXPECT_NEAR(svg.items[i].number("cy"), dots[i].centre.y, kSvgTolerance);
        EXPECT_NEAR(svg.items[i].number("r"), std::max(dots[i].radius, kMinPrintRadius), kSvgTolerance);
    }
}

TEST(SvgDocument, PathsAreLinesWithTheirStroke)
{
    scene::Path dashed = path({{{0, 0}, {2, 0}}});
    dashed.stroke = {canvas::kRed, 0.05, {0.2, 0.1}};
    scene::Path filled = path({{{0, 0}, {1, 0}, {1, 1}}}, true);
    filled.stroke = {{16, 30, 68}, 0.4, {}};
    filled.fill = canvas::Rgb{16, 30, 68};
    const struct { const char* name; scene::Path path; std::string element, geometry, width, dash, colour, fill = "none"; } rows[] = {
        {"open hairline", path({{{0, 0}, {1, 0.5}, {2, 0}}}), "polyline", "0,0 1,0.5 2,0", "0.01", "", "#000000"},
        {"closed", path({{{0, 0}, {1, 0}, {1, 1}}}, true), "path", "M0,0 1,0 1,1Z", "0.01", "", "#000000"},
        {"two runs, one point left out", path({{{0, 0}, {1, 0}}, {{5, 5}}, {{0, 1}, {1, 1}}}), "path",
         "M0,0 1,0 M0,1 1,1", "0.01", "", "#000000"},
        {"dotted: the line it stands for", path({{{0, 0}, {0.1, 0}, {0.2, 0}}}, false, 0.0033), "polyline",
         "0,0 0.1,0 0.2,0", "0.01", "", "#000000"},
        {"dashed, wide, red", dashed, "polyline", "0,0 2,0", "0.05", "0.2 0.1", "#ff0000"},
        {"filled, its stroke the bleed", filled, "path", "M0,0 1,0 1,1Z", "0.4", "", "#101e44", "#101e44"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        scene::Scene s;
        s.layer(scene::layers::kCut).items.emplace_back(std::in_place_type<scene::Boxed<scene::Path>>, row.path);
        const Svg svg = parsed(svgDocument(s));
        ASSERT_EQ(svg.items.size(), 1u);
        const Element& e = svg.items[0];
        EXPECT_EQ(e.name.toStdString(), row.element);
        EXPECT_EQ(e.string(row.element == "path" ? "d" : "points"), row.geometry);
        EXPECT_EQ(e.string("fill"), row.fill);
        EXPECT_EQ(e.string("stroke-linejoin"), row.path.fill ? "round" : "");
        EXPECT_EQ(e.string("stroke"), row.colour);
        EXPECT_EQ(e.string("stroke-width"), row.width);
        EXPECT_EQ(e.string("stroke-dasharray"), row.dash);
    }
}

TEST(SvgDocument, TextKeepsItsStringSizeAnchorAndRotation)
{
    scene::Text t;
    t.at = {3, 4};
    t.sizePt = 9;
    t.rotationDeg = 30;
    t.anchor = scene::Anchor::Middle;
    t.family = "IPAGothic";
    t.text = "Gore <3> & \"north\"";
    scene::Scene s;
    s.layer("labels").items.emplace_back(std::in_place_type<scene::Boxed<scene::Text>>, t);
    const Svg svg = parsed(svgDocument(s));
    ASSERT_EQ(svg.items.size(), 1u);
    const Element& e = svg.items[0];
    EXPECT_EQ(e.text.toStdString(), t.text);
    EXPECT_NEAR(e.number("font-size"), 9 * 2.54 / 72, kSvgTolerance); // points in centimetres
    EXPECT_EQ(e.string("text-anchor"), "middle");
    EXPECT_EQ(e.string("font-family"), "IPAGothic");
    EXPECT_EQ(e.string("transform"), "rotate(30 3 4)");
    EXPECT_EQ(e.number("x"), 3.0);
    EXPECT_EQ(e.number("y"), 4.0);
}

TEST(SvgDocument, WrittenInChunksIsTheDocumentOfTheLayersKept)
{
    // A few dots stay in one chunk; 40,000 clipped dots make several megabytes, handed over in pieces.
    const struct { int dots; std::set<scene::LayerKind> kinds; } rows[] = {
        {3, allLayerKinds()}, {40'000, allLayerKinds()}, {40'000, {scene::LayerKind::Cut}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dots << " dots, " << row.kinds.size() << " kinds");
        scene::Scene s;
        s.width = 30.0;
        s.height = 20.0;
        s.clips.push_back({{0.0, 0.0}, {30.0, 0.0}, {30.0, 20.0}});
        scene::Layer& stars = s.layer(scene::layers::kStars);
        for (int i = 0; i < row.dots; ++i) {
            scene::Dot d;
            d.index = i;
            d.centre = {0.001 * i, 20.0 - 0.0005 * i};
            d.radius = 0.01 + 1e-6 * i;
            d.clip = 0;
            stars.items.push_back(d);
        }
        s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.push_back(path({{{1.0, 1.0}, {2.0, 3.0}}}, true));
        std::vector<std::size_t> pieces;
        std::string joined;
        writeSvgDocument(s, "title", row.kinds, [&](std::string_view bytes) {
            pieces.push_back(bytes.size());
            joined += bytes;
        });
        EXPECT_EQ(joined, svgDocument(keepLayers(s, row.kinds), "title"));
        EXPECT_LE(*std::max_element(pieces.begin(), pieces.end()), (std::size_t{1} << 20) + 4096);
        EXPECT_EQ(pieces.size() > 1, joined.size() > (std::size_t{1} << 20));
    }
}
