// The sky layers as the exporter writes them: off unless asked for, each its own SVG layer,
// text never mirrored, every label's box estimate wide enough for the font it is set in.
#include "qt_app.h"

#include "export/export_options.h"
#include "export/face_templates.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "render/renderers.h"
#include "sky/label_box.h"
#include "sky/sky_data.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

using namespace exporter;

namespace {

const std::string kCatalogue = ORBWEAVE_DATA_DIR "/bright-stars.csv";

sky::SkyRequest request(const ExportOptions& o)
{
    return {o.sky, o.sky.any() ? std::make_shared<const sky::SkyData>(sky::loadSkyData(ORBWEAVE_DATA_DIR "/sky", o.sky))
                               : nullptr};
}

/// The templates the command line would draw for `args`: pieces of a kit, as for a PDF.
TemplateList draw(const std::vector<std::string>& args)
{
    const ExportOptions o = parseExportOptions(args);
    const KitFinish finish = kitFinish(o.kit, o.format);
    return o.subject == Subject::Gores ? drawGoreTemplates(o.gore, kCatalogue, finish, o.kit, request(o))
                                       : drawFaceTemplates(o.face, kCatalogue, finish, o.kit, request(o));
}

std::vector<std::string> layerNames(const scene::Scene& s)
{
    std::vector<std::string> names;
    for (const scene::Layer& l : s.layers)
        names.push_back(l.name);
    return names;
}

} // namespace

TEST(SkyExport, LayersOnlyWhenAskedForUnderTheStarsEachItsOwnSvgLayer)
{
    using V = std::vector<std::string>;
    const struct { V args, sky, layers; } rows[] = {
        {{"gores", "--k", "2"}, {"--sky", "all"},
         {"grid", "ecliptic", "boundaries", "constellation-lines", "constellation-names", "star-names"}},
        {{"faces", "--face", "9", "--edges"}, {"--constellations", "lines,names", "--grid", "15"},
         {"grid", "constellation-lines", "constellation-names"}},
        // The galactic equator meets every hour of right ascension, the ecliptic every one too.
        {{"gores", "--k", "5", "--hemisphere", "south"}, {"--ecliptic", "on", "--galactic", "on"}, {"ecliptic", "galactic"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[0] + " " + row.sky.back());
        const TemplateList plain = draw(row.args);
        V args = row.args;
        args.insert(args.end(), row.sky.begin(), row.sky.end());
        const TemplateList t = draw(args);
        ASSERT_EQ(t.size(), 1u);
        // The sky's layers in front, the template's own after them as they were.
        V expected = row.layers;
        for (const std::string& l : layerNames(plain[0].scene)) {
            EXPECT_EQ(std::find(row.layers.begin(), row.layers.end(), l), row.layers.end()) << l;
            expected.push_back(l);
        }
        EXPECT_EQ(layerNames(t[0].scene), expected);
        const std::string svg = svgDocument(t[0].scene, templateTitle(t[0]));
        for (const std::string& layer : row.layers)
            EXPECT_NE(svg.find("<g id=\"" + layer + "\" inkscape:groupmode=\"layer\""), std::string::npos) << layer;
        EXPECT_NE(svg.find("J2000</title>"), std::string::npos);
    }
}

TEST(SkyExport, TextIsNeverMirroredInTheOutsideView)
{
    const TemplateList t = draw({"faces", "--face", "all", "--outside", "--sky", "all"});
    std::size_t texts = 0;
    for (const TemplateDrawing& d : t) {
        const std::string svg = svgDocument(d.scene);
        EXPECT_EQ(svg.find("scale("), std::string::npos);
        EXPECT_EQ(svg.find("matrix("), std::string::npos);
        for (std::size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1))
            ++texts;
    }
    EXPECT_GT(texts, 100u);
}

TEST(SkyExport, LabelWidthEstimateCoversTheFonts)
{
    // The placement keeps an estimated box inside the cut; the font the label is set in must not be wider.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(72 / 0.0254)); // one pixel a point
    device.setDotsPerMeterY(qRound(72 / 0.0254));
    sky::SkyLayerOptions all;
    all.names = all.figures = true;
    all.starNameLimit = 30;
    const sky::SkyData data = sky::loadSkyData(ORBWEAVE_DATA_DIR "/sky", all);
    std::vector<std::pair<std::string, const char*>> labels{{"23h", sky::kLatinFamily},
                                                            {"\u221280\u00B0", sky::kLatinFamily},
                                                            {"330\u00B0", sky::kLatinFamily}};
    for (const auto& n : data.names) {
        labels.emplace_back(n.latin, sky::kLatinFamily);
        labels.emplace_back(n.english, sky::kLatinFamily);
        labels.emplace_back(n.iauName, sky::kLatinFamily);
        labels.emplace_back(n.japanese, sky::kJapaneseFamily);
    }
    for (const auto& s : data.starNames) {
        labels.emplace_back(s.name, sky::kLatinFamily);
        if (!s.japanese.empty())
            labels.emplace_back(s.japanese, sky::kJapaneseFamily);
    }
    for (const char* family : {sky::kLatinFamily, sky::kJapaneseFamily}) {
        const QFont font(QString::fromUtf8(family));
        ASSERT_EQ(QFontInfo(font).family(), QString::fromUtf8(family)) << "font not installed: " << family;
    }
    constexpr double kSizePt = 10.0;
    for (const auto& [text, family] : labels) {
        QFont font(QString::fromUtf8(family));
        font.setPointSizeF(kSizePt);
        const double advancePt = QFontMetricsF(font, &device).horizontalAdvance(QString::fromStdString(text));
        EXPECT_LE(advancePt * sky::kCmPerPoint, sky::estimatedTextWidth(text, kSizePt)) << text << " in " << family;
    }
}
