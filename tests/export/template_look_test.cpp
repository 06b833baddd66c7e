// The look of a template after it is drawn: star colours by B−V and the dark style.
#include "export/template_look.h"
#include "stars/star_colour.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace exporter;
using scene::Role;

namespace {

scene::Dot star(std::int32_t index) { return scene::Dot{Role::Star, index, {1, 1}, 0.05, canvas::kBlack, canvas::kBlack}; }

/// A piece: two stars, a black gore edge and a grey label on print layers; its red cut outline
/// and blue fold line on their own layers.
scene::Scene piece()
{
    scene::Scene s;
    s.width = 10;
    s.height = 10;
    scene::Path edge;
    edge.role = Role::GoreEdge;
    edge.runs = {{{1, 1}, {2, 2}}};
    s.layer(scene::layers::kStars).items = {star(0), star(1), edge};
    scene::Text label;
    label.role = Role::PieceLabel;
    label.color = {140, 140, 140};
    s.layer(scene::layers::kLabels).items = {label};
    scene::Path cut;
    cut.role = Role::CutOutline;
    cut.closed = true;
    cut.runs = {{{1, 1}, {5, 1}, {5, 5}}};
    cut.stroke.color = {255, 0, 0};
    s.layer(scene::layers::kCut, scene::LayerKind::Cut).items = {cut};
    scene::Path fold;
    fold.role = Role::TabFold;
    fold.runs = {{{1, 1}, {5, 1}}};
    fold.stroke = {{0, 0, 255}, 0.0, {0.15, 0.15}};
    s.layer(scene::layers::kScore, scene::LayerKind::Score).items = {fold};
    return s;
}

template <typename T>
const T& item(const scene::Scene& s, std::string_view layer, std::size_t i)
{
    return scene::itemAs<T>(s.find(layer)->items.at(i));
}

} // namespace

TEST(TemplateLook, StarDotsByStyleAndColourIndex)
{
    const canvas::Rgb sun = [] {
        const stars::Srgb c = stars::starColour(0.65);
        return canvas::Rgb{c.r, c.g, c.b};
    }();
    // On white a tint is darkened to kTintOnWhite of its channels.
    const canvas::Rgb sunOnWhite{static_cast<int>(std::lround(sun.r * kTintOnWhite)),
                                 static_cast<int>(std::lround(sun.g * kTintOnWhite)),
                                 static_cast<int>(std::lround(sun.b * kTintOnWhite))};
    struct Row { const char* name; bool colour; Style style; canvas::Rgb withBv, withoutBv; };
    const Row rows[] = {
        {"dark, untinted", false, Style::Dark, canvas::kWhite, canvas::kWhite},
        {"dark, tinted", true, Style::Dark, sun, canvas::kWhite},
        {"light, tinted", true, Style::Light, sunOnWhite, canvas::kBlack},
    };
    stars::StarCatalogue catalogue;
    catalogue.stars = {{0, 0, 1}, {0, 0, 2}};
    catalogue.colourIndices = {0.65, std::nullopt};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        scene::Scene s = piece();
        applyLook(s, catalogue, {row.colour, row.style, 0.2});
        EXPECT_EQ(item<scene::Dot>(s, scene::layers::kStars, 0).fill, row.withBv);
        EXPECT_EQ(item<scene::Dot>(s, scene::layers::kStars, 0).outline, row.withBv);
        EXPECT_EQ(item<scene::Dot>(s, scene::layers::kStars, 1).fill, row.withoutBv);
    }
}

TEST(TemplateLook, DarkGroundFillsEachCutOutlineAndLightensOnlyPrint)
{
    scene::Scene s = piece();
    applyLook(s, {}, {false, Style::Dark, 0.2});
    ASSERT_EQ(s.layers.front().name, scene::layers::kGround);
    ASSERT_EQ(s.layers.front().items.size(), 1u);
    const auto& ground = item<scene::Path>(s, scene::layers::kGround, 0);
    EXPECT_EQ(ground.role, Role::PieceFill);
    EXPECT_EQ(ground.runs, item<scene::Path>(s, scene::layers::kCut, 0).runs);
    EXPECT_EQ(ground.fill, kDarkGround);
    EXPECT_DOUBLE_EQ(ground.stroke.width, 0.4); // a bleed of 0.2 cm each side of the outline
    // Black goes 70 % of the way to white: 178.5 rounds to 179; grey 140 to 220.5, 221.
    EXPECT_EQ(item<scene::Path>(s, scene::layers::kStars, 2).stroke.color, (canvas::Rgb{179, 179, 179}));
    EXPECT_EQ(item<scene::Text>(s, scene::layers::kLabels, 0).color, (canvas::Rgb{221, 221, 221}));
    EXPECT_EQ(item<scene::Path>(s, scene::layers::kCut, 0).stroke.color, (canvas::Rgb{255, 0, 0}));
    EXPECT_EQ(item<scene::Path>(s, scene::layers::kScore, 0).stroke.color, (canvas::Rgb{0, 0, 255}));
}

TEST(TemplateLook, LightWithoutColoursLeavesTheTemplateAlone)
{
    scene::Scene s = piece();
    stars::StarCatalogue catalogue;
    catalogue.stars = {{0, 0, 1}};
    catalogue.colourIndices = {1.5};
    applyLook(s, catalogue, {false, Style::Light, 0.2});
    EXPECT_EQ(s.layers.size(), piece().layers.size());
    EXPECT_EQ(item<scene::Dot>(s, scene::layers::kStars, 0).fill, canvas::kBlack);
}

TEST(TemplateLook, DarkBitmapsAreRefusedNamingTheStyle)
{
    ExportOptions o;
    o.style = Style::Dark;
    o.format = Format::Bmp;
    try {
        templateLook(o, 0.0);
        FAIL() << "accepted";
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("--style"), std::string::npos) << e.what();
    }
    o.format = Format::Svg;
    EXPECT_EQ(templateLook(o, 0.2).style, Style::Dark);
}
